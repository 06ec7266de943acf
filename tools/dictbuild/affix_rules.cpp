#include "tools/dictbuild/affix_rules.h"

#include <sstream>
#include <stdexcept>

#include "files/text.h"

namespace tb::dictbuild {
namespace {

std::vector<std::string> fieldsOf(const std::string& line) {
    std::vector<std::string> fields;
    std::istringstream in(line);
    for (std::string f; in >> f;) {
        if (f[0] == '#') break;  // a comment to the end of the line
        fields.push_back(f);
    }
    return fields;
}

std::u32string affixText(const std::string& field) {
    return field == "0" ? std::u32string() : utf8ToU32(field);
}

std::vector<ConditionLetter> parseCondition(const std::u32string& text, int lineNo) {
    std::vector<ConditionLetter> cond;
    for (size_t i = 0; i < text.size(); ++i) {
        ConditionLetter c;
        if (text[i] == U'.') {
            c.negated = true;
        } else if (text[i] == U'[') {
            const size_t close = text.find(U']', i);
            if (close == std::u32string::npos)
                throw std::runtime_error("line " + std::to_string(lineNo) + ": unclosed [");
            c.negated = i + 1 < close && text[i + 1] == U'^';
            c.letters = text.substr(i + 1 + c.negated, close - i - 1 - c.negated);
            i = close;
        } else {
            c.letters = text.substr(i, 1);
        }
        cond.push_back(std::move(c));
    }
    return cond;
}

}  // namespace

bool ConditionLetter::matches(char32_t c) const {
    return (letters.find(c) != std::u32string::npos) != negated;
}

const AffixClass* AffixRules::find(char32_t flag) const {
    const auto it = classes.find(flag);
    return it == classes.end() ? nullptr : &it->second;
}

AffixRules parseAffixRules(std::string_view affText) {
    AffixRules rules;
    std::istringstream in{std::string(affText)};
    int lineNo = 0;
    for (std::string line; std::getline(in, line);) {
        ++lineNo;
        const auto f = fieldsOf(line);
        if (f.empty()) continue;
        if (f[0] == "FORBIDDENWORD" && f.size() >= 2) {
            rules.forbiddenFlag = utf8ToU32(f[1])[0];
            continue;
        }
        if (f[0] != "PFX" && f[0] != "SFX") continue;
        if (f.size() < 4)
            throw std::runtime_error("line " + std::to_string(lineNo) + ": short affix rule");
        const char32_t flag = utf8ToU32(f[1])[0];
        AffixClass& cls = rules.classes[flag];
        // The header line: flag, cross product Y/N, count.
        if (f.size() == 4 && (f[2] == "Y" || f[2] == "N")) {
            cls.prefix = f[0] == "PFX";
            cls.crossProduct = f[2] == "Y";
            continue;
        }
        AffixEntry e;
        e.strip = affixText(f[2]);
        const std::string& add = f[3];
        const size_t slash = add.find('/');
        e.add = affixText(add.substr(0, slash));
        if (slash != std::string::npos) e.continuation = utf8ToU32(add.substr(slash + 1));
        e.condition = parseCondition(utf8ToU32(f.size() >= 5 ? f[4] : "."), lineNo);
        cls.entries.push_back(std::move(e));
    }
    return rules;
}

}  // namespace tb::dictbuild
