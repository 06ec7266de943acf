#pragma once
// Small synthesis kit: mono float signals at 44.1 kHz, tones with envelopes,
// noise, one-pole filters.

#include <cstdint>
#include <vector>

namespace snd {

constexpr int kRate = 44100;
using Signal = std::vector<float>;

Signal silence(double seconds);

// A sine partial starting at `start` seconds: linear attack, exponential decay
// (`decay` per second), optional pitch glide to freq * glide over its length.
struct Partial {
    double freq;
    double amp;
    double decay = 6;
    double attack = 0.002;
    double glide = 1.0;
};
void addPartial(Signal& s, double start, double seconds, const Partial& p);

// A bell, knock or chime: several partials at ratios of one base frequency.
struct Mode {
    double ratio, amp, decay;
};
void addModes(Signal& s, double start, double seconds, double base, const std::vector<Mode>& modes);

// White noise through a one-pole low-pass, with an exponential decay.
void addNoise(Signal& s, double start, double seconds, double amp, double decay, double lowpassHz,
              uint32_t seed);

void lowpass(Signal& s, double hz);
void highpass(Signal& s, double hz);
// Scales the loudest sample to `peak` (0..1).
void normalize(Signal& s, double peak);
// A short fade at both ends, so nothing clicks.
void softEnds(Signal& s, double fadeInSeconds, double fadeOutSeconds);
// Mixes `from` into `into` at `start` seconds, scaled.
void mixInto(Signal& into, const Signal& from, double start, double gain);

// Note number (MIDI, 69 = A4) to frequency.
double noteHz(double midi);

// Deterministic noise for every generator.
class Noise {
  public:
    explicit Noise(uint32_t seed) : state_(seed * 2654435761u + 12345u) {}
    // Uniform in [-1, 1).
    double next() {
        state_ = state_ * 1664525u + 1013904223u;
        return (state_ >> 8) / double(1 << 23) - 1.0;
    }

  private:
    uint32_t state_;
};

}  // namespace snd
