#pragma once
// Chance and time reach the rules through these two seams, so tests and
// bug reports can pin them.

#include <cstdint>
#include <optional>
#include <random>

namespace tb {

class Random {
  public:
    virtual ~Random() = default;
    // Reseeds from the clock (the game does this at a new game and at each
    // shuffle). A pinned generator ignores it.
    virtual void Randomize() = 0;
    // Uniform integer in 0..k-1; k must be at least 1.
    virtual int random(int k) = 0;
};

// Mersenne twister, seeded from the clock unless a seed pins it.
class Nahoda : public Random {
  public:
    explicit Nahoda(std::optional<uint64_t> seed = std::nullopt);
    void Randomize() override;
    int random(int k) override;

  private:
    bool pinned_;
    std::mt19937_64 gen_;
};

class Ticks {
  public:
    virtual ~Ticks() = default;
    // Milliseconds since some fixed moment, as the system tick count.
    virtual uint32_t GetTickCount() = 0;
};

}  // namespace tb
