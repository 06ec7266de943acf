#pragma once
// The move record part of a slot file: whole 34-line position records,
// optionally followed by the closing section of a finished game. Checked line
// by line before a slot is loaded, so a bad record never reaches
// Data/main.dat.

#include "files/file_lines.h"

namespace tb {

constexpr int kRecordLines = 34;

// Checks every line left in `r` as record lines of a game of `pocetHracu`
// seats and returns the number of whole records. Throws FileError.
int checkRecordLines(LineReader& r, int pocetHracu);
// The record part of a slot: checks the lines left in `r` and that they hold
// the `posledniTah` records the game has reached; returns them.
std::vector<std::string> readRecordPart(LineReader& r, int pocetHracu, int32_t posledniTah);

}  // namespace tb
