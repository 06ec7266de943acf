#include "tools/dictbuild/word_list_builder.h"

#include <algorithm>
#include <sstream>
#include <unordered_set>

#include "files/text.h"
#include "tools/dictbuild/affix_rules.h"
#include "tools/dictbuild/word_expander.h"
#include "tools/dictbuild/word_filter.h"

namespace tb::dictbuild {

std::vector<std::string> buildWordList(std::string_view affText, std::string_view dicText) {
    const AffixRules rules = parseAffixRules(affText);
    std::vector<std::string> words;
    std::unordered_set<std::string> forbidden;
    const FormSink keep = [&](const std::u32string& form) {
        std::string w = u32ToUtf8(form);
        if (isGameWord(w)) words.push_back(std::move(w));
    };

    std::istringstream in{std::string(dicText)};
    std::string line;
    std::getline(in, line);  // the number of entries
    std::u32string root, flags;
    while (std::getline(in, line)) {
        splitDicLine(line, root, flags);
        if (root.empty()) continue;
        // A forbidden entry names a form the rules would make but is no word.
        if (rules.forbiddenFlag != 0 && flags.find(rules.forbiddenFlag) != std::u32string::npos) {
            forbidden.insert(u32ToUtf8(root));
            continue;
        }
        expandEntry(rules, root, flags, keep);
    }

    std::sort(words.begin(), words.end());
    words.erase(std::unique(words.begin(), words.end()), words.end());
    std::erase_if(words, [&](const std::string& w) { return forbidden.count(w) != 0; });
    return words;
}

}  // namespace tb::dictbuild
