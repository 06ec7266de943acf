#include "tools/dictbuild/meanings_builder.h"

#include <unordered_set>

#include "files/text.h"
#include "tools/dictbuild/word_filter.h"

namespace tb::dictbuild {
namespace {

// Small letter of a Latin letter (ASCII, Latin-1 and Latin Extended-A, the
// ranges code page 1250 draws from); anything else is kept.
char32_t lowerLatin(char32_t c) {
    if ((c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 32;
    if (c >= 0x100 && c <= 0x17F && c != 0x130 && c != 0x138) {
        // Capitals are even in this block, except in two runs where they are odd.
        const bool oddCapitals = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        if ((c % 2 == 1) == oddCapitals) return c + 1;
    }
    return c;
}

std::string lowered(std::string_view utf8) {
    std::u32string text = utf8ToU32(utf8);
    for (char32_t& c : text) c = lowerLatin(c);
    return u32ToUtf8(text);
}

std::string decodeEntity(std::string_view name) {
    if (name == "amp") return "&";
    if (name == "lt") return "<";
    if (name == "gt") return ">";
    if (name == "quot") return "\"";
    if (name == "apos") return "'";
    if (name == "nbsp") return " ";
    return {};
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool fitsCp1250(std::string_view utf8) {
    return cp1250ToUtf8(utf8ToCp1250(utf8)) == utf8;
}

}  // namespace

std::string plainText(std::string_view markup) {
    std::string out;
    bool pendingBlank = false;
    const auto put = [&](std::string_view s) {
        for (char c : s) {
            if (isBlank(c)) {
                pendingBlank = !out.empty();
                continue;
            }
            if (pendingBlank) out += ' ';
            pendingBlank = false;
            out += c;
        }
    };
    for (size_t i = 0; i < markup.size(); ++i) {
        const char c = markup[i];
        if (c == '<') {
            const size_t close = markup.find('>', i);
            if (close == std::string_view::npos) break;
            // A line break or paragraph in the markup still parts two words.
            const std::string_view tag = markup.substr(i + 1, close - i - 1);
            if (tag.starts_with("br") || tag.starts_with("/p") || tag.starts_with("/div")) put(" ");
            i = close;
        } else if (c == '&') {
            const size_t semi = markup.find(';', i);
            const std::string decoded = semi == std::string_view::npos
                                            ? std::string()
                                            : decodeEntity(markup.substr(i + 1, semi - i - 1));
            if (decoded.empty()) {
                put("&");
            } else {
                put(decoded);
                i = semi;
            }
        } else {
            put(std::string_view(&markup[i], 1));
        }
    }
    return out;
}

std::vector<std::string> headwordVariants(std::string_view headword) {
    std::vector<std::string> variants;
    size_t start = 0;
    while (start <= headword.size()) {
        size_t comma = headword.find(',', start);
        if (comma == std::string_view::npos) comma = headword.size();
        const std::string v = plainText(headword.substr(start, comma - start));
        if (!v.empty()) variants.push_back(lowered(v));
        start = comma + 1;
    }
    return variants;
}

std::string buildMeanings(const std::vector<StardictEntry>& entries,
                          const std::vector<ThesaurusEntry>& thesaurus) {
    std::string out;
    std::unordered_set<std::string> explained;
    const auto line = [&](const std::string& word, const std::string& meaning) {
        out += word;
        out += ',';
        out += meaning;
        out += "\r\n";
        explained.insert(word);
    };
    for (const auto& e : entries) {
        // Converted first, so a character the code page lacks leaves no double blank.
        const std::string meaning = plainText(utf8ToCp1250(e.article));
        for (const auto& word : headwordVariants(e.headword))
            if (fitsCp1250(word)) line(utf8ToCp1250(word), meaning);
    }
    for (const auto& t : thesaurus) {
        const std::string word = utf8ToCp1250(t.word);
        if (!isGameWord(t.word) || explained.count(word)) continue;
        std::string meaning;
        size_t taken = 0;
        for (const auto& s : t.synonyms) {
            if (taken == kMaxSynonyms || !fitsCp1250(s)) continue;
            meaning += taken++ == 0 ? "synonyma: " : ", ";
            meaning += utf8ToCp1250(plainText(s));
        }
        if (taken > 0) line(word, meaning);
    }
    return out;
}

}  // namespace tb::dictbuild
