#pragma once
// The affix rules of a hunspell dictionary (.aff, UTF-8): prefix and suffix
// classes named by one-character flags, each entry with the letters it
// strips, the letters it adds, the flags of affixes that may follow it and
// the condition on the word it applies to.

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace tb::dictbuild {

// One position of a condition: a letter class such as [^eě] or a letter.
struct ConditionLetter {
    std::u32string letters;  // empty with negated = any letter (".")
    bool negated = false;
    bool matches(char32_t c) const;
};

struct AffixEntry {
    std::u32string strip;
    std::u32string add;
    std::u32string continuation;  // flags of affixes allowed on top of this one
    std::vector<ConditionLetter> condition;
};

struct AffixClass {
    bool prefix = false;
    bool crossProduct = false;
    std::vector<AffixEntry> entries;
};

struct AffixRules {
    std::map<char32_t, AffixClass> classes;
    char32_t forbiddenFlag = 0;
    const AffixClass* find(char32_t flag) const;
};

// Throws std::runtime_error naming the line for a malformed rule.
AffixRules parseAffixRules(std::string_view affText);

}  // namespace tb::dictbuild
