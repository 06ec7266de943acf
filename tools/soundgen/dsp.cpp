#include "tools/soundgen/dsp.h"

#include <algorithm>
#include <cmath>

namespace snd {

Signal silence(double seconds) {
    return Signal(size_t(seconds * kRate), 0.0f);
}

void addPartial(Signal& s, double start, double seconds, const Partial& p) {
    const size_t first = size_t(start * kRate);
    const size_t n = std::min(size_t(seconds * kRate), s.size() - std::min(first, s.size()));
    double phase = 0;
    for (size_t i = 0; i < n; ++i) {
        const double t = double(i) / kRate;
        const double f = p.freq * std::pow(p.glide, t / seconds);
        phase += 2 * M_PI * f / kRate;
        const double env = std::min(1.0, t / std::max(p.attack, 1e-6)) * std::exp(-p.decay * t);
        s[first + i] += float(p.amp * env * std::sin(phase));
    }
}

void addModes(Signal& s, double start, double seconds, double base,
              const std::vector<Mode>& modes) {
    for (const Mode& m : modes) addPartial(s, start, seconds, {base * m.ratio, m.amp, m.decay});
}

void addNoise(Signal& s, double start, double seconds, double amp, double decay, double lowpassHz,
              uint32_t seed) {
    Noise noise(seed);
    const size_t first = size_t(start * kRate);
    const size_t n = std::min(size_t(seconds * kRate), s.size() - std::min(first, s.size()));
    const double a = 1 - std::exp(-2 * M_PI * lowpassHz / kRate);
    double y = 0;
    for (size_t i = 0; i < n; ++i) {
        y += a * (noise.next() - y);
        s[first + i] += float(amp * y * std::exp(-decay * double(i) / kRate));
    }
}

void lowpass(Signal& s, double hz) {
    const double a = 1 - std::exp(-2 * M_PI * hz / kRate);
    double y = 0;
    for (float& v : s) v = float(y += a * (v - y));
}

void highpass(Signal& s, double hz) {
    const double a = 1 - std::exp(-2 * M_PI * hz / kRate);
    double low = 0;
    for (float& v : s) {
        low += a * (v - low);
        v = float(v - low);
    }
}

void normalize(Signal& s, double peak) {
    float top = 0;
    for (float v : s) top = std::max(top, std::abs(v));
    if (top > 0)
        for (float& v : s) v = float(v * peak / top);
}

void softEnds(Signal& s, double fadeInSeconds, double fadeOutSeconds) {
    const size_t in = std::min(s.size(), size_t(fadeInSeconds * kRate));
    const size_t out = std::min(s.size(), size_t(fadeOutSeconds * kRate));
    for (size_t i = 0; i < in; ++i) s[i] *= float(i) / in;
    for (size_t i = 0; i < out; ++i) s[s.size() - 1 - i] *= float(i) / out;
}

void mixInto(Signal& into, const Signal& from, double start, double gain) {
    const size_t first = size_t(start * kRate);
    if (into.size() < first + from.size()) into.resize(first + from.size(), 0.0f);
    for (size_t i = 0; i < from.size(); ++i) into[first + i] += float(from[i] * gain);
}

double noteHz(double midi) {
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

}  // namespace snd
