#include "tools/soundgen/instruments.h"

#include <algorithm>
#include <cmath>

#include "tools/soundgen/dsp.h"

namespace snd {

namespace {

constexpr double kC4 = 261.6255653;
// A loop of whole cycles needs a whole number of samples per cycle: the
// looped instruments are rendered at 44100 / 168 Hz and tuned back to C4.
constexpr int kCycle = 168;
constexpr double kLoopC4 = double(kRate) / kCycle;

// Relative note and finetune that make C-4 play a sample recorded at kRate
// with its pitch at `renderedHz` sound as middle C.
void tune(XmInstrument& in, double renderedHz) {
    const double semitones =
        12 * std::log2(double(kRate) / 8363.0) + 12 * std::log2(kC4 / renderedHz);
    in.relativeNote = int8_t(std::lround(semitones));
    in.finetune = int8_t(std::clamp(std::lround((semitones - in.relativeNote) * 128), -128L, 127L));
}

std::vector<int16_t> pcm(Signal s, double peak) {
    normalize(s, peak);
    std::vector<int16_t> out(s.size());
    std::transform(s.begin(), s.end(), out.begin(),
                   [](float v) { return int16_t(std::lround(v * 32767)); });
    return out;
}

XmInstrument oneShot(const char* name, Signal s, double renderedHz, double peak = 0.9) {
    XmInstrument in;
    in.name = name;
    softEnds(s, 0.0005, 0.02);
    in.sample = pcm(std::move(s), peak);
    tune(in, renderedHz);
    return in;
}

// A looped sustain: attack over `attackTicks`, held until key off, then faded.
XmInstrument sustained(const char* name, Signal loop, uint16_t attackTicks, uint16_t fadeout) {
    XmInstrument in;
    in.name = name;
    in.sample = pcm(std::move(loop), 0.85);
    in.loop = true;
    in.loopStart = 0;
    in.loopLength = uint32_t(in.sample.size());
    in.envelope = {{0, 0}, {attackTicks, 64}, {uint16_t(attackTicks + 10), 56}};
    in.sustainPoint = 2;
    in.fadeout = fadeout;
    tune(in, kLoopC4);
    return in;
}

// Harmonic n of the loop's fundamental, with `cycles` fundamental cycles per loop.
void addLoopHarmonic(Signal& s, int cycles, double amp) {
    for (size_t i = 0; i < s.size(); ++i)
        s[i] += float(amp * std::sin(2 * M_PI * cycles * double(i) / s.size()));
}

}  // namespace

XmInstrument electricPiano() {
    Signal s = silence(2.8);
    addModes(s, 0, 2.8, kC4, {{1, 1.0, 1.3}, {2, 0.45, 2.2}, {3, 0.18, 3.5}, {4, 0.08, 5}});
    // The tine: a bright, quickly fading partial gives the attack its bell.
    addModes(s, 0, 0.4, kC4, {{7.1, 0.12, 18}, {14.2, 0.04, 30}});
    return oneShot("Elektricke piano", std::move(s), kC4);
}

XmInstrument warmPad() {
    // 200 cycles of a slightly detuned pair and soft harmonics: a slow chorus.
    Signal s(size_t(kCycle * 200), 0.0f);
    addLoopHarmonic(s, 200, 0.5);
    addLoopHarmonic(s, 201, 0.35);
    addLoopHarmonic(s, 199, 0.25);
    addLoopHarmonic(s, 400, 0.22);
    addLoopHarmonic(s, 401, 0.12);
    addLoopHarmonic(s, 600, 0.1);
    addLoopHarmonic(s, 800, 0.05);
    XmInstrument in = sustained("Teply pad", std::move(s), 24, 700);
    in.volume = 40;
    return in;
}

XmInstrument softBass() {
    Signal s = silence(2.5);
    addModes(s, 0, 2.5, kC4, {{1, 1.0, 1.0}, {2, 0.35, 1.8}, {3, 0.12, 3}});
    addNoise(s, 0, 0.01, 0.05, 300, 800, 31);
    return oneShot("Mekky bas", std::move(s), kC4);
}

XmInstrument flute() {
    Signal s(size_t(kCycle * 20), 0.0f);
    addLoopHarmonic(s, 20, 1.0);
    addLoopHarmonic(s, 40, 0.18);
    addLoopHarmonic(s, 60, 0.07);
    // A breath of noise, repeating with the loop, makes it less electronic.
    Noise n(5);
    for (float& v : s) v += float(0.02 * n.next());
    XmInstrument in = sustained("Fletna", std::move(s), 4, 1400);
    in.vibratoSweep = 40;
    in.vibratoDepth = 3;
    in.vibratoRate = 10;
    in.volume = 44;
    return in;
}

XmInstrument marimba() {
    Signal s = silence(1.3);
    addModes(s, 0, 1.3, kC4, {{1, 1.0, 3.2}, {3.93, 0.28, 9}, {9.2, 0.08, 20}});
    return oneShot("Marimba", std::move(s), kC4);
}

XmInstrument kick() {
    Signal s = silence(0.45);
    addPartial(s, 0, 0.45, {72, 1.0, 7, 0.002, 0.6});
    addNoise(s, 0, 0.01, 0.15, 400, 1500, 41);
    return oneShot("Buben", std::move(s), kC4);
}

XmInstrument shaker() {
    Signal s = silence(0.09);
    addNoise(s, 0, 0.09, 1.0, 45, 12000, 43);
    highpass(s, 5000);
    return oneShot("Chrastitko", std::move(s), kC4, 0.6);
}

XmInstrument rim() {
    Signal s = silence(0.2);
    addNoise(s, 0, 0.2, 0.5, 35, 4000, 47);
    addModes(s, 0, 0.2, 420, {{1, 0.5, 30}, {1.8, 0.3, 40}});
    highpass(s, 300);
    return oneShot("Okraj bubnu", std::move(s), kC4, 0.7);
}

}  // namespace snd
