// The sound effects are valid WAV files of sensible length and level, and the
// music tracks are well-formed XM modules.
#include <gtest/gtest.h>

#include <cstdlib>

#include "tools/installed_files.h"

namespace {

using tbtest::installRoot;
using tbtest::le16;
using tbtest::le32;

std::string wholeFile(const std::filesystem::path& p) {
    return tbtest::readBytes(p, std::filesystem::exists(p) ? std::filesystem::file_size(p) : 0);
}

struct Effect {
    const char* file;
    double maxSeconds;  // it must be over before the game plays it again
};
// Intro1a sounds once a second, Intro2 every 200 ms, PisIN with each 490 ms fade.
const Effect kEffects[] = {{"klik.wav", 0.15},  {"Vzit.wav", 0.3},    {"Poloz.wav", 0.4},
                           {"PisIN.wav", 0.49}, {"Intro1a.wav", 1.2}, {"Intro2.wav", 0.3},
                           {"Tavik.wav", 3.0},  {"Borun.wav", 4.0}};

TEST(SoundFiles, EffectsArePcmWavesOfSensibleLengthAndLevel) {
    for (const Effect& e : kEffects) {
        SCOPED_TRACE(e.file);
        const std::string w = wholeFile(installRoot() / "Sound" / e.file);
        ASSERT_GE(w.size(), 44u);
        const uint32_t bytes = le32(w, 40);
        ASSERT_EQ(
            std::tuple(w.substr(0, 4), le32(w, 4), w.substr(8, 8), le16(w, 20), le16(w, 22),
                       le32(w, 24), le16(w, 34), w.substr(36, 4), bytes),
            std::tuple("RIFF", w.size() - 8, "WAVEfmt ", 1, 1, 44100u, 16, "data", w.size() - 44));
        EXPECT_LE(bytes / 2 / 44100.0, e.maxSeconds);
        int peak = 0;
        for (size_t i = 44; i + 1 < w.size(); i += 2)
            peak = std::max(peak, std::abs(int(int16_t(le16(w, i)))));
        EXPECT_GT(peak, 32767 * 0.3) << "too quiet";
        EXPECT_LT(peak, 32767 * 0.95) << "clips";
    }
}

// Walks the whole module as a player reads it; any length that does not add up fails.
struct XmShape {
    int channels = 0, patterns = 0, instruments = 0, orders = 0;
};

XmShape walkXm(const std::string& m) {
    XmShape shape;
    EXPECT_EQ(m.substr(0, 17), "Extended Module: ");
    EXPECT_EQ(uint8_t(m[37]), 0x1A);
    EXPECT_EQ(le16(m, 58), 0x0104);
    const size_t headerEnd = 60 + le32(m, 60);
    shape.orders = le16(m, 64);
    shape.channels = le16(m, 68);
    shape.patterns = le16(m, 70);
    shape.instruments = le16(m, 72);
    for (int i = 0; i < shape.orders; ++i) EXPECT_LT(uint8_t(m[80 + i]), shape.patterns);
    size_t at = headerEnd;
    for (int p = 0; p < shape.patterns && at + 9 <= m.size(); ++p) {
        const int rows = le16(m, at + 5);
        const size_t packed = le16(m, at + 7);
        at += le32(m, at);
        const size_t end = at + packed;
        int cells = 0;
        while (at < end) {
            const uint8_t first = uint8_t(m[at]);
            int fields = 5, mask = 0x1F;
            if (first & 0x80) mask = first & 0x1F, fields = __builtin_popcount(mask), ++at;
            if (mask & 1) {
                EXPECT_LE(uint8_t(m[at]), 97);
            }
            if (mask & 2) {
                EXPECT_LE(uint8_t(m[at + ((mask & 1) ? 1 : 0)]), shape.instruments);
            }
            at += size_t(fields);
            ++cells;
        }
        EXPECT_EQ(at, end);
        EXPECT_EQ(cells, rows * shape.channels) << "pattern " << p;
    }
    for (int i = 0; i < shape.instruments && at + 29 <= m.size(); ++i) {
        const uint32_t size = le32(m, at);
        const int samples = le16(m, at + 27);
        const size_t headers = at + size;
        at = headers;
        uint32_t data = 0;
        for (int s = 0; s < samples; ++s, at += 40) {
            const uint32_t length = le32(m, at), loopStart = le32(m, at + 4),
                           loopLength = le32(m, at + 8);
            EXPECT_LE(loopStart + loopLength, length);
            data += length;
        }
        at += data;
    }
    EXPECT_EQ(at, m.size()) << "module does not end where its parts do";
    return shape;
}

TEST(SoundFiles, TracksAreNumberedFromOneAndWellFormedModules) {
    const auto track = [](int n) { return installRoot() / "Sound" / (std::to_string(n) + ".xm"); };
    int tracks = 0;
    while (std::filesystem::exists(track(tracks + 1))) ++tracks;
    EXPECT_TRUE(tracks >= 3 && tracks <= 20) << tracks;
    for (int n = 1; n <= tracks; ++n) {
        SCOPED_TRACE(n);
        const XmShape s = walkXm(wholeFile(track(n)));
        EXPECT_GE(std::min({s.channels, s.instruments, s.orders}), 4);
    }
}

}  // namespace
