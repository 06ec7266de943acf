// The module writer: the bytes a tracker reads, and songs that stay in key.
#include "tools/soundgen/xm_module.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>

#include "tools/soundgen/composer.h"

namespace {

using snd::XmCell;
using snd::XmModule;
using snd::XmPattern;

std::vector<uint8_t> bytesOf(const XmModule& m) {
    const auto dir = std::filesystem::temp_directory_path() / "tb_xm_test.xm";
    snd::writeXm(dir, m);
    std::ifstream in(dir, std::ios::binary);
    std::vector<uint8_t> b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::filesystem::remove(dir);
    return b;
}

uint32_t le(const std::vector<uint8_t>& b, size_t at, int n) {
    uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i) v = v << 8 | b[at + size_t(i)];
    return v;
}

XmModule tiny() {
    XmModule m;
    m.name = "tiny";
    m.channels = 2;
    m.bpm = 90;
    m.order = {0, 0};
    XmPattern p(2, 2);
    p.at(0, 0) = {49, 1, 0x50, 0, 0};
    p.at(1, 1).note = snd::kKeyOff;
    m.patterns.push_back(p);
    snd::XmInstrument in;
    in.name = "saw";
    in.sample = {100, -100, 32767, -32768};
    m.instruments.push_back(in);
    return m;
}

TEST(XmModule, HeaderPatternAndSampleBytesAreWhatATrackerReads) {
    const auto b = bytesOf(tiny());
    EXPECT_EQ(std::string(b.begin(), b.begin() + 17), "Extended Module: ");
    EXPECT_EQ(le(b, 58, 2), 0x0104u);
    EXPECT_EQ(le(b, 64, 2), 2u);   // song length
    EXPECT_EQ(le(b, 68, 2), 2u);   // channels
    EXPECT_EQ(le(b, 70, 2), 1u);   // patterns
    EXPECT_EQ(le(b, 72, 2), 1u);   // instruments
    EXPECT_EQ(le(b, 78, 2), 90u);  // tempo
    const size_t pattern = 60 + le(b, 60, 4);
    EXPECT_EQ(le(b, pattern + 5, 2), 2u);  // rows
    // Note with instrument and volume; three empty cells; a key off.
    const std::vector<uint8_t> packed = {0x87, 49, 1, 0x50, 0x80, 0x80, 0x81, 97};
    ASSERT_EQ(le(b, pattern + 7, 2), packed.size());
    EXPECT_EQ(std::vector<uint8_t>(b.begin() + long(pattern + 9),
                                   b.begin() + long(pattern + 9 + packed.size())),
              packed);
    // The sample is stored as differences; adding them up gives it back.
    const size_t data = b.size() - 8;
    int16_t value = 0;
    std::vector<int16_t> back;
    for (size_t i = data; i < b.size(); i += 2) back.push_back(value += int16_t(le(b, i, 2)));
    EXPECT_EQ(back, (std::vector<int16_t>{100, -100, 32767, -32768}));
    EXPECT_EQ(le(b, data - 40, 4), 8u);  // sample length in bytes
}

TEST(XmModule, RefusesWhatNoTrackerCouldPlay) {
    XmModule m = tiny();
    m.order.clear();
    EXPECT_THROW(snd::encodeXm(m), std::invalid_argument);
    m = tiny();
    m.patterns[0] = XmPattern(2, 3);
    EXPECT_THROW(snd::encodeXm(m), std::invalid_argument);
    m = tiny();
    m.instruments[0].envelope.resize(13);
    EXPECT_THROW(snd::encodeXm(m), std::invalid_argument);
}

// A song in C major: every melody note is a scale tone and the form decides
// the order, each section written once.
TEST(Composer, MelodyStaysInTheScaleAndSectionsRepeatByReference) {
    const std::vector<int> major = {0, 2, 4, 5, 7, 9, 11};
    snd::Song s{"test",
                90,
                4,
                60,
                major,
                {{48, {0, 4, 7}}, {45, {0, 3, 7}}, {41, {0, 4, 7}}, {43, {0, 4, 7, 10}}},
                {{41, {0, 4, 7}}, {43, {0, 4, 7}}, {48, {0, 4, 7}}, {45, {0, 3, 7}}},
                "IAaBAO",
                4,
                1,
                5};
    const XmModule m = snd::compose(s);
    EXPECT_EQ(m.order, (std::vector<uint8_t>{0, 1, 2, 3, 1, 4}));
    ASSERT_EQ(m.patterns.size(), 5u);
    int melodyNotes = 0;
    std::set<int> degrees(major.begin(), major.end());
    for (const XmPattern& p : m.patterns)
        for (int row = 0; row < p.rows; ++row)
            for (int ch = 0; ch < p.channels; ++ch) {
                const XmCell& c = p.at(row, ch);
                if (!c.note || c.note == snd::kKeyOff) continue;
                EXPECT_LE(c.instrument, m.instruments.size());
                if (c.instrument != s.melodyInstrument || ch != 4) continue;
                ++melodyNotes;
                EXPECT_TRUE(degrees.count((c.note + 11) % 12)) << "note " << int(c.note);
            }
    EXPECT_GT(melodyNotes, 20);
}

}  // namespace
