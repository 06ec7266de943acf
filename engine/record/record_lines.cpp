#include "engine/record/record_lines.h"

#include <charconv>

namespace tb {

std::vector<std::string> rozdelRadky(std::string_view text) {
    std::vector<std::string> out;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view r = text.substr(start, end - start);
        if (!r.empty() && r.back() == '\r') r.remove_suffix(1);
        out.emplace_back(r);
        start = end + 1;
    }
    return out;
}

void Radky::chyba(const std::string& co) const {
    throw RecordError(jmeno_ + ", line " + std::to_string(pos_) + ": " + co);
}

void Radky::preskoc(size_t n) {
    for (size_t i = 0; i < n; ++i) radek();
}

const std::string& Radky::radek() {
    if (pos_ >= radky_.size()) {
        ++pos_;
        chyba("the file ends too early");
    }
    return radky_[pos_++];
}

int32_t Radky::naCislo(std::string_view t) {
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.remove_suffix(1);
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
    if (!t.empty() && t.front() == '+') t.remove_prefix(1);
    int32_t v = 0;
    const auto [p, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (t.empty() || ec != std::errc() || p != t.data() + t.size())
        chyba("\"" + std::string(t) + "\" is not a number");
    return v;
}

int32_t Radky::cislo() {
    return naCislo(radek());
}

std::vector<int32_t> Radky::cisla(const std::string& r) {
    std::vector<int32_t> out;
    size_t start = 0;
    for (size_t carka = r.find(','); carka != std::string::npos; carka = r.find(',', start)) {
        out.push_back(naCislo(std::string_view(r).substr(start, carka - start)));
        start = carka + 1;
    }
    return out;
}

}  // namespace tb
