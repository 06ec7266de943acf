#include "tools/soundgen/composer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <stdexcept>

#include "tools/soundgen/dsp.h"
#include "tools/soundgen/instruments.h"

namespace snd {

namespace {

// Instrument numbers in the module, and the channel each part plays on.
enum Instrument : uint8_t { kPiano = 1, kPad, kBass, kFlute, kMarimba, kKick, kShaker, kRim };
enum Channel { kBassCh, kPad1, kPad2, kPad3, kMelodyCh, kArpCh, kKickCh, kPercCh, kChannels };

constexpr int kRowsPerBeat = 4;
constexpr int kBars = 4;

uint8_t xmNote(int midi) {
    return uint8_t(std::clamp(midi - 11, 1, 96));
}
uint8_t vol(int v) {
    return uint8_t(0x10 + std::clamp(v, 0, 64));
}

void put(XmPattern& p, int row, int ch, int midi, uint8_t instrument, int volume) {
    p.at(row, ch) = {xmNote(midi), instrument, vol(volume), 0, 0};
}

// Folds a pitch into [low, low + 12).
int fold(int pitch, int low) {
    while (pitch < low) pitch += 12;
    while (pitch >= low + 12) pitch -= 12;
    return pitch;
}

std::vector<int> padVoicing(const Chord& c) {
    // Seventh chords leave the root to the bass.
    const size_t from = c.intervals.size() > 3 ? 1 : 0;
    std::vector<int> v;
    for (size_t i = from; i < from + 3 && i < c.intervals.size(); ++i)
        v.push_back(fold(c.root + c.intervals[i], 55));
    std::sort(v.begin(), v.end());
    return v;
}

bool inChord(int pitch, const Chord& c) {
    for (int i : c.intervals)
        if ((pitch - c.root - i) % 12 == 0) return true;
    return false;
}

class Melody {
  public:
    Melody(const Song& s, uint32_t seed) : song_(s), noise_(seed) {}

    // One four-bar phrase over `chords`; the last bar holds a long tone, the
    // tonic when `home`.
    void phrase(XmPattern& p, const std::vector<Chord>& chords, bool home) {
        const int bar = song_.beats * kRowsPerBeat;
        for (int b = 0; b < kBars; ++b) {
            const bool last = b == kBars - 1;
            const auto& rhythm = last ? lastRhythm() : pickRhythm();
            for (const auto& [row, length] : rhythm) {
                const int pitch = last && row == 0 ? ending(chords[b], home) : next(chords[b], row);
                put(p, b * bar + row, kMelodyCh, pitch, song_.melodyInstrument, row == 0 ? 50 : 42);
                if (row + length < bar || last)
                    p.at(std::min(b * bar + row + length, p.rows - 1), kMelodyCh).note = kKeyOff;
                previous_ = pitch;
            }
        }
    }

  private:
    using Rhythm = std::vector<std::pair<int, int>>;  // (row in bar, length in rows)

    const Rhythm& pickRhythm() {
        static const std::vector<Rhythm> kFour = {
            {{0, 8}, {8, 4}, {12, 4}}, {{0, 4}, {4, 4}, {8, 8}},
            {{0, 6}, {6, 2}, {8, 8}},  {{0, 4}, {4, 2}, {6, 2}, {8, 4}, {12, 4}},
            {{0, 12}, {12, 4}},        {{2, 2}, {4, 4}, {8, 6}, {14, 2}}};
        static const std::vector<Rhythm> kThree = {
            {{0, 8}, {8, 4}}, {{0, 4}, {4, 4}, {8, 4}}, {{0, 6}, {6, 2}, {8, 4}}, {{0, 12}}};
        const auto& set = song_.beats == 3 ? kThree : kFour;
        return set[size_t((noise_.next() + 1) / 2 * set.size()) % set.size()];
    }
    const Rhythm& lastRhythm() const {
        static const Rhythm kHeld = {{0, 12}};
        static const Rhythm kHeldThree = {{0, 10}};
        return song_.beats == 3 ? kHeldThree : kHeld;
    }

    // Strong rows land on a chord tone near the line; weak rows step along the scale.
    int next(const Chord& chord, int row) {
        const int step = int(std::lround(noise_.next() * 3));
        int target = previous_ + step;
        if (target > kHigh - 3) target -= 4;
        if (target < kLow + 3) target += 4;
        const bool strong = row % (2 * kRowsPerBeat) == 0;
        int best = target, bestDistance = 99;
        for (int pitch = kLow; pitch <= kHigh; ++pitch) {
            const bool fits = strong ? inChord(pitch, chord) : inScale(pitch);
            if (fits && std::abs(pitch - target) < bestDistance && pitch != previous_)
                best = pitch, bestDistance = std::abs(pitch - target);
        }
        return best;
    }
    int ending(const Chord& chord, bool home) const {
        int best = previous_, bestDistance = 99;
        for (int pitch = kLow; pitch <= kHigh; ++pitch) {
            const bool fits = home ? (pitch - song_.tonic) % 12 == 0 : inChord(pitch, chord);
            if (fits && std::abs(pitch - previous_) < bestDistance)
                best = pitch, bestDistance = std::abs(pitch - previous_);
        }
        return best;
    }
    bool inScale(int pitch) const {
        const int degree = ((pitch - song_.tonic) % 12 + 12) % 12;
        return std::find(song_.scale.begin(), song_.scale.end(), degree) != song_.scale.end();
    }

    static constexpr int kLow = 67, kHigh = 84;
    const Song& song_;
    Noise noise_;
    int previous_ = 74;
};

struct Parts {
    bool bass, drums, melody, arpeggio;
    int arpeggioVolume;
};

void chordsAndRhythm(XmPattern& p, const Song& s, const std::vector<Chord>& chords,
                     const Parts& parts) {
    const int bar = s.beats * kRowsPerBeat;
    for (int b = 0; b < kBars; ++b) {
        const Chord& c = chords[size_t(b)];
        const int at = b * bar;
        const auto pad = padVoicing(c);
        if (b == 0 || padVoicing(chords[size_t(b - 1)]) != pad)
            for (int v = 0; v < 3; ++v) put(p, at, kPad1 + v, pad[size_t(v)], kPad, 40);
        if (parts.bass) {
            const int root = fold(c.root, 36);
            put(p, at, kBassCh, root, kBass, 50);
            put(p, at + 2 * kRowsPerBeat, kBassCh, s.beats == 3 ? root + 7 : root + 7, kBass, 38);
            if (s.beats == 4 && b % 2 == 1) put(p, at + 14, kBassCh, root + 12, kBass, 30);
        }
        if (parts.arpeggio) {
            std::vector<int> tones;
            for (int i : c.intervals) tones.push_back(fold(c.root + i, 62));
            std::sort(tones.begin(), tones.end());
            tones.push_back(tones.front() + 12);
            static const int kWalk[] = {0, 1, 2, 3, 2, 1, 2, 3};
            for (int r = 0, k = 0; r < bar; r += 2, ++k) {
                const int pitch = tones[size_t(kWalk[k % 8]) % tones.size()];
                put(p, at + r, kArpCh, pitch, s.arpeggioInstrument,
                    parts.arpeggioVolume - (r % kRowsPerBeat ? 6 : 0));
            }
        }
        if (parts.drums) {
            put(p, at, kKickCh, 60, kKick, 40);
            if (s.beats == 4) put(p, at + 8, kKickCh, 60, kKick, 30);
            for (int r = 0; r < bar; r += 2) put(p, at + r, kPercCh, 60, kShaker, r % 4 ? 12 : 20);
            if (s.beats == 4 && b % 2 == 1) put(p, at + 12, kPercCh, 60, kRim, 22);
        }
    }
}

XmPattern section(const Song& s, char kind) {
    const int rows = kBars * s.beats * kRowsPerBeat;
    XmPattern p(rows, kChannels);
    const bool bridge = kind == 'B' || kind == 'b';
    const auto& chords = bridge ? s.bridge : s.verse;
    switch (kind) {
        case 'I':
            chordsAndRhythm(p, s, s.verse, {false, false, false, true, 24});
            break;
        case 'O': {
            // The tonic chord rings out: pads released half way, then silence.
            const std::vector<Chord> home(kBars, s.verse.front());
            chordsAndRhythm(p, s, home, {true, false, false, false, 0});
            for (int r = 1; r < rows; ++r) p.at(r, kBassCh) = {};
            put(p, 0, kArpCh, s.tonic, s.arpeggioInstrument, 34);
            for (int v = 0; v < 3; ++v) p.at(rows / 2, kPad1 + v).note = kKeyOff;
            break;
        }
        default: {
            chordsAndRhythm(p, s, chords, {true, true, true, true, 28});
            Melody(s, s.seed + (bridge ? 100 : 0)).phrase(p, chords, kind == 'a' || kind == 'b');
        }
    }
    return p;
}

}  // namespace

XmModule compose(const Song& s) {
    if (s.verse.size() != kBars || s.bridge.size() != kBars)
        throw std::invalid_argument(s.name + ": four chords per section");
    XmModule m;
    m.name = s.name;
    m.channels = kChannels;
    m.bpm = s.bpm;
    m.instruments = {electricPiano(), warmPad(), softBass(), flute(),
                     marimba(),       kick(),    shaker(),   rim()};
    std::map<char, uint8_t> made;
    for (char kind : s.form) {
        if (!made.count(kind)) {
            made[kind] = uint8_t(m.patterns.size());
            m.patterns.push_back(section(s, kind));
        }
        m.order.push_back(made[kind]);
    }
    return m;
}

}  // namespace snd
