#include "tools/dictbuild/thesaurus_reader.h"

#include <algorithm>
#include <charconv>
#include <sstream>
#include <stdexcept>

namespace tb::dictbuild {
namespace {

std::vector<std::string_view> splitBars(std::string_view line) {
    std::vector<std::string_view> parts;
    for (size_t start = 0;;) {
        const size_t bar = line.find('|', start);
        parts.push_back(line.substr(start, bar - start));
        if (bar == std::string_view::npos) return parts;
        start = bar + 1;
    }
}

}  // namespace

std::vector<ThesaurusEntry> parseThesaurus(std::string_view datText) {
    std::vector<ThesaurusEntry> entries;
    std::istringstream in{std::string(datText)};
    std::string line;
    std::getline(in, line);  // the encoding
    int lineNo = 1;
    while (std::getline(in, line)) {
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        const auto head = splitBars(line);
        int count = 0;
        const auto& n = head.back();
        if (head.size() != 2 ||
            std::from_chars(n.data(), n.data() + n.size(), count).ec != std::errc())
            throw std::runtime_error("line " + std::to_string(lineNo) + ": not an entry");
        ThesaurusEntry e{std::string(head[0]), {}};
        for (int k = 0; k < count && std::getline(in, line); ++k) {
            ++lineNo;
            if (!line.empty() && line.back() == '\r') line.pop_back();
            const auto parts = splitBars(line);
            // The first part names the part of speech.
            for (size_t p = 1; p < parts.size(); ++p) {
                const std::string s(parts[p]);
                if (!s.empty() && s != e.word &&
                    std::find(e.synonyms.begin(), e.synonyms.end(), s) == e.synonyms.end())
                    e.synonyms.push_back(s);
            }
        }
        entries.push_back(std::move(e));
    }
    return entries;
}

}  // namespace tb::dictbuild
