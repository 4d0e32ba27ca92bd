#include "effects.h"

#include <cmath>

namespace wavegen {

Samples woodenClack() {
    Samples s(samplesFor(0.18));
    // Low, quickly damped body resonances of a wooden block.
    addMode(s, 0, 680, 1.0, 0.028);
    addMode(s, 0, 1560, 0.55, 0.016);
    addMode(s, 0, 2870, 0.30, 0.009);
    // The dull knock of the impact itself.
    addNoiseBurst(s, 0, 0.9, 0.0025, 2500, 11);
    fadeEdges(s, 0.004);
    normalise(s, 0.8);
    return s;
}

Samples stoneClack() {
    Samples s(samplesFor(0.30));
    // Hard, bright and inharmonic modes that ring longer than wood.
    const double modes[][3] = {
        {2230, 1.0, 0.040}, {3470, 0.7, 0.032}, {5110, 0.45, 0.022}, {1290, 0.35, 0.055}};
    for (const auto& m : modes) addMode(s, 0, m[0], m[1], m[2]);
    addNoiseBurst(s, 0, 0.8, 0.0008, -3000, 23);
    // The stone settles with a second, softer tick.
    for (const auto& m : modes) addMode(s, 0.034, m[0] * 1.01, m[1] * 0.35, m[2] * 0.6);
    addNoiseBurst(s, 0.034, 0.3, 0.0006, -3000, 29);
    fadeEdges(s, 0.004);
    normalise(s, 0.8);
    return s;
}

Samples buzz() {
    Samples s(samplesFor(0.30));
    // Two slightly detuned band-limited saw waves beat against each other.
    for (double f : {118.0, 123.0})
        for (int h = 1; f * h < 4000; ++h)
            for (std::size_t i = 0; i < s.size(); ++i) {
                const double t = static_cast<double>(i) / kRate;
                s[i] += std::sin(2 * kPi * f * h * t) / h;
            }
    fadeEdges(s, 0.015);
    normalise(s, 0.55);
    return s;
}

Samples chime() {
    Samples s(samplesFor(1.6));
    // Bell partials: fundamental, octave, the minor-third-ish 2.76 and a bright 5.4.
    const double partials[][3] = {
        {1.0, 1.0, 0.55}, {2.0, 0.3, 0.35}, {2.76, 0.35, 0.22}, {5.40, 0.12, 0.08}};
    for (const auto& [start, note] : {std::pair{0.0, 1318.5}, std::pair{0.16, 987.8}})
        for (const auto& p : partials) addMode(s, start, note * p[0], p[1], p[2], 0.002);
    fadeEdges(s, 0.01);
    normalise(s, 0.7);
    return s;
}

Samples fallingSweep() {
    const double length = 0.7;
    Samples s(samplesFor(length));
    double phase = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double u = t / length;
        const double freq = 1400 * std::pow(120.0 / 1400.0, u);  // exponential fall
        phase += 2 * kPi * freq / kRate;
        const double fade = std::pow(1 - u, 1.5) * (1 + 0.2 * std::sin(2 * kPi * 14 * t));
        s[i] = fade * (std::sin(phase) + 0.3 * std::sin(2 * phase));
    }
    fadeEdges(s, 0.01);
    normalise(s, 0.7);
    return s;
}

Samples clockTick() {
    Samples s(samplesFor(0.08));
    // A small metal escapement: two bright modes that die at once, and a sharp noise edge.
    addMode(s, 0, 3150, 1.0, 0.006);
    addMode(s, 0, 4820, 0.5, 0.004);
    addNoiseBurst(s, 0, 0.6, 0.0007, -4000, 37);
    fadeEdges(s, 0.002);
    normalise(s, 0.6);
    return s;
}

Samples timeUp() {
    Samples s(samplesFor(1.4));
    // Gong partials: a low fundamental with inharmonic overtones that ring on.
    const double partials[][3] = {
        {1.0, 1.0, 0.45}, {1.52, 0.5, 0.3}, {2.31, 0.35, 0.2}, {3.17, 0.2, 0.12}};
    for (double start : {0.0, 0.35})
        for (const auto& p : partials) addMode(s, start, 392 * p[0], p[1], p[2], 0.003);
    fadeEdges(s, 0.01);
    normalise(s, 0.75);
    return s;
}

}  // namespace wavegen
