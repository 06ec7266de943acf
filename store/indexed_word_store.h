#pragma once
// The word store over an in-memory index. The index may still be loading
// when the store is created (it is built while the intro plays); the first
// operation that needs it waits until it is complete, so no lookup ever sees
// half a dictionary. The player's own additions and removals are handed to a
// WordChanges keeper, which makes them last.
//
// Threads: only the loading runs elsewhere; it builds its own index and hands
// the finished whole over through the future. The store and its cursors
// belong to the one thread of the game and are not locked.

#include <exception>
#include <future>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/game/word_store.h"
#include "store/word_index.h"

namespace tb {

// Keeps the words the player added to or removed from the dictionary.
class WordChanges {
  public:
    virtual ~WordChanges() = default;
    virtual void added(std::string_view cp) = 0;
    virtual void removed(std::string_view cp) = 0;
};

class IndexedWordStore : public WordStore {
  public:
    // `changes` may be null: nothing is kept beyond the run.
    IndexedWordStore(std::future<WordIndex> loading, std::unique_ptr<WordChanges> changes);
    IndexedWordStore(WordIndex ready, std::unique_ptr<WordChanges> changes);

    std::unique_ptr<WordCursor> openCursor() override;
    std::vector<std::string> addedWords() override { return pridana_; }
    std::shared_ptr<const WordGraph> wordGraph() override { return index().graph(); }

    // Waits for the loading; rethrows its failure (on every call).
    WordIndex& index() {
        if (!ready_) settle();
        return index_;
    }
    void keepAdded(std::string_view cp);
    void keepRemoved(std::string_view cp);

  protected:
    // The player's words the loading adds to the shipped list.
    void setAdded(std::vector<std::string> cp) { pridana_ = std::move(cp); }

  private:
    void settle();

    std::future<WordIndex> loading_;
    std::exception_ptr failure_;
    WordIndex index_;
    bool ready_ = false;
    std::unique_ptr<WordChanges> changes_;
    std::vector<std::string> pridana_;
};

}  // namespace tb
