#include "store/memory_word_store.h"

#include "engine/game/tiles.h"

namespace tb {

bool isTileWord(std::string_view word) {
    if (word.empty()) return false;
    for (char c : word)
        if (letterCodeOf(c) == 0) return false;
    return true;
}

class MemoryCursor : public WordCursor {
  public:
    explicit MemoryCursor(MemoryWordStore& store) : store_(store) {}

    bool Lookup(std::string_view word) override {
        auto it = store_.words_.find(std::string(word));
        if (it == store_.words_.end()) return false;
        at_ = *it;
        return true;
    }
    void SeekNearest(std::string_view word) override {
        auto& w = store_.words_;
        auto it = w.lower_bound(std::string(word));
        if (it == w.end() && !w.empty()) it = std::prev(w.end());
        at_ = it == w.end() ? std::string() : *it;
    }
    void InsertWord(std::string_view word) override {
        if (!isTileWord(word)) throw BadWordError("not a word of the 38 letters");
        at_ = *store_.words_.insert(std::string(word)).first;
    }
    void DeleteWord() override { store_.words_.erase(at_); }
    std::vector<std::string> Browse(int count) override {
        std::vector<std::string> out;
        for (auto it = store_.words_.lower_bound(at_);
             it != store_.words_.end() && static_cast<int>(out.size()) < count; ++it)
            out.push_back(*it);
        return out;
    }

  private:
    MemoryWordStore& store_;
    std::string at_;
};

std::unique_ptr<WordCursor> MemoryWordStore::openCursor() {
    return std::make_unique<MemoryCursor>(*this);
}

}  // namespace tb
