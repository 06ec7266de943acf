#pragma once
// A sealed word index of the given UTF-8 words, as the loading leaves it.

#include <string>
#include <vector>

#include "store/word_index.h"

namespace tb {

inline WordIndex indexOf(const std::vector<std::string>& utf8Words) {
    WordIndex index;
    for (const auto& w : utf8Words) index.appendUtf8(w);
    index.seal();
    return index;
}

}  // namespace tb
