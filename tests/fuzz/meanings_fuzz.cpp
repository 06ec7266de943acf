// data/information.dat (the first byte: the length of the word, then the word and the
// file): a meaning found stands in the file after the word.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "store/meanings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const std::string_view all(reinterpret_cast<const char*>(data) + 1, size - 1);
    const size_t n = std::min<size_t>(data[0] % 16, all.size());
    const std::string_view word = all.substr(0, n), file = all.substr(n);
    const auto meaning = tb::findMeaning(file, word);
    if (meaning) {
        const std::string line = std::string(word) + (meaning->empty() ? "" : ",") + *meaning;
        tb::fuzz::require(file.find(line) != std::string_view::npos,
                          "a meaning that the file does not hold");
    }
    return 0;
}
