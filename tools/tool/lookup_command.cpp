// lookup WORD...: is each word in the dictionary, as a typed word is asked.

#include <ostream>

#include "files/text.h"
#include "tools/tool/commands.h"

namespace tb::tool {

int lookupCommand(ToolEnv& env) {
    if (env.args().empty()) throw UsageError("lookup needs at least one word");
    auto cursor = env.store().openCursor();
    for (const std::string& word : env.args()) {
        const std::string cp = utf8ToCp1250(word);
        // A character with no place in the code page is no letter of a word.
        const bool found = cp1250ToUtf8(cp) == word && cursor->Lookup(lowerAZ(cp));
        env.out << word << '\t' << (found ? 1 : 0) << '\n';
    }
    return 0;
}

}  // namespace tb::tool
