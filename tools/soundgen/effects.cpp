// Each effect is a handful of decaying partials and filtered noise, modelled
// on the thing it stands for: a brass switch, an ivory tile lifted from wood,
// a tile knocked down on the board, bells for the intro.
#include "tools/soundgen/effects.h"

#include "tools/soundgen/dsp.h"
#include "tools/soundgen/wav_file.h"

namespace snd {

namespace {

// A button: a crisp metallic tick.
Signal click() {
    Signal s = silence(0.07);
    addNoise(s, 0, 0.01, 0.8, 600, 9000, 1);
    addModes(s, 0, 0.07, 2300, {{1, 0.5, 110}, {1.7, 0.3, 160}, {2.9, 0.15, 220}});
    highpass(s, 400);
    softEnds(s, 0.0005, 0.01);
    normalize(s, 0.6);
    return s;
}

// Picking up: the tile scrapes off the rack with a light wooden tick.
Signal pickUp() {
    Signal s = silence(0.2);
    addNoise(s, 0, 0.12, 0.25, 25, 3500, 2);
    addModes(s, 0.015, 0.12, 1250, {{1, 0.6, 70}, {2.3, 0.25, 110}, {3.7, 0.1, 160}});
    addPartial(s, 0.02, 0.15, {620, 0.25, 18, 0.01, 1.6});
    highpass(s, 150);
    softEnds(s, 0.002, 0.04);
    normalize(s, 0.55);
    return s;
}

// Laying down: a hollow wooden knock.
Signal knock() {
    Signal s = silence(0.3);
    addNoise(s, 0, 0.02, 0.9, 250, 2500, 3);
    addModes(s, 0, 0.3, 185, {{1, 0.9, 22}, {2.32, 0.55, 35}, {5.4, 0.3, 60}, {11.1, 0.12, 110}});
    lowpass(s, 5000);
    softEnds(s, 0.0005, 0.05);
    normalize(s, 0.8);
    return s;
}

// A tile arriving on the rack: a short slide and a soft ivory "tock".
Signal arrive() {
    Signal s = silence(0.32);
    addNoise(s, 0, 0.16, 0.18, 12, 1800, 4);
    addModes(s, 0.14, 0.18, 1568, {{1, 0.45, 38}, {2.76, 0.2, 60}, {5.4, 0.08, 90}});
    addModes(s, 0.14, 0.18, 392, {{1, 0.35, 30}});
    softEnds(s, 0.02, 0.05);
    normalize(s, 0.5);
    return s;
}

const std::vector<Mode> kBell = {{0.5, 0.35, 1.6}, {1, 0.8, 2.2},   {1.19, 0.25, 3.0},
                                 {1.56, 0.2, 3.5}, {2.0, 0.3, 3.2}, {2.74, 0.12, 5},
                                 {3.0, 0.1, 6},    {4.07, 0.06, 8}};

// Each large letter of the maker's name: a round bell.
Signal chime() {
    Signal s = silence(1.1);
    addModes(s, 0, 1.1, 880, kBell);
    softEnds(s, 0.001, 0.2);
    normalize(s, 0.55);
    return s;
}

// Each small letter: a quick glassy tick, a fifth above.
Signal tick() {
    Signal s = silence(0.25);
    addModes(s, 0, 0.25, 1318.5, {{1, 0.6, 16}, {2.0, 0.25, 22}, {3.01, 0.1, 30}});
    softEnds(s, 0.001, 0.05);
    normalize(s, 0.4);
    return s;
}

// The title words: a soft gong under a chord, the second resolving the first.
Signal strike(double root, const std::vector<double>& chord, double seconds, uint32_t seed) {
    Signal s = silence(seconds);
    addNoise(s, 0, 0.05, 0.3, 80, 1200, seed);
    addModes(s, 0, seconds, noteHz(root) / 2,
             {{1, 0.7, 1.2}, {2.0, 0.35, 1.6}, {2.92, 0.2, 2.4}, {4.1, 0.1, 3.5}});
    for (size_t i = 0; i < chord.size(); ++i)
        addModes(s, 0.01 * i, seconds, noteHz(chord[i]),
                 {{1, 0.3, 1.1}, {2, 0.08, 2}, {3, 0.03, 3}});
    softEnds(s, 0.002, 0.4);
    normalize(s, 0.75);
    return s;
}

}  // namespace

void writeEffects(const std::filesystem::path& root) {
    const std::filesystem::path dir = root / "Sound";
    std::filesystem::create_directories(dir);
    writeWav(dir / "klik.wav", click());
    writeWav(dir / "Vzit.wav", pickUp());
    writeWav(dir / "Poloz.wav", knock());
    writeWav(dir / "PisIN.wav", arrive());
    writeWav(dir / "Intro1a.wav", chime());
    writeWav(dir / "Intro2.wav", tick());
    // D major, then G major over D: the title settles.
    writeWav(dir / "Tavik.wav", strike(50, {62, 66, 69, 74}, 2.2, 8));
    writeWav(dir / "Borun.wav", strike(43, {67, 71, 74, 79, 83}, 3.0, 9));
}

}  // namespace snd
