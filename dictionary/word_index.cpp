#include "dictionary/word_index.h"

#include <algorithm>
#include <bit>
#include <utility>

#include "dictionary/letter_codes.h"
#include "dictionary/word_store.h"

namespace tb {
namespace {

constexpr uint32_t kGrave = 0xFFFFFFFF;  // offset of a slot whose word was erased

uint64_t hashCodes(std::string_view codes) {
    uint64_t h = 0xcbf29ce484222325ull;
    for (char c : codes) h = (h ^ static_cast<unsigned char>(c)) * 0x100000001b3ull;
    // FNV leaves the low bits weak; mix so both halves are usable.
    h ^= h >> 31;
    h *= 0x7fb5d329728ea185ull;
    h ^= h >> 27;
    return h;
}

uint32_t tagOf(uint64_t hash) {
    return static_cast<uint32_t>(hash >> 32);
}

// Capacity keeping the table at most 80 % full.
size_t capacityFor(size_t words) {
    return std::bit_ceil(std::max<size_t>(16, words * 5 / 4 + 1));
}

// The letter codes of a code-page-1250 word in a fixed buffer, or empty if the
// word is not one of the 38 letters.
struct Codes {
    char buf[WordIndex::kMaxLetters];
    size_t n = 0;
    std::string_view view() const { return {buf, n}; }
};

bool toCodes(std::string_view cp, Codes& out) {
    if (cp.empty() || cp.size() > WordIndex::kMaxLetters) return false;
    for (char c : cp) {
        const int kod = codeOfByte(static_cast<unsigned char>(c));
        if (kod == 0) return false;
        out.buf[out.n++] = static_cast<char>(kod);
    }
    return true;
}

}  // namespace

WordIndex::WordIndex() : text_(1, '\0'), table_(capacityFor(0), 0) {}

void WordIndex::reserve(size_t words, size_t letters) {
    order_.reserve(words);
    text_.reserve(text_.size() + words + letters);
}

uint32_t WordIndex::appendEntry(std::string_view codes) {
    const auto offset = static_cast<uint32_t>(text_.size());
    text_ += static_cast<char>(codes.size());
    text_ += codes;
    return offset;
}

void WordIndex::appendCodes(std::string_view codes) {
    if (codes.empty() || codes.size() > kMaxLetters) return;
    order_.push_back(appendEntry(codes));
}

void WordIndex::seal() {
    std::sort(order_.begin(), order_.end(),
              [this](uint32_t a, uint32_t b) { return entry(a) < entry(b); });
    order_.erase(std::unique(order_.begin(), order_.end(),
                             [this](uint32_t a, uint32_t b) { return entry(a) == entry(b); }),
                 order_.end());
    rebuildTable(capacityFor(order_.size()));
}

void WordIndex::rebuildTable(size_t capacity) {
    table_.assign(capacity, 0);
    used_ = 0;
    for (uint32_t offset : order_) placeInTable(offset, hashCodes(entry(offset)));
}

void WordIndex::placeInTable(uint32_t offset, uint64_t hash) {
    const size_t mask = table_.size() - 1;
    size_t i = hash & mask;
    while (table_[i] != 0 && static_cast<uint32_t>(table_[i]) != kGrave) i = (i + 1) & mask;
    if (table_[i] == 0) ++used_;
    table_[i] = (static_cast<uint64_t>(tagOf(hash)) << 32) | offset;
}

const uint64_t* WordIndex::findSlot(std::string_view codes, uint64_t hash) const {
    const size_t mask = table_.size() - 1;
    const uint32_t tag = tagOf(hash);
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
        const uint64_t s = table_[i];
        if (s == 0) return nullptr;
        const auto offset = static_cast<uint32_t>(s);
        if (tagOf(s) == tag && offset != kGrave && entry(offset) == codes) return &table_[i];
    }
}

uint64_t* WordIndex::findSlot(std::string_view codes, uint64_t hash) {
    return const_cast<uint64_t*>(std::as_const(*this).findSlot(codes, hash));
}

bool WordIndex::contains(std::string_view cp) const {
    Codes codes;
    if (!toCodes(cp, codes)) return false;
    return findSlot(codes.view(), hashCodes(codes.view())) != nullptr;
}

bool WordIndex::insert(std::string_view cp) {
    Codes codes;
    if (!toCodes(cp, codes)) throw BadWordError("a word must be 1 to 255 of the 38 letters");
    const uint64_t hash = hashCodes(codes.view());
    if (findSlot(codes.view(), hash)) return false;
    const uint32_t offset = appendEntry(codes.view());
    order_.insert(order_.begin() + lowerBoundCodes(codes.view()), offset);
    if ((used_ + 1) * 5 > table_.size() * 4)
        rebuildTable(capacityFor(order_.size()));
    else
        placeInTable(offset, hash);
    return true;
}

bool WordIndex::erase(std::string_view cp) {
    Codes codes;
    if (!toCodes(cp, codes)) return false;
    uint64_t* slot = findSlot(codes.view(), hashCodes(codes.view()));
    if (!slot) return false;
    *slot = kGrave;
    order_.erase(order_.begin() + lowerBoundCodes(codes.view()));
    return true;
}

size_t WordIndex::lowerBoundCodes(std::string_view codes) const {
    return std::lower_bound(
               order_.begin(), order_.end(), codes,
               [this](uint32_t offset, std::string_view key) { return entry(offset) < key; }) -
           order_.begin();
}

size_t WordIndex::lowerBound(std::string_view cp) const {
    return lowerBoundCodes(seekKeyOf(cp));
}

std::string WordIndex::wordAt(size_t pos) const {
    return cp1250OfCodes(entry(order_.at(pos)));
}

}  // namespace tb
