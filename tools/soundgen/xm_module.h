#pragma once
// A FastTracker II extended module (XM 1.04) and its writer: patterns of
// cells, instruments of one 16-bit sample each with a volume envelope.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "tools/soundgen/bytes.h"

namespace snd {

constexpr uint8_t kKeyOff = 97;

struct XmCell {
    uint8_t note = 0;        // 1..96 (C-0..B-7), 97 key off, 0 nothing
    uint8_t instrument = 0;  // 1-based, 0 keeps the channel's
    uint8_t volume = 0;      // volume column: 0x10..0x50 sets 0..64, 0 nothing
    uint8_t effect = 0;
    uint8_t param = 0;
    bool empty() const { return !note && !instrument && !volume && !effect && !param; }
};

struct XmPattern {
    int rows = 64;
    int channels = 8;
    std::vector<XmCell> cells;  // row-major
    XmPattern(int rowCount, int channelCount)
        : rows(rowCount), channels(channelCount), cells(size_t(rowCount * channelCount)) {}
    XmCell& at(int row, int channel) { return cells[size_t(row * channels + channel)]; }
    const XmCell& at(int row, int channel) const { return cells[size_t(row * channels + channel)]; }
};

struct XmInstrument {
    std::string name;
    std::vector<int16_t> sample;
    bool loop = false;
    uint32_t loopStart = 0, loopLength = 0;  // in samples
    uint8_t volume = 64;
    uint8_t panning = 128;
    int8_t finetune = 0;
    int8_t relativeNote = 0;
    // Volume envelope (tick, 0..64); sustained at sustainPoint until key off.
    std::vector<std::pair<uint16_t, uint16_t>> envelope;
    int sustainPoint = -1;
    uint16_t fadeout = 0;
    // Automatic vibrato (sine): depth and rate as the format counts them.
    uint8_t vibratoDepth = 0, vibratoRate = 0, vibratoSweep = 0;
};

struct XmModule {
    std::string name;
    int channels = 8;
    int speed = 6;  // ticks per row
    int bpm = 100;
    std::vector<uint8_t> order;
    std::vector<XmPattern> patterns;
    std::vector<XmInstrument> instruments;
};

Bytes encodeXm(const XmModule& m);
void writeXm(const std::filesystem::path& file, const XmModule& m);

}  // namespace snd
