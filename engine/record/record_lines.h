#pragma once
// Reading the game's line files (code page 1250, CR LF, one value a line,
// comma lists). Every fault is a RecordError naming the file and the line,
// thrown before anything of the game state is touched.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "files/files.h"

namespace tb {

// The largest move record, saved game or saved record the game reads. A whole
// game's record is some tens of kilobytes; a file thousands of times larger
// is none of the game's.
inline constexpr uint64_t kMaxRecordBytes = uint64_t{16} << 20;

class RecordError : public FileError {
  public:
    using FileError::FileError;
};

// Lines of a text; CR LF or a bare LF ends a line, a last line without an
// ending counts too.
std::vector<std::string> rozdelRadky(std::string_view text);

class Radky {
  public:
    Radky(std::vector<std::string> radky, std::string jmeno)
        : radky_(std::move(radky)), jmeno_(std::move(jmeno)) {}

    size_t pocet() const { return radky_.size(); }
    size_t pozice() const { return pos_; }
    void preskoc(size_t n);
    // The next line; the file ending early is an error.
    const std::string& radek();
    // The next line as an integer (optional sign, digits, blanks around).
    int32_t cislo();
    // The next line as a comma list into out[1..max]; what follows the last
    // comma is ignored, a field that is not a number is an error.
    template <typename A>
    void seznam(A& out, int max) {
        const std::vector<int32_t> v = cisla(radek());
        for (int i = 0; i < max && i < static_cast<int>(v.size()); ++i) out[i + 1] = v[i];
    }

  private:
    std::vector<int32_t> cisla(const std::string& radek);
    int32_t naCislo(std::string_view text);
    [[noreturn]] void chyba(const std::string& co) const;

    std::vector<std::string> radky_;
    std::string jmeno_;
    size_t pos_ = 0;
};

}  // namespace tb
