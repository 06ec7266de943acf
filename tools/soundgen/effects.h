#pragma once
// The game's eight sound-effect files, synthesized.

#include <filesystem>

namespace snd {

// Writes Sound/klik.wav, Vzit.wav, Poloz.wav, PisIN.wav, Intro1a.wav,
// Intro2.wav, Tavik.wav and Borun.wav below the root.
void writeEffects(const std::filesystem::path& root);

}  // namespace snd
