#pragma once
// A word store held in memory: small test dictionaries and the command-line
// tool's fixtures.

#include <initializer_list>
#include <memory>
#include <set>
#include <string>

#include "engine/game/word_store.h"

namespace tb {

class MemoryWordStore : public WordStore {
  public:
    MemoryWordStore() = default;
    // Words in code page 1250.
    MemoryWordStore(std::initializer_list<std::string> words) : words_(words) {}
    std::unique_ptr<WordCursor> openCursor() override;
    const std::set<std::string>& words() const { return words_; }

  private:
    friend class MemoryCursor;
    std::set<std::string> words_;
};

}  // namespace tb
