#pragma once
// The text of the rules pages: 81 lines (1-based, index 0 unused), in UTF-8.
// A line that starts with spaces continues the rule above it.

#include <array>

namespace tb {

constexpr int kRadkuPravidel = 81;
const std::array<const char*, kRadkuPravidel + 1>& InitPravidla();

}  // namespace tb
