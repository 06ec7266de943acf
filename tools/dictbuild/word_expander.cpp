#include "tools/dictbuild/word_expander.h"

#include "files/text.h"

namespace tb::dictbuild {
namespace {

bool has(const std::u32string& flags, char32_t flag) {
    return flags.find(flag) != std::u32string::npos;
}

// The word with the suffix entry applied, or empty if it does not apply.
// As in hunspell, something of the word must stay after the strip.
std::u32string withSuffix(const AffixEntry& e, const std::u32string& word) {
    const size_t n = word.size();
    if (n <= e.strip.size() || n < e.condition.size()) return {};
    if (word.compare(n - e.strip.size(), e.strip.size(), e.strip) != 0) return {};
    const size_t from = n - e.condition.size();
    for (size_t i = 0; i < e.condition.size(); ++i)
        if (!e.condition[i].matches(word[from + i])) return {};
    return word.substr(0, n - e.strip.size()) + e.add;
}

std::u32string withPrefix(const AffixEntry& e, const std::u32string& word) {
    const size_t n = word.size();
    if (n <= e.strip.size() || n < e.condition.size()) return {};
    if (word.compare(0, e.strip.size(), e.strip) != 0) return {};
    for (size_t i = 0; i < e.condition.size(); ++i)
        if (!e.condition[i].matches(word[i])) return {};
    return e.add + word.substr(e.strip.size());
}

// Prefixes on a suffixed form: a prefix of the entry's own flags, or one that
// a suffix of the form names in its continuation, when all cross.
void addPrefixes(const AffixRules& rules, const std::u32string& flags,
                 const std::u32string& suffixFlags, const std::u32string& form,
                 const FormSink& sink) {
    for (const auto& [flag, cls] : rules.classes) {
        if (!cls.prefix || !cls.crossProduct) continue;
        if (!has(flags, flag) && !has(suffixFlags, flag)) continue;
        for (const auto& e : cls.entries)
            if (auto w = withPrefix(e, form); !w.empty()) sink(w);
    }
}

}  // namespace

void expandEntry(const AffixRules& rules, const std::u32string& root, const std::u32string& flags,
                 const FormSink& sink) {
    sink(root);
    for (char32_t flag : flags) {
        const AffixClass* cls = rules.find(flag);
        if (!cls) continue;
        if (cls->prefix) {
            for (const auto& e : cls->entries)
                if (auto w = withPrefix(e, root); !w.empty()) sink(w);
            continue;
        }
        for (const auto& e1 : cls->entries) {
            const auto w1 = withSuffix(e1, root);
            if (w1.empty()) continue;
            sink(w1);
            if (cls->crossProduct) addPrefixes(rules, flags, e1.continuation, w1, sink);
            for (char32_t flag2 : e1.continuation) {
                const AffixClass* cls2 = rules.find(flag2);
                if (!cls2 || cls2->prefix) continue;
                for (const auto& e2 : cls2->entries) {
                    const auto w2 = withSuffix(e2, w1);
                    if (w2.empty()) continue;
                    sink(w2);
                    if (cls->crossProduct && cls2->crossProduct)
                        addPrefixes(rules, flags, e1.continuation + e2.continuation, w2, sink);
                }
            }
        }
    }
}

void splitDicLine(std::string_view line, std::u32string& word, std::u32string& flags) {
    const size_t end = line.find_first_of(" \t\r");
    if (end != std::string_view::npos) line = line.substr(0, end);
    // A slash escaped as "\/" belongs to the word; the Czech list has none.
    const size_t slash = line.find('/');
    word = utf8ToU32(line.substr(0, slash));
    flags = slash == std::string_view::npos ? std::u32string() : utf8ToU32(line.substr(slash + 1));
}

}  // namespace tb::dictbuild
