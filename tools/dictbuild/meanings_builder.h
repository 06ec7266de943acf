#pragma once
// The word meanings file data/information.dat: one line per word, "word,
// meaning", code page 1250, CR LF, words in small letters.

#include <string>
#include <string_view>
#include <vector>

#include "tools/dictbuild/stardict_reader.h"
#include "tools/dictbuild/thesaurus_reader.h"

namespace tb::dictbuild {

// An article without its markup: tags dropped, entities decoded, white space
// collapsed to single blanks, no blanks at either end.
std::string plainText(std::string_view markup);
// The words a headword names ("konzervace, konservace" names two), in small
// letters, UTF-8.
std::vector<std::string> headwordVariants(std::string_view headword);
constexpr size_t kMaxSynonyms = 6;  // as many as the meaning window shows

// The file's bytes: a line per headword variant of the articles, then, for a
// game word that no article explains, a line of its synonyms ("synonyma: a,
// b, c"). A word that code page 1250 cannot write is left out; characters of
// a meaning that it cannot write are dropped.
std::string buildMeanings(const std::vector<StardictEntry>& entries,
                          const std::vector<ThesaurusEntry>& thesaurus = {});

}  // namespace tb::dictbuild
