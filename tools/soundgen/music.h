#pragma once
// The game's music: Sound/1.xm, 2.xm, ... below the root.

#include <filesystem>

namespace snd {

// Writes every track; returns how many there are.
int writeMusic(const std::filesystem::path& root);

}  // namespace snd
