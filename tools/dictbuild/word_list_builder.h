#pragma once
// The game's word list from a hunspell dictionary: every form of every
// entry, kept if it is a game word, without the forms the dictionary forbids.

#include <string>
#include <string_view>
#include <vector>

namespace tb::dictbuild {

// UTF-8 words, sorted by bytes, each once.
std::vector<std::string> buildWordList(std::string_view affText, std::string_view dicText);

}  // namespace tb::dictbuild
