#pragma once
// Every form of a hunspell dictionary entry: the word itself, each suffix and
// prefix that applies, prefix and suffix together where both allow it, and a
// second suffix where the first one names it. This is the part of hunspell's
// word check that the Czech dictionary uses, run forwards.

#include <functional>
#include <string_view>

#include "tools/dictbuild/affix_rules.h"

namespace tb::dictbuild {

using FormSink = std::function<void(const std::u32string&)>;

// Calls `sink` for each form of `root` with the flags `flags` (forms may repeat).
void expandEntry(const AffixRules& rules, const std::u32string& root, const std::u32string& flags,
                 const FormSink& sink);

// Splits a .dic line ("word/flags", possibly followed by blanks and more) into
// its word and flags.
void splitDicLine(std::string_view line, std::u32string& word, std::u32string& flags);

}  // namespace tb::dictbuild
