#include "store/indexed_word_store.h"

#include <string>

namespace tb {
namespace {

class IndexedCursor : public WordCursor {
  public:
    explicit IndexedCursor(IndexedWordStore& store) : store_(store) {}

    bool Lookup(std::string_view word) override {
        if (!store_.index().contains(word)) return false;
        at_ = word;
        return true;
    }

    void SeekNearest(std::string_view word) override { settleAt(store_.index().lowerBound(word)); }

    void InsertWord(std::string_view word) override {
        if (!isTileWord(word) || word.size() > WordIndex::kMaxLetters)
            throw BadWordError("only a word of the 38 letters can be added");
        WordIndex& index = store_.index();
        if (!index.contains(word)) {
            // Kept first: a word that could not be kept is not added at all.
            store_.keepAdded(word);
            index.insert(word);
        }
        at_ = word;
    }

    void DeleteWord() override {
        WordIndex& index = store_.index();
        if (at_.empty() || !index.contains(at_)) return;
        store_.keepRemoved(at_);
        index.erase(at_);
        // Like a table cursor, stay on the record that followed the deleted one.
        settleAt(index.lowerBound(at_));
    }

    std::vector<std::string> Browse(int count) override {
        const WordIndex& index = store_.index();
        std::vector<std::string> out;
        for (size_t pos = index.lowerBound(at_);
             pos < index.size() && static_cast<int>(out.size()) < count; ++pos)
            out.push_back(index.wordAt(pos));
        return out;
    }

  private:
    // The word at `pos`, or the last word past the end, or none in an empty store.
    void settleAt(size_t pos) {
        const WordIndex& index = store_.index();
        if (index.size() == 0) {
            at_.clear();
            return;
        }
        at_ = index.wordAt(pos < index.size() ? pos : index.size() - 1);
    }

    IndexedWordStore& store_;
    std::string at_;  // the word under the cursor, code page 1250
};

}  // namespace

IndexedWordStore::IndexedWordStore(std::future<WordIndex> loading,
                                   std::unique_ptr<WordChanges> changes)
    : loading_(std::move(loading)), changes_(std::move(changes)) {}

IndexedWordStore::IndexedWordStore(WordIndex ready, std::unique_ptr<WordChanges> changes)
    : index_(std::move(ready)), ready_(true), changes_(std::move(changes)) {}

std::unique_ptr<WordCursor> IndexedWordStore::openCursor() {
    return std::make_unique<IndexedCursor>(*this);
}

void IndexedWordStore::settle() {
    if (failure_) std::rethrow_exception(failure_);
    try {
        index_ = loading_.get();
        ready_ = true;
    } catch (...) {
        failure_ = std::current_exception();
        throw;
    }
}

void IndexedWordStore::keepAdded(std::string_view cp) {
    if (changes_) changes_->added(cp);
    pridana_.emplace_back(cp);
}

void IndexedWordStore::keepRemoved(std::string_view cp) {
    if (changes_) changes_->removed(cp);
}

}  // namespace tb
