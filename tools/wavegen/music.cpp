#include "music.h"

#include <cmath>

namespace wavegen {

namespace {

constexpr double kEighth = 0.25;  // seconds
constexpr int kBars = 16;
constexpr double kBar = 8 * kEighth;
constexpr double kLength = kBars * kBar;

double pitch(int midi) {
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

// MIDI note numbers of the tune's notes (D major pentatonic).
enum : int {
    E2 = 40,
    Fs2 = 42,
    G2 = 43,
    A2 = 45,
    B2 = 47,
    D3 = 50,
    A4 = 69,
    B4 = 71,
    D5 = 74,
    E5 = 76,
    Fs5 = 78,
    A5 = 81,
    B5 = 83,
    REST = 0
};

struct Note {
    int midi;
    int eighths;
};

// Bars 1-16, eight eighths each.
const Note kTune[] = {
    {Fs5, 2}, {E5, 2},   {D5, 3},  {A4, 1},   // D
    {B4, 2},  {D5, 2},   {Fs5, 4},            // Bm
    {E5, 2},  {D5, 2},   {B4, 2},  {D5, 2},   // G
    {E5, 6},  {REST, 2},                      // A
    {A5, 2},  {Fs5, 2},  {E5, 2},  {Fs5, 2},  // D
    {D5, 3},  {E5, 1},   {Fs5, 4},            // Bm
    {B5, 2},  {A5, 2},   {Fs5, 2}, {E5, 2},   // G
    {E5, 2},  {Fs5, 2},  {E5, 4},             // A
    {D5, 2},  {Fs5, 2},  {A5, 4},             // D
    {B5, 2},  {A5, 2},   {Fs5, 4},            // Bm
    {E5, 2},  {D5, 2},   {E5, 2},  {B4, 2},   // G
    {A4, 6},  {REST, 2},                      // A
    {B4, 2},  {D5, 2},   {E5, 2},  {B5, 2},   // G
    {A5, 3},  {Fs5, 1},  {E5, 4},             // A
    {Fs5, 2}, {E5, 2},   {D5, 2},  {E5, 2},   // D
    {D5, 4},  {REST, 4},                      // D, dying away
};

// Chord of each bar as root, third and fifth (bass octave), in the order D Bm G A.
struct Chord {
    int root, third, fifth;
};
const Chord kD{D3, Fs2 + 12, A2 + 12}, kBm{B2, D3, Fs2 + 12}, kG{G2, B2, D3}, kA{A2, 49, E2 + 12};
const Chord kChords[kBars] = {kD, kBm, kG, kA, kD, kBm, kG, kA, kD, kBm, kG, kA, kG, kA, kD, kD};

// One plucked or sung note: a rise, a slow exponential fall while held, then a short release.
// Samples past the end of the piece are folded onto its beginning.
void addVoice(Samples& out, double start, double held, double freq, double amp, double tau,
              const double (&harmonics)[3], double vibrato) {
    const double attack = 0.008;
    const double release = 0.08;
    const std::size_t first = samplesFor(start);
    const std::size_t count = samplesFor(held + release);
    double phase = 0;
    for (std::size_t k = 0; k < count; ++k) {
        const double t = static_cast<double>(k) / kRate;
        double env = std::exp(-t / tau) * std::min(1.0, t / attack);
        if (t > held) env *= 0.5 + 0.5 * std::cos(kPi * (t - held) / release);
        const double wobble = t > 0.15 ? vibrato * std::sin(2 * kPi * 5 * (t - 0.15)) : 0;
        phase += 2 * kPi * freq * (1 + wobble) / kRate;
        const double v = harmonics[0] * std::sin(phase) + harmonics[1] * std::sin(2 * phase) +
                         harmonics[2] * std::sin(3 * phase);
        out[(first + k) % out.size()] += amp * env * v;
    }
}

// Two echoes of the whole piece, wrapped round so the tail of the end sounds over the beginning.
Samples withEcho(const Samples& dry) {
    const std::size_t n = dry.size();
    const std::size_t delay = samplesFor(3 * kEighth / 2);
    Samples wet(dry);
    for (std::size_t i = 0; i < n; ++i) {
        wet[i] += 0.22 * dry[(i + n - delay) % n];
        wet[i] += 0.08 * dry[(i + n - 2 * delay) % n];
    }
    return wet;
}

}  // namespace

Samples backgroundMusic() {
    Samples dry(samplesFor(kLength));
    const double melody[3] = {1.0, 0.30, 0.08};
    const double bass[3] = {1.0, 0.25, 0.0};
    const double harp[3] = {1.0, 0.15, 0.05};

    double at = 0;
    for (const Note& n : kTune) {
        const double held = n.eighths * kEighth;
        if (n.midi != REST) addVoice(dry, at, held - 0.03, pitch(n.midi), 0.50, 0.9, melody, 0.003);
        at += held;
    }

    for (int bar = 0; bar < kBars; ++bar) {
        const Chord& c = kChords[bar];
        const double t0 = bar * kBar;
        const bool last = bar == kBars - 1;
        // Bass: the root on beat one and the fifth on beat three; the last bar only its root.
        addVoice(dry, t0, last ? 2 * 2 * kEighth : 4 * kEighth - 0.04, pitch(c.root), 0.45, 1.2,
                 bass, 0);
        if (!last)
            addVoice(dry, t0 + 4 * kEighth, 4 * kEighth - 0.04, pitch(c.fifth), 0.40, 1.2, bass, 0);
        // Harp: chord tones an octave up, one per eighth; half a bar in the last one.
        const int pattern[8] = {c.root,      c.fifth, c.third + 12, c.fifth,
                                c.root + 12, c.fifth, c.third + 12, c.fifth};
        for (int e = 0; e < (last ? 4 : 8); ++e)
            addVoice(dry, t0 + e * kEighth, kEighth, pitch(pattern[e] + 12), 0.12, 0.35, harp, 0);
    }

    Samples out = withEcho(dry);
    normalise(out, 0.6);
    return out;
}

}  // namespace wavegen
