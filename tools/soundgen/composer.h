#pragma once
// Writes a calm song into an XM module from a description: chords per bar for
// a verse and a bridge, a form, and a seed for the melody.

#include <cstdint>
#include <string>
#include <vector>

#include "tools/soundgen/xm_module.h"

namespace snd {

struct Chord {
    int root;                    // MIDI note of the bass, octave 2..3
    std::vector<int> intervals;  // from the root: {0, 4, 7}, {0, 3, 7, 10}, ...
};

struct Song {
    std::string name;
    int bpm = 90;
    int beats = 4;              // per bar: 4 or 3
    int tonic = 65;             // MIDI pitch class reference of the scale
    std::vector<int> scale;     // semitones above the tonic
    std::vector<Chord> verse;   // four bars
    std::vector<Chord> bridge;  // four bars
    std::string form;           // I intro, A/a verse (a ends home), B/b bridge, O outro
    uint8_t melodyInstrument = 4;
    uint8_t arpeggioInstrument = 1;
    uint32_t seed = 1;
};

XmModule compose(const Song& song);

}  // namespace snd
