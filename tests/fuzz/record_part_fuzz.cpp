// Move record lines as a slot carries them (the first byte picks the seats): any bytes
// fail with FileError or are whole records and a closing section that pass again.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/saves/record_part.h"
#include "files/file_lines.h"
#include "files/files.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tb;
    if (size == 0) return 0;
    const int hracu = 2 + data[0] % 3;
    const auto lines =
        splitLines(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
    LineReader r(lines, "main.dat");
    int records = 0;
    try {
        records = checkRecordLines(r, hracu);
    } catch (const FileError&) {
        return 0;
    }
    fuzz::require(size_t(records) * kRecordLines <= lines.size(), "more records than lines");
    LineReader again(splitLines(joinLines(lines)), "main.dat again");
    fuzz::require(checkRecordLines(again, hracu) == records, "written again, reads otherwise");
    return 0;
}
