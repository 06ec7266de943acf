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
