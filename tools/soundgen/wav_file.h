#pragma once
// Writes a signal as a 16-bit mono PCM WAV file at 44.1 kHz.

#include <filesystem>

#include "tools/soundgen/dsp.h"

namespace snd {

void writeWav(const std::filesystem::path& file, const Signal& s);

}  // namespace snd
