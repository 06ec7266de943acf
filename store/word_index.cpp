#include "store/word_index.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>
#include <stdexcept>
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

// The image file: this header, then the table, the filter and the order as
// they lie in memory (the game runs on little-endian machines only), each
// starting on a page. A header of another layout has another magic.
struct ImageHeader {
    char magic[8];
    uint32_t stamp;
    uint32_t zero;
    uint64_t slots, words, used;
};
constexpr char kImageMagic[8] = {'T', 'B', 'W', 'I', 'D', 'X', '1', '\0'};
constexpr size_t kPage = 4096;

constexpr size_t pageUp(size_t bytes) {
    return (bytes + kPage - 1) / kPage * kPage;
}
struct ImageLayout {
    size_t table, filter, order, end;
};
ImageLayout layoutOf(size_t slots, size_t words) {
    ImageLayout l{};
    l.table = kPage;
    l.filter = l.table + pageUp(slots * 12);
    l.order = l.filter + pageUp(slots / 8 * 8);
    l.end = l.order + words * 4;
    return l;
}

}  // namespace

struct WordIndex::Mapping {
    void* data;
    size_t bytes;
    ~Mapping() { munmap(data, bytes); }
};

WordIndex::WordIndex() {
    allocate(capacityFor(0));
}
WordIndex::WordIndex(WordIndex&&) noexcept = default;
WordIndex& WordIndex::operator=(WordIndex&&) noexcept = default;
WordIndex::~WordIndex() = default;

std::string WordIndex::image(uint32_t stamp) const {
    const ImageLayout l = layoutOf(table_.size(), words_);
    std::string out(l.end, '\0');
    ImageHeader h{};
    std::memcpy(h.magic, kImageMagic, sizeof h.magic);
    h.stamp = stamp;
    h.slots = table_.size();
    h.words = words_;
    h.used = used_;
    std::memcpy(out.data(), &h, sizeof h);
    std::memcpy(out.data() + l.table, table_.data(), table_.size() * sizeof(Slot));
    std::memcpy(out.data() + l.filter, filter_.data(), filter_.size() * sizeof(uint64_t));
    std::memcpy(out.data() + l.order, order_.data(), words_ * sizeof(uint32_t));
    return out;
}

WordIndex WordIndex::mapImage(const fs::path& path, uint32_t stamp) {
    auto bad = [&](const std::string& why) -> WordIndex {
        throw FileError(path.string() + ": " + why);
    };
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return bad(std::string("cannot read: ") + std::strerror(errno));
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size < static_cast<off_t>(kPage)) {
        ::close(fd);
        return bad("not a word index");
    }
    // Private and writable: a word the player adds or removes changes only
    // this game's copy of the pages it touches.
    const auto bytes = static_cast<size_t>(st.st_size);
    void* p = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE, fd, 0);
    ::close(fd);
    if (p == MAP_FAILED) return bad(std::string("cannot read: ") + std::strerror(errno));
    WordIndex index;
    index.image_ = std::unique_ptr<Mapping>(new Mapping{p, bytes});
    ImageHeader h{};
    std::memcpy(&h, p, sizeof h);
    if (std::memcmp(h.magic, kImageMagic, sizeof h.magic) != 0 || h.zero != 0 ||
        h.slots < 16 || !std::has_single_bit(h.slots) || h.slots > (uint64_t{1} << 32) ||
        h.used > h.slots || h.words > h.used || layoutOf(h.slots, h.words).end != bytes)
        return bad("not a word index");
    if (h.stamp != stamp) return bad("made from another word list");
    const ImageLayout l = layoutOf(h.slots, h.words);
    char* base = static_cast<char*>(p);
    index.table_ = HugeArray<Slot>::view(reinterpret_cast<Slot*>(base + l.table), h.slots);
    index.filter_ =
        HugeArray<uint64_t>::view(reinterpret_cast<uint64_t*>(base + l.filter), h.slots / 8);
    index.order_ = HugeArray<uint32_t>::view(reinterpret_cast<uint32_t*>(base + l.order), h.words);
    index.words_ = h.words;
    index.used_ = h.used;
    return index;
}

uint32_t WordIndex::fingerprint() const {
    uint32_t h = 2166136261u;  // FNV-1a over the keys in order
    for (size_t i = 0; i < words_; ++i) {
        WordKey key = keyOf(slotAt(order_[i]));
        for (int b = 0; b < 12; ++b, key >>= 8) h = (h ^ static_cast<uint8_t>(key)) * 16777619u;
    }
    return h == 0 ? 1 : h;
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
    order_ = HugeArray<uint32_t>(loading_.size());
    words_ = loading_.size();
    // The slots are met at random; asking for them a little ahead lets the
    // memory reads overlap.
    constexpr size_t kAhead = 16;
    const size_t mask = table_.size() - 1;
    for (size_t i = 0; i < loading_.size(); ++i) {
        if (i + kAhead < loading_.size())
            __builtin_prefetch(&table_[hashOf(loading_[i + kAhead]) & mask], 1);
        order_[i] = static_cast<uint32_t>(place(loading_[i]));
    }
    std::vector<WordKey>().swap(loading_);
}

size_t WordIndex::find(WordKey key, uint64_t hash) const {
    const size_t mask = table_.size() - 1;
    const auto lo = static_cast<uint32_t>(key), mid = static_cast<uint32_t>(key >> 32),
               hi = static_cast<uint32_t>(key >> 64);
    // A table always has an empty slot; counting the steps keeps a damaged
    // image from looping for ever.
    for (size_t i = hash & mask, n = table_.size(); n > 0; i = (i + 1) & mask, --n) {
        const Slot& s = table_[i];
        if (s[0] == lo && s[1] == mid && s[2] == hi) return i;
        if ((s[0] | s[1] | s[2]) == 0) return kNone;
    }
    return kNone;
}

size_t WordIndex::place(WordKey key) {
    const size_t mask = table_.size() - 1;
    const uint64_t hash = hashOf(key);
    const auto f = filterBitsOf(hash, filter_.size());
    filter_[f.word] |= f.bits;
    size_t i = hash & mask;
    for (size_t n = table_.size(); keyOf(table_[i]) != 0 && !isGrave(table_[i]); --n) {
        if (n == 0) throw std::length_error("the word index is damaged");
        i = (i + 1) & mask;
    }
    if (keyOf(table_[i]) == 0) ++used_;
    table_[i] = {static_cast<uint32_t>(key), static_cast<uint32_t>(key >> 32),
                 static_cast<uint32_t>(key >> 64)};
    return i;
}

// A bigger table moves every key, so the order is rebuilt with it.
void WordIndex::rebuild(size_t capacity) {
    HugeArray<Slot> old = std::move(table_);
    allocate(capacity);
    for (size_t i = 0; i < words_; ++i)
        order_[i] = static_cast<uint32_t>(place(keyOf(old[order_[i] & (old.size() - 1)])));
}

void WordIndex::insertOrder(size_t pos, uint32_t slot) {
    if (words_ == order_.size()) {
        HugeArray<uint32_t> more(words_ + words_ / 4 + 16);
        std::copy_n(order_.data(), words_, more.data());
        order_ = std::move(more);
    }
    std::copy_backward(order_.data() + pos, order_.data() + words_, order_.data() + words_ + 1);
    order_[pos] = slot;
    ++words_;
}

void WordIndex::eraseOrder(size_t pos) {
    std::copy(order_.data() + pos + 1, order_.data() + words_, order_.data() + pos);
    --words_;
}

bool WordIndex::answerFrom(std::shared_ptr<const WordGraph> graph) {
    if (!graph || graph->wordCount() != words_ || !added_.empty() || !erased_.empty())
        return false;
    graph_ = std::move(graph);
    return true;
}

bool WordIndex::contains(std::string_view cp) const {
    const WordKey key = keyOfCp1250(cp);
    if (key == 0) return false;
    if (graph_) {
        if (added_.contains(key)) return true;
        if (erased_.contains(key)) return false;
        uint32_t node = WordGraph::root();
        for (char c : cp)
            if ((node = graph_->next(node, codeOfByte(static_cast<unsigned char>(c)))) == 0)
                return false;
        return graph_->isWord(node);
    }
    const uint64_t hash = hashOf(key);
    return mayHold(hash) && find(key, hash) != kNone;
}

bool WordIndex::insert(std::string_view cp) {
    const WordKey key = keyOfCp1250(cp);
    if (key == 0) throw BadWordError("a word must be 1 to 15 of the 38 letters");
    if (find(key, hashOf(key)) != kNone) return false;
    if ((used_ + 1) * 5 > table_.size() * 4) rebuild(capacityFor(words_ + 1));
    const size_t pos = keyLowerBound(key);
    insertOrder(pos, static_cast<uint32_t>(place(key)));
    if (graph_ && erased_.erase(key) == 0) added_.insert(key);
    return true;
}

bool WordIndex::erase(std::string_view cp) {
    const WordKey key = keyOfCp1250(cp);
    const size_t slot = key == 0 ? kNone : find(key, hashOf(key));
    if (slot == kNone) return false;
    eraseOrder(keyLowerBound(key));
    table_[slot] = {0, 0, kGraveMark};
    if (graph_ && added_.erase(key) == 0) erased_.insert(key);
    return true;
}

size_t WordIndex::keyLowerBound(WordKey key) const {
    const uint32_t* first = order_.data();
    return std::lower_bound(first, first + words_, key,
                            [this](uint32_t slot, WordKey k) { return keyOf(slotAt(slot)) < k; }) -
           first;
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
    if (pos >= words_) throw std::out_of_range("WordIndex::wordAt");
    const WordKey key = keyOf(slotAt(order_[pos]));
    std::string codes;
    for (size_t i = 0; i < kMaxLetters; ++i)
        if (const auto kod = static_cast<char>((key >> shiftOf(i)) & 63); kod != 0) codes += kod;
    return cp1250OfCodes(codes);
}

}  // namespace tb
