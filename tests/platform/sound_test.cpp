#include "platform/sound.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "platform/mixer_backend.h"
#include "support/dummy_drivers.h"
#include "support/fakes.h"

namespace tb {
namespace {

using test::FakeBackend;

struct Rig {
    FakeBackend lib;
    bool zvukyZap = true;
    std::ostringstream err;
    Sound sound{lib, FileRoot("/nowhere"), zvukyZap, err};
    // The song plays to its end and the music timer moves on.
    void dalsiSkladba() {
        sound.PlayPisen();
        lib.finished = true;
        sound.TimerHudba();
    }
};

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
    r.dalsiSkladba();
    EXPECT_EQ(r.lib.only("play", off), std::vector<std::string>{});
    EXPECT_EQ(r.sound.AktPisen(), 2);
}

TEST(Sound, FailuresAreReportedAndTheGameGoesOnSilently) {
    // No device, the first track, the next track (reached when the music rotates).
    struct Case {
        bool opens;
        std::string badSong, report;
    } cases[] = {
        {false, "none", "Error! Initializing no device\n"},
        {true, "1.xm", "Error! Loading song no device\n"},
        {true, "2.xm", "Error! Loading song no device\n"},
    };
    for (const Case& c : cases) {
        Rig r;
        r.lib.opens = c.opens;
        r.lib.badSong = c.badSong;
        r.sound.start(3, 128);
        if (c.badSong == "2.xm") r.dalsiSkladba();
        EXPECT_EQ(std::tuple(r.err.str(), r.sound.isOpen(), r.lib.calls.back()),
                  std::tuple(c.report, false, "close"))
            << c.badSong;
        // From now on nothing reaches the library.
        const size_t from = r.lib.calls.size();
        r.sound.HrajZvuk(1);
        r.sound.PlayPisen();
        r.sound.TimerHudba();
        r.sound.SetVolumeHudba(3);
        r.sound.stop();
        EXPECT_EQ(r.lib.calls.size(), from) << c.badSong;
    }
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
