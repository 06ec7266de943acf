#pragma once
// A property of a fuzz target that must hold for every input: when it does
// not, the input is a finding, so stop loudly.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "files/file_lines.h"
#include "files/files.h"

namespace tb::fuzz {

inline void require(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "fuzz property broken: %s\n", what);
    std::abort();
}

// A slot that loads must, written out, load again and write out the same;
// the written text, or "" for a slot refused with FileError.
template <class Parse, class Write>
std::string roundTrip(const std::vector<std::string>& lines, Parse parse, Write write) {
    decltype(parse(lines, "")) slot;
    try {
        slot = parse(lines, "slot");
    } catch (const FileError&) {
        return "";
    }
    const std::string once = write(slot);
    try {
        slot = parse(splitLines(once), "written slot");
    } catch (const FileError&) {
        require(false, "a slot that loaded is not read back after saving");
    }
    require(write(slot) == once, "save, load, save differs");
    return once;
}

}  // namespace tb::fuzz
