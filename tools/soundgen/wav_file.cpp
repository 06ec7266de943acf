#include "tools/soundgen/wav_file.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <stdexcept>

#include "tools/soundgen/bytes.h"

namespace snd {

void writeWav(const std::filesystem::path& file, const Signal& s) {
    Bytes b;
    const uint32_t dataSize = uint32_t(s.size() * 2);
    b.text("RIFF");
    b.u32(36 + dataSize);
    b.text("WAVE");
    b.text("fmt ");
    b.u32(16);
    b.u16(1);  // PCM
    b.u16(1);  // mono
    b.u32(kRate);
    b.u32(kRate * 2);
    b.u16(2);
    b.u16(16);
    b.text("data");
    b.u32(dataSize);
    for (float v : s) b.u16(uint16_t(int16_t(std::lround(std::clamp(v, -1.0f, 1.0f) * 32767))));
    b.save(file);
}

}  // namespace snd
