#include "files/file_lines.h"

#include <limits>

#include "files/files.h"

namespace tb {

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> out;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        out.emplace_back(line);
        start = end + 1;
    }
    return out;
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

std::string oneLine(std::string_view text) {
    std::string out;
    for (char c : text)
        if (c != '\r' && c != '\n') out += c;
    return out;
}

std::string listLine(std::span<const int32_t> values) {
    std::string out;
    for (int32_t v : values) {
        out += std::to_string(v);
        out += ',';
    }
    return out;
}

bool parseInt(std::string_view text, int32_t& out) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    size_t i = 0;
    while (i < text.size() && blank(text[i])) ++i;
    const bool negative = i < text.size() && text[i] == '-';
    if (negative || (i < text.size() && text[i] == '+')) ++i;
    if (i == text.size()) return false;
    int64_t value = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
        if (value > int64_t{std::numeric_limits<int32_t>::max()} + 1) return false;
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<int32_t>::max()) return false;
    out = static_cast<int32_t>(value);
    return true;
}

const std::string& LineReader::text() {
    if (atEnd()) fail("the file ends too early");
    return lines_[next_++];
}

void LineReader::empty() {
    if (!text().empty()) failHere("an empty line expected");
}

const std::string& LineReader::jmeno() {
    const std::string& line = text();
    if (line.size() > kDelkaJmena)
        failHere("a name longer than " + std::to_string(kDelkaJmena) + " characters");
    return line;
}

int32_t LineReader::number(int32_t lo, int32_t hi) {
    int32_t v = 0;
    if (!parseInt(text(), v)) failHere("not a number");
    if (v < lo || v > hi) {
        failHere(std::to_string(v) + " is outside " + std::to_string(lo) + ".." +
                 std::to_string(hi));
    }
    return v;
}

void LineReader::list(std::span<int32_t> out, int32_t lo, int32_t hi) {
    const std::string& line = text();
    size_t filled = 0, start = 0;
    for (size_t comma = line.find(','); comma != std::string::npos && filled < out.size();
         start = comma + 1, comma = line.find(',', start)) {
        int32_t v = 0;
        if (!parseInt(std::string_view(line).substr(start, comma - start), v))
            failHere("item " + std::to_string(filled + 1) + " is not a number");
        if (v < lo || v > hi)
            failHere("item " + std::to_string(filled + 1) + " is outside " + std::to_string(lo) +
                     ".." + std::to_string(hi));
        out[filled++] = v;
    }
    if (filled < out.size())
        failHere(std::to_string(out.size()) + " numbers expected, " + std::to_string(filled) +
                 " found");
}

void LineReader::listUpTo(std::span<int32_t> out) {
    const std::string& line = text();
    size_t filled = 0, start = 0;
    for (size_t comma = line.find(','); comma != std::string::npos;
         start = comma + 1, comma = line.find(',', start), ++filled) {
        int32_t v = 0;
        if (!parseInt(std::string_view(line).substr(start, comma - start), v))
            failHere("item " + std::to_string(filled + 1) + " is not a number");
        if (filled < out.size()) out[filled] = v;
    }
}

void LineReader::fail(const std::string& why) const {
    throw FileError(name_ + ", line " + std::to_string(lineNo()) + ": " + why);
}

void LineReader::failHere(const std::string& why) const {
    throw FileError(name_ + ", line " + std::to_string(next_) + ": " + why);
}

}  // namespace tb
