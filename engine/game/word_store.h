#pragma once
// The dictionary store: the words a move may use, kept in index order.
// Words are code-page-1250 strings. Two cursors are open on one store for the
// whole run (the game screen's and the computer player's); a word inserted
// through one is found through the other.

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tb {

class WordGraph;

// A word the store refuses (empty, or a character outside the 38 letters).
class BadWordError : public std::invalid_argument {
  public:
    using std::invalid_argument::invalid_argument;
};

class WordCursor {
  public:
    virtual ~WordCursor() = default;
    // Moves the cursor to the word; true if the store holds it.
    virtual bool Lookup(std::string_view word) = 0;
    // Moves the cursor to the first word not before `word` in index order
    // (to the last word if there is none).
    virtual void SeekNearest(std::string_view word) = 0;
    // Inserts the word at the cursor and keeps it. Throws BadWordError for a
    // word that no move could ever lay.
    virtual void InsertWord(std::string_view word) = 0;
    // Deletes the word under the cursor (after a successful Lookup).
    virtual void DeleteWord() = 0;
    // Up to `count` words from the cursor on, in index order (the settings
    // screen's word list).
    virtual std::vector<std::string> Browse(int count) = 0;
};

class WordStore {
  public:
    virtual ~WordStore() = default;
    virtual std::unique_ptr<WordCursor> openCursor() = 0;
    // The words the player added to the shipped list (one he removed since
    // may still be listed: Lookup decides).
    virtual std::vector<std::string> addedWords() { return {}; }
    // The word graph of the shipped list, when the store keeps one (the
    // master walks it); may wait for the words as any question does.
    virtual std::shared_ptr<const WordGraph> wordGraph() { return nullptr; }
};

// True if every byte is one of the 38 letters and the word is not empty.
bool isTileWord(std::string_view word);

}  // namespace tb
