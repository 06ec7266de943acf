// The synthesis kit: pitches where they belong, levels as asked, clean ends.
#include "tools/soundgen/dsp.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using snd::kRate;
using snd::Signal;

// Frequency from upward zero crossings over the whole signal.
double measuredHz(const Signal& s) {
    int crossings = 0;
    for (size_t i = 1; i < s.size(); ++i) crossings += s[i - 1] < 0 && s[i] >= 0;
    return crossings / (double(s.size()) / kRate);
}

TEST(Dsp, PartialsSoundAtTheirPitch) {
    struct Case {
        double midi, hz;
    } const cases[] = {{69, 440}, {60, 261.63}, {81, 880}, {45, 110}};
    for (const Case& c : cases) {
        EXPECT_NEAR(snd::noteHz(c.midi), c.hz, 0.01);
        Signal s = snd::silence(1.0);
        snd::addPartial(s, 0, 1.0, {snd::noteHz(c.midi), 0.5, 0.5});
        EXPECT_NEAR(measuredHz(s), c.hz, 2.0) << c.midi;
    }
}

TEST(Dsp, NormalizeAndSoftEndsShapeTheLevel) {
    Signal s = snd::silence(0.5);
    snd::addNoise(s, 0, 0.5, 3.0, 0, 8000, 7);
    snd::normalize(s, 0.8);
    float peak = 0;
    for (float v : s) peak = std::max(peak, std::abs(v));
    EXPECT_NEAR(peak, 0.8, 1e-4);
    snd::softEnds(s, 0.01, 0.01);
    EXPECT_EQ(s.front(), 0.0f);
    EXPECT_LT(std::abs(s.back()), 0.8f / 400);
}

TEST(Dsp, SoundsStartWhereTheyAreMixedIn) {
    Signal a = snd::silence(0.1);
    Signal b(100, 0.5f);
    snd::mixInto(a, b, 0.05, 2.0);
    const size_t start = size_t(0.05 * kRate);
    EXPECT_EQ(a[start - 1], 0.0f);
    EXPECT_EQ(a[start], 1.0f);
    snd::mixInto(a, b, 0.099, 1.0);  // past the end: the signal grows
    EXPECT_EQ(a.size(), size_t(0.099 * kRate) + 100);
}

}  // namespace
