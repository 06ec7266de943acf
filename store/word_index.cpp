#include "store/word_index.h"

#include <algorithm>
#include <bit>
#include <utility>

#include "engine/game/letter_codes.h"
#include "engine/game/word_store.h"

namespace tb {
namespace {

constexpr size_t kNone = static_cast<size_t>(-1);
constexpr int kBits = 6;

// Shift of the letter at position i (0 = first) in a key.
constexpr int shiftOf(size_t i) {
    return kBits * static_cast<int>(WordIndex::kMaxLetters - 1 - i);
}

uint64_t hashOf(WordKey key) {
    uint64_t x =
        static_cast<uint64_t>(key) ^ (static_cast<uint64_t>(key >> 64) * 0x9E3779B97F4A7C15ull);
    x ^= x >> 33;
    x *= 0xff51afd7ed558ccdull;
    x ^= x >> 33;
    return x;
}

// Capacity keeping the table at most 80 % full.
size_t capacityFor(size_t words) {
    return std::bit_ceil(std::max<size_t>(16, words * 5 / 4 + 1));
}

// Key of a code-page-1250 word; 0 if it is empty, too long or not all letters.
WordKey keyOfCp1250(std::string_view cp) {
    if (cp.empty() || cp.size() > WordIndex::kMaxLetters) return 0;
    WordKey key = 0;
    for (char c : cp) {
        const unsigned kod = codeOfByte(static_cast<unsigned char>(c));
        if (kod == 0) return 0;
        key = (key << kBits) | kod;
    }
    return key << shiftOf(cp.size() - 1);
}

// Two bits of one 64-bit word of the filter, chosen by hash bits the table
// does not use for its slot number.
struct FilterBits {
    size_t word;
    uint64_t bits;
};
FilterBits filterBitsOf(uint64_t hash, size_t words) {
    return {(hash >> 24) & (words - 1),
            (uint64_t{1} << ((hash >> 52) & 63)) | (uint64_t{1} << ((hash >> 58) & 63))};
}

}  // namespace

WordIndex::WordIndex() {
    allocate(capacityFor(0));
}

void WordIndex::allocate(size_t capacity) {
    table_ = HugeArray<Slot>(capacity);
    filter_ = HugeArray<uint64_t>(capacity / 8);
    used_ = 0;
}

bool WordIndex::mayHold(uint64_t hash) const {
    const auto f = filterBitsOf(hash, filter_.size());
    return (filter_[f.word] & f.bits) == f.bits;
}

WordKey WordIndex::keyOf(const Slot& s) {
    return (static_cast<WordKey>(s[2]) << 64) | (static_cast<WordKey>(s[1]) << 32) | s[0];
}

bool WordIndex::appendUtf8(std::string_view utf8) {
    WordKey key = 0;
    size_t letters = 0;
    for (size_t i = 0; i < utf8.size(); ++letters) {
        const unsigned kod = nextCodeOfUtf8(utf8, i);
        if (kod == 0 || letters == kMaxLetters) return false;
        key = (key << kBits) | kod;
    }
    if (letters == 0) return false;
    loading_.push_back(key << shiftOf(letters - 1));
    return true;
}

void WordIndex::seal() {
    std::sort(loading_.begin(), loading_.end());
    loading_.erase(std::unique(loading_.begin(), loading_.end()), loading_.end());
    allocate(capacityFor(loading_.size()));
    order_.clear();
    order_.reserve(loading_.size());
    // The slots are met at random; asking for them a little ahead lets the
    // memory reads overlap.
    constexpr size_t kAhead = 16;
    const size_t mask = table_.size() - 1;
    for (size_t i = 0; i < loading_.size(); ++i) {
        if (i + kAhead < loading_.size())
            __builtin_prefetch(&table_[hashOf(loading_[i + kAhead]) & mask], 1);
        order_.push_back(static_cast<uint32_t>(place(loading_[i])));
    }
    std::vector<WordKey>().swap(loading_);
}

size_t WordIndex::find(WordKey key, uint64_t hash) const {
    const size_t mask = table_.size() - 1;
    const auto lo = static_cast<uint32_t>(key), mid = static_cast<uint32_t>(key >> 32),
               hi = static_cast<uint32_t>(key >> 64);
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot& s = table_[i];
        if (s[0] == lo && s[1] == mid && s[2] == hi) return i;
        if ((s[0] | s[1] | s[2]) == 0) return kNone;
    }
}

size_t WordIndex::place(WordKey key) {
    const size_t mask = table_.size() - 1;
    const uint64_t hash = hashOf(key);
    const auto f = filterBitsOf(hash, filter_.size());
    filter_[f.word] |= f.bits;
    size_t i = hash & mask;
    while (keyOf(table_[i]) != 0 && !isGrave(table_[i])) i = (i + 1) & mask;
    if (keyOf(table_[i]) == 0) ++used_;
    table_[i] = {static_cast<uint32_t>(key), static_cast<uint32_t>(key >> 32),
                 static_cast<uint32_t>(key >> 64)};
    return i;
}

// A bigger table moves every key, so the order is rebuilt with it.
void WordIndex::rebuild(size_t capacity) {
    HugeArray<Slot> old = std::move(table_);
    allocate(capacity);
    for (uint32_t& slot : order_) slot = static_cast<uint32_t>(place(keyOf(old[slot])));
}

bool WordIndex::contains(std::string_view cp) const {
    const WordKey key = keyOfCp1250(cp);
    if (key == 0) return false;
    const uint64_t hash = hashOf(key);
    return mayHold(hash) && find(key, hash) != kNone;
}

bool WordIndex::insert(std::string_view cp) {
    const WordKey key = keyOfCp1250(cp);
    if (key == 0) throw BadWordError("a word must be 1 to 15 of the 38 letters");
    if (find(key, hashOf(key)) != kNone) return false;
    if ((used_ + 1) * 5 > table_.size() * 4) rebuild(capacityFor(order_.size() + 1));
    const size_t pos = keyLowerBound(key);
    order_.insert(order_.begin() + pos, static_cast<uint32_t>(place(key)));
    return true;
}

bool WordIndex::erase(std::string_view cp) {
    const WordKey key = keyOfCp1250(cp);
    const size_t slot = key == 0 ? kNone : find(key, hashOf(key));
    if (slot == kNone) return false;
    order_.erase(order_.begin() + keyLowerBound(key));
    table_[slot] = {0, 0, kGraveMark};
    return true;
}

size_t WordIndex::keyLowerBound(WordKey key) const {
    return std::lower_bound(order_.begin(), order_.end(), key,
                            [this](uint32_t slot, WordKey k) { return keyOf(table_[slot]) < k; }) -
           order_.begin();
}

size_t WordIndex::lowerBound(std::string_view cp) const {
    // The key of the longest run of letters the text starts with, then where
    // the text goes on decides the bound: a non-letter below 'a' sorts before
    // every letter, any other one after every letter, and a text longer than
    // the board sorts after the board-long word it starts with.
    WordKey prefix = 0;
    for (size_t i = 0; i < cp.size(); ++i) {
        const auto b = static_cast<unsigned char>(cp[i]);
        const unsigned kod = codeOfByte(b);
        if (i == kMaxLetters || (kod == 0 && b < 'a')) return keyLowerBound(prefix + 1);
        if (kod == 0)
            return i == 0 ? size() : keyLowerBound(prefix + (WordKey{1} << shiftOf(i - 1)));
        prefix |= static_cast<WordKey>(kod) << shiftOf(i);
    }
    return keyLowerBound(prefix);
}

std::string WordIndex::wordAt(size_t pos) const {
    const WordKey key = keyOf(table_[order_.at(pos)]);
    std::string codes;
    for (size_t i = 0; i < kMaxLetters; ++i)
        if (const auto kod = static_cast<char>((key >> shiftOf(i)) & 63); kod != 0) codes += kod;
    return cp1250OfCodes(codes);
}

}  // namespace tb
