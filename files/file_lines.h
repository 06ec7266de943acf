#pragma once
// The game's text files are lines of code-page-1250 bytes ended by CR LF,
// one value per line, lists written as "5,61,0," (every number followed by a
// comma). These helpers read such files strictly, line by line, so a reader
// can check a whole file before it changes anything.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tb {

// The largest move record, saved game or saved record the game reads. A whole
// game's record is some tens of kilobytes; a file thousands of times larger
// is none of the game's.
inline constexpr uint64_t kMaxRecordBytes = uint64_t{16} << 20;

// A player's name: at most what the name box takes.
inline constexpr size_t kDelkaJmena = 10;

// Lines of a text; CR LF or a bare LF ends a line, a last line without an
// ending counts too.
std::vector<std::string> splitLines(std::string_view text);
// Every line followed by CR LF.
std::string joinLines(const std::vector<std::string>& lines);
// A text (a player's name) fit for one line: CR and LF are dropped, so a
// name can never shift the lines after it.
std::string oneLine(std::string_view text);
// "5,61,0," for {5, 61, 0}.
std::string listLine(std::span<const int32_t> values);
// An integer line: blanks around it allowed, an optional sign, decimal digits, within 32 bits.
bool parseInt(std::string_view text, int32_t& out);

// Walks the lines of one file. Every check that fails throws FileError naming
// the file, the line and the reason.
class LineReader {
  public:
    LineReader(std::vector<std::string> lines, std::string name)
        : lines_(std::move(lines)), name_(std::move(name)) {}

    bool atEnd() const { return next_ >= lines_.size(); }
    size_t remaining() const { return lines_.size() - next_; }
    // The lines not read yet.
    std::vector<std::string> rest() const {
        return {lines_.begin() + static_cast<std::ptrdiff_t>(next_), lines_.end()};
    }
    // 1-based number of the line read next.
    size_t lineNo() const { return next_ + 1; }

    // The next line as it stands; the file must not end here.
    const std::string& text();
    void skip(size_t n = 1) {
        for (size_t i = 0; i < n; ++i) text();
    }
    // The next line must be empty.
    void empty();
    // The next line is a player's name, at most kDelkaJmena characters.
    const std::string& jmeno();
    // The next line is one integer within lo..hi.
    int32_t number(int32_t lo = INT32_MIN, int32_t hi = INT32_MAX);
    // The next line is a comma list. The first out.size() elements are
    // stored (each within lo..hi); elements after them are ignored, text
    // after the last comma too. Fewer elements, or a field that is not a
    // number, is an error.
    void list(std::span<int32_t> out, int32_t lo, int32_t hi);
    // The move record's lists: as many elements as the line has, at most
    // out.size(), go to out; the rest of out keeps its values.
    void listUpTo(std::span<int32_t> out);

    [[noreturn]] void fail(const std::string& why) const;
    // Fails at the line just read.
    [[noreturn]] void failHere(const std::string& why) const;

  private:
    std::vector<std::string> lines_;
    std::string name_;
    size_t next_ = 0;
};

}  // namespace tb
