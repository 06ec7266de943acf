#include "store/word_index.h"

#include <algorithm>
#include <bit>
#include <stdexcept>
#include <utility>

#include "engine/game/letter_codes.h"
#include "engine/game/word_store.h"
#include "files/files.h"

namespace tb {
namespace {

constexpr int kBits = 6;

// Shift of the letter at position i (0 = first) in a key.
constexpr int shiftOf(size_t i) {
    return kBits * static_cast<int>(WordIndex::kMaxLetters - 1 - i);
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

size_t before(const std::vector<WordKey>& keys, WordKey key) {
    return std::lower_bound(keys.begin(), keys.end(), key) - keys.begin();
}

bool has(const std::vector<WordKey>& keys, WordKey key) {
    return std::binary_search(keys.begin(), keys.end(), key);
}

void put(std::vector<WordKey>& keys, WordKey key) {
    keys.insert(keys.begin() + static_cast<std::ptrdiff_t>(before(keys, key)), key);
}

bool drop(std::vector<WordKey>& keys, WordKey key) {
    const auto it = std::lower_bound(keys.begin(), keys.end(), key);
    if (it == keys.end() || *it != key) return false;
    keys.erase(it);
    return true;
}

// The letters that go on from a node, in order.
template <class F>
void forEachLetter(uint64_t mask, F f) {
    for (uint64_t m = mask & ~uint64_t{1}; m != 0; m &= m - 1)
        if (!f(static_cast<unsigned>(std::countr_zero(m)))) return;
}

}  // namespace

WordIndex::WordIndex() : WordIndex(std::make_shared<const WordGraph>()) {}

WordIndex::WordIndex(std::shared_ptr<const WordGraph> graph) : graph_(std::move(graph)) {
    count();
}

// Depth first from the root, each node once. A node met again while it is
// still open closes a circle; a path longer than the board is no word.
void WordIndex::count() {
    constexpr uint32_t kNone = UINT32_MAX, kOpen = UINT32_MAX - 1;
    const auto bad = [] { throw FileError("the word graph is damaged"); };
    std::vector<uint32_t> counts;
    struct Krok {
        uint32_t node;
        unsigned next;  // the letter to go on with
    };
    std::vector<Krok> cesta{{WordGraph::root(), 1}};
    counts.assign(graph_->nodes(), kNone);
    counts[WordGraph::root()] = kOpen;
    while (!cesta.empty()) {
        Krok& k = cesta.back();
        const uint64_t mask = graph_->mask(k.node);
        const uint64_t zbyva = k.next < 64 ? mask & ~((uint64_t{1} << k.next) - 1) : 0;
        if (zbyva == 0) {
            uint64_t n = mask & 1;
            forEachLetter(mask, [&](unsigned c) {
                n += counts[graph_->next(k.node, c)];
                return true;
            });
            if (n >= kOpen) bad();
            counts[k.node] = static_cast<uint32_t>(n);
            cesta.pop_back();
            continue;
        }
        const unsigned c = static_cast<unsigned>(std::countr_zero(zbyva));
        k.next = c + 1;
        const uint32_t child = graph_->next(k.node, c);
        if (counts[child] == kOpen || cesta.size() > kMaxLetters) bad();
        if (counts[child] == kNone) {
            counts[child] = kOpen;
            cesta.push_back({child, 1});
        }
    }
    counts_ = std::move(counts);
}

bool WordIndex::appendUtf8(std::string_view utf8) {
    std::string codes;
    if (!appendCodesOfUtf8(utf8, codes) || codes.empty() || codes.size() > kMaxLetters)
        return false;
    loading_.push_back(std::move(codes));
    return true;
}

void WordIndex::seal() {
    graph_ = std::make_shared<const WordGraph>(buildWordGraph(std::move(loading_)), "");
    std::vector<std::string>().swap(loading_);
    added_.clear();
    erased_.clear();
    count();
}

// Whether the key is a word: the player's changes first, then the graph.
bool WordIndex::holds(WordKey key) const {
    if (key == 0) return false;
    if (!added_.empty() && has(added_, key)) return true;
    if (!erased_.empty() && has(erased_, key)) return false;
    uint32_t node = WordGraph::root();
    for (size_t i = 0; i < kMaxLetters; ++i) {
        const auto c = static_cast<unsigned>(key >> shiftOf(i)) & 63;
        if (c == 0) break;
        if ((node = graph_->next(node, c)) == 0) return false;
    }
    return graph_->isWord(node);
}

size_t WordIndex::graphRank(WordKey key) const {
    size_t r = 0;
    uint32_t node = WordGraph::root();
    for (size_t i = 0; i < kMaxLetters; ++i) {
        // The word spelled so far comes before the key if the key goes on.
        const WordKey rest = key & ((WordKey{1} << (kBits * (kMaxLetters - i))) - 1);
        if (rest == 0) return r;
        if (i > 0 && graph_->isWord(node)) ++r;
        const auto c = static_cast<unsigned>(key >> shiftOf(i)) & 63;
        uint32_t dal = 0;
        forEachLetter(graph_->mask(node), [&](unsigned l) {
            if (l >= c) {
                if (l == c) dal = graph_->next(node, l);
                return false;
            }
            r += counts_[graph_->next(node, l)];
            return true;
        });
        if (dal == 0) return r;
        node = dal;
    }
    return r;
}

WordKey WordIndex::graphWord(size_t g) const {
    WordKey key = 0;
    uint32_t node = WordGraph::root();
    for (size_t i = 0; i < kMaxLetters; ++i) {
        if (i > 0 && graph_->isWord(node)) {
            if (g == 0) return key;
            --g;
        }
        uint32_t dal = 0;
        forEachLetter(graph_->mask(node), [&](unsigned l) {
            const uint32_t child = graph_->next(node, l);
            if (g < counts_[child]) {
                key |= static_cast<WordKey>(l) << shiftOf(i);
                dal = child;
                return false;
            }
            g -= counts_[child];
            return true;
        });
        if (dal == 0) break;
        node = dal;
    }
    return key;
}

bool WordIndex::contains(std::string_view cp) const {
    return holds(keyOfCp1250(cp));
}

bool WordIndex::insert(std::string_view cp) {
    const WordKey key = keyOfCp1250(cp);
    if (key == 0) throw BadWordError("a word must be 1 to 15 of the 38 letters");
    if (holds(key)) return false;
    if (!drop(erased_, key)) put(added_, key);
    return true;
}

bool WordIndex::erase(std::string_view cp) {
    const WordKey key = keyOfCp1250(cp);
    if (!holds(key)) return false;
    if (!drop(added_, key)) put(erased_, key);
    return true;
}

size_t WordIndex::keyLowerBound(WordKey key) const {
    return graphRank(key) - before(erased_, key) + before(added_, key);
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
    if (pos >= size()) throw std::out_of_range("WordIndex::wordAt");
    WordKey key = 0;
    // One of the player's words stands at its own place among the others.
    const auto a = std::partition_point(added_.begin(), added_.end(),
                                        [&](WordKey k) { return keyLowerBound(k) < pos; });
    if (a != added_.end() && keyLowerBound(*a) == pos) {
        key = *a;
    } else {
        // Else the graph's word whose place, with the changes counted, is pos:
        // the first not erased from the first graph position reaching it.
        const auto place = [&](size_t g) {
            const WordKey w = graphWord(g);
            return g - before(erased_, w) + before(added_, w);
        };
        size_t lo = pos - std::min(pos, added_.size()), hi = counts_[WordGraph::root()];
        while (lo < hi) {
            const size_t mid = lo + (hi - lo) / 2;
            if (place(mid) < pos)
                lo = mid + 1;
            else
                hi = mid;
        }
        key = graphWord(lo);
        while (has(erased_, key)) key = graphWord(++lo);
    }
    std::string codes;
    for (size_t i = 0; i < kMaxLetters; ++i)
        if (const auto kod = static_cast<char>((key >> shiftOf(i)) & 63); kod != 0) codes += kod;
    return cp1250OfCodes(codes);
}

}  // namespace tb
