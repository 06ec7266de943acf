#include "engine/ai/word_graph.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

#include "engine/game/game_state.h"

namespace tb {
namespace {

constexpr char kMagic[8] = {'T', 'B', 'D', 'A', 'W', 'G', '0', '1'};
constexpr size_t kHeader = 16;

// Daciuk's construction from sorted words: the nodes of the last word stay
// open; when the next word leaves one, it is closed, and an identical node
// closed before takes its place.
class Stavitel {
  public:
    Stavitel() : masks_{0, 0}, firsts_{0, 0} {}

    void add(std::string_view w) {
        size_t p = 0;
        while (p < w.size() && p < last_.size() && w[p] == last_[p]) ++p;
        zavri(p);
        for (size_t i = p; i < w.size(); ++i) otevrene_.emplace_back();
        otevrene_.back().mask |= 1;
        last_ = w;
    }

    std::string finish() {
        zavri(0);
        Otevreny& r = otevrene_.front();
        masks_[1] = r.mask;
        firsts_[1] = static_cast<uint32_t>(edges_.size());
        edges_.insert(edges_.end(), r.deti.begin(), r.deti.end());
        std::string out(kHeader, '\0');
        std::memcpy(out.data(), kMagic, 8);
        const uint32_t n = static_cast<uint32_t>(masks_.size()),
                       e = static_cast<uint32_t>(edges_.size());
        std::memcpy(out.data() + 8, &n, 4);
        std::memcpy(out.data() + 12, &e, 4);
        auto append = [&](const auto& v) {
            out.append(reinterpret_cast<const char*>(v.data()), v.size() * sizeof(v[0]));
        };
        append(masks_);
        append(firsts_);
        append(edges_);
        return out;
    }

  private:
    struct Otevreny {
        uint64_t mask = 0;
        std::vector<uint32_t> deti;
    };

    // Closes the open nodes below depth `hloubka`, deepest first.
    void zavri(size_t hloubka) {
        while (otevrene_.size() > hloubka + 1) {
            const Otevreny n = std::move(otevrene_.back());
            otevrene_.pop_back();
            const unsigned c = static_cast<unsigned char>(last_[otevrene_.size() - 1]);
            otevrene_.back().mask |= uint64_t{1} << c;
            otevrene_.back().deti.push_back(cislo(n));
        }
    }

    uint32_t cislo(const Otevreny& n) {
        std::string klic(8 + 4 * n.deti.size(), '\0');
        std::memcpy(klic.data(), &n.mask, 8);
        if (!n.deti.empty()) std::memcpy(klic.data() + 8, n.deti.data(), 4 * n.deti.size());
        auto [it, novy] =
            registr_.try_emplace(std::move(klic), static_cast<uint32_t>(masks_.size()));
        if (novy) {
            masks_.push_back(n.mask);
            firsts_.push_back(static_cast<uint32_t>(edges_.size()));
            edges_.insert(edges_.end(), n.deti.begin(), n.deti.end());
        }
        return it->second;
    }

    std::vector<Otevreny> otevrene_{1};
    std::string last_;
    std::unordered_map<std::string, uint32_t> registr_;
    std::vector<uint64_t> masks_;
    std::vector<uint32_t> firsts_, edges_;
};

}  // namespace

std::string buildWordGraph(std::vector<std::string> codeWords) {
    std::erase_if(codeWords, [](const std::string& w) { return w.empty() || w.size() > kBoard; });
    std::sort(codeWords.begin(), codeWords.end());
    codeWords.erase(std::unique(codeWords.begin(), codeWords.end()), codeWords.end());
    Stavitel s;
    for (const auto& w : codeWords) s.add(w);
    return s.finish();
}

WordGraph::WordGraph() : WordGraph(buildWordGraph({}), "") {}

WordGraph::WordGraph(std::string bytes, std::string_view what) : bytes_(std::move(bytes)) {
    auto bad = [&] { throw FileError(std::string(what) + ": not a word graph"); };
    uint32_t n = 0, e = 0;
    if (bytes_.size() < kHeader || std::memcmp(bytes_.data(), kMagic, 8) != 0) bad();
    std::memcpy(&n, bytes_.data() + 8, 4);
    std::memcpy(&e, bytes_.data() + 12, 4);
    if (n < 2 || bytes_.size() != kHeader + uint64_t{n} * 12 + uint64_t{e} * 4) bad();
    const char* p = bytes_.data() + kHeader;
    masks_ = {reinterpret_cast<const uint64_t*>(p), n};
    firsts_ = {reinterpret_cast<const uint32_t*>(p + size_t{n} * 8), n};
    edges_ = {reinterpret_cast<const uint32_t*>(p + size_t{n} * 12), e};
    // A damaged file must not send a walk outside the tables.
    constexpr uint64_t kLetterBits = ((uint64_t{1} << kLetters) - 1) << 1;
    if (masks_[0] != 0) bad();
    for (uint32_t i = 0; i < n; ++i)
        if ((masks_[i] & ~(kLetterBits | 1)) != 0 ||
            uint64_t{firsts_[i]} + std::popcount(masks_[i] >> 1) > e)
            bad();
    for (uint32_t t : edges_)
        if (t < 2 || t >= n) bad();
}

uint32_t graphStamp(std::string_view graphFile) {
    uint32_t h = 2166136261u;  // FNV-1a
    for (char c : graphFile) h = (h ^ static_cast<uint8_t>(c)) * 16777619u;
    return h == 0 ? 1 : h;
}

WordGraph WordGraph::load(const FileRoot& install) {
    const fs::path path = install.resolve(kFileName);
    return WordGraph(readFile(path, 64u << 20), path.string());
}

}  // namespace tb
