#include "platform/sound.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/mixer_backend.h"
#include "support/dummy_drivers.h"
#include "support/fakes.h"
#include "support/temp_dir.h"

namespace tb {
namespace {

using test::FakeBackend;

struct Rig {
    FakeBackend lib;
    bool zvukyZap = true;
    std::ostringstream err;
    Sound sound{lib, FileRoot("/nowhere"), zvukyZap, err};
};

TEST(Sound, MusicRotationWrapsAfterTheLastTrack) {
    Rig r;
    r.sound.start(3, 200);
    EXPECT_EQ(r.lib.only("load"), (std::vector<std::string>{"load 1.xm"}));
    EXPECT_EQ(r.lib.only("song"), std::vector<std::string>{})
        << "not started before the intro ends";
    r.sound.PlayPisen();
    const size_t from = r.lib.calls.size();
    r.sound.TimerHudba();  // still playing
    EXPECT_EQ(r.lib.calls.size(), from);
    r.lib.finished = true;
    std::vector<int> order;
    for (int i = 0; i < 4; ++i) {
        r.sound.TimerHudba();
        order.push_back(r.sound.AktPisen());
    }
    EXPECT_EQ(order, (std::vector<int>{2, 3, 1, 2}));
    EXPECT_EQ(r.lib.only("load", from),
              (std::vector<std::string>{"load 2.xm", "load 3.xm", "load 1.xm", "load 2.xm"}));
    // Every new track gets the volume, then plays.
    EXPECT_EQ(r.lib.only("volume", from).size(), 4u);
    EXPECT_EQ(r.lib.only("song", from).size(), 4u);
    EXPECT_EQ(r.err.str(), "");
}

TEST(Sound, TrackNamesAndLimits) {
    EXPECT_EQ(Sound::IntToChar(1), "Sound\\1.xm");
    EXPECT_EQ(Sound::IntToChar(20), "Sound\\20.xm");
    Rig r;
    r.sound.start(99, 999);
    EXPECT_EQ(r.sound.PocetPisni(), 20);
    EXPECT_EQ(r.lib.only("volume"), (std::vector<std::string>{"volume 255"}));
    r.sound.SetVolumeHudba(17);
    EXPECT_EQ(r.lib.calls.back(), "volume 17") << "a new volume reaches the playing track at once";
}

TEST(Sound, EffectsAreSilentWhileSwitchedOffButMusicStillRotates) {
    Rig r;
    r.sound.start(2, 100);
    // Nine effects, the arrival sound loaded twice.
    EXPECT_EQ(r.lib.only("sample").size(), 9u);
    EXPECT_EQ(r.lib.only("sample")[3], "sample PisIN.wav");
    EXPECT_EQ(r.lib.only("sample")[4], "sample PisIN.wav");
    const size_t from = r.lib.calls.size();
    for (int n : {0, 1, 5, 9, 10, -3}) r.sound.HrajZvuk(n);
    EXPECT_EQ(r.lib.only("play", from), (std::vector<std::string>{"play 1", "play 5", "play 9"}));
    r.zvukyZap = 0;
    const size_t off = r.lib.calls.size();
    for (int n = 1; n <= 9; ++n) r.sound.HrajZvuk(n);
    r.sound.PlayPisen();
    r.lib.finished = true;
    r.sound.TimerHudba();
    EXPECT_EQ(r.lib.only("play", off), std::vector<std::string>{});
    EXPECT_EQ(r.sound.AktPisen(), 2);
}

TEST(Sound, FailuresAreReportedAndTheGameGoesOnSilently) {
    struct Case {
        const char* what;
        bool opens;
        std::string badSong;
        bool rotate;
        std::string report;
    } cases[] = {
        {"no device", false, "none", false, "Error! Initializing no device\n"},
        {"first track", true, "1.xm", false, "Error! Loading song no device\n"},
        {"next track", true, "2.xm", true, "Error! Loading song no device\n"},
    };
    for (const Case& c : cases) {
        Rig r;
        r.lib.opens = c.opens;
        r.lib.badSong = c.badSong;
        r.sound.start(3, 128);
        if (c.rotate) {
            r.sound.PlayPisen();
            r.lib.finished = true;
            r.sound.TimerHudba();
        }
        EXPECT_EQ(r.err.str(), c.report) << c.what;
        EXPECT_FALSE(r.sound.isOpen()) << c.what;
        EXPECT_EQ(r.lib.calls.back(), "close") << c.what;
        // From now on nothing reaches the library.
        const size_t from = r.lib.calls.size();
        r.sound.HrajZvuk(1);
        r.sound.PlayPisen();
        r.sound.TimerHudba();
        r.sound.SetVolumeHudba(3);
        r.sound.stop();
        EXPECT_EQ(r.lib.calls.size(), from) << c.what;
    }
}

TEST(Sound, WithoutTracksTheEffectsStillPlay) {
    Rig r;
    r.sound.start(0, 128);
    EXPECT_EQ(r.err.str(), "");
    EXPECT_EQ(r.lib.only("load"), std::vector<std::string>{});
    r.sound.HrajZvuk(2);
    EXPECT_EQ(r.lib.calls.back(), "play 2");
    r.sound.TimerHudba();
    EXPECT_EQ(r.lib.calls.back(), "play 2");
}

// A mono 8-bit WAV of n silent samples.
void writeWav(const fs::path& p, int n = 64) {
    auto u32 = [](std::ofstream& f, uint32_t v) { f.write(reinterpret_cast<char*>(&v), 4); };
    auto u16 = [](std::ofstream& f, uint16_t v) { f.write(reinterpret_cast<char*>(&v), 2); };
    fs::create_directories(p.parent_path());
    std::ofstream f(p, std::ios::binary);
    f << "RIFF";
    u32(f, 36 + n);
    f << "WAVEfmt ";
    u32(f, 16);
    u16(f, 1);
    u16(f, 1);
    u32(f, 22050);
    u32(f, 22050);
    u16(f, 1);
    u16(f, 8);
    f << "data";
    u32(f, n);
    f << std::string(static_cast<size_t>(n), '\x80');
}

TEST(MixerBackend, PlaysEffectsOnTheDummyDeviceAndReportsAMissingTrack) {
    test::TempDir dir;
    for (const char* name :
         {"klik", "Vzit", "Poloz", "PisIN", "Intro1a", "Intro2", "Tavik", "Borun"})
        writeWav(dir.path() / "sound" / (std::string(name) + ".wav"));
    MixerBackend mixer;
    bool zvukyZap = true;
    std::ostringstream err;
    Sound sound(mixer, FileRoot(dir.path()), zvukyZap, err);
    sound.start(0, 255);
    ASSERT_TRUE(sound.isOpen()) << err.str();
    for (int n = 1; n <= 9; ++n) sound.HrajZvuk(n);
    EXPECT_EQ(err.str(), "");
    // A configured track that is not there closes the sound system.
    sound.start(1, 255);
    EXPECT_TRUE(err.str().starts_with("Error! Loading song ")) << err.str();
    EXPECT_FALSE(sound.isOpen());
}

TEST(MixerBackend, NoAudioDeviceMeansAReportAndSilence) {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    MixerBackend mixer;
    bool zvukyZap = true;
    std::ostringstream err;
    Sound sound(mixer, FileRoot("/nowhere"), zvukyZap, err);
    sound.start(3, 255);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    EXPECT_TRUE(err.str().starts_with("Error! Initializing ")) << err.str();
    EXPECT_GT(err.str().size(), std::string("Error! Initializing \n").size())
        << "the library says why";
    EXPECT_FALSE(sound.isOpen());
    sound.HrajZvuk(1);
    sound.TimerHudba();
}

}  // namespace
}  // namespace tb
