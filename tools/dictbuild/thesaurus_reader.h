#pragma once
// A MyThes thesaurus (.dat): a line naming the encoding, then per entry a
// line "word|n" followed by n lines "(part of speech)|synonym|synonym|...".

#include <string>
#include <string_view>
#include <vector>

namespace tb::dictbuild {

struct ThesaurusEntry {
    std::string word;                   // UTF-8
    std::vector<std::string> synonyms;  // each once, in the order given
};

// Throws std::runtime_error naming the line of a malformed entry.
std::vector<ThesaurusEntry> parseThesaurus(std::string_view datText);

}  // namespace tb::dictbuild
