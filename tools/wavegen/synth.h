// Small building blocks of the sound generator: a sample buffer, a repeatable noise source,
// envelopes, and the finishing steps every sound goes through.
#pragma once

#include <cstdint>
#include <numbers>
#include <vector>

namespace wavegen {

constexpr double kPi = std::numbers::pi;
constexpr int kRate = 22050;  // samples per second of every sound

using Samples = std::vector<double>;

// Samples for a length in seconds.
inline std::size_t samplesFor(double seconds) {
    return static_cast<std::size_t>(seconds * kRate + 0.5);
}

// White noise in [-1, 1) from a fixed seed, the same on every run.
class Noise {
  public:
    explicit Noise(std::uint32_t seed) : state_(seed ? seed : 1) {}
    double next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_ / 2147483648.0 - 1.0;
    }

  private:
    std::uint32_t state_;
};

// A struck resonance: a sine at `freq` starting at `start` seconds with amplitude `amp`,
// dying away with time constant `tau`; it rises over `attack` seconds so it starts at zero.
void addMode(Samples& out, double start, double freq, double amp, double tau,
             double attack = 0.0005);

// A short burst of noise, dying away with time constant `tau`, smoothed by a one-pole low pass
// with the given corner frequency (0 = unfiltered) or, for a negative corner, a high pass.
void addNoiseBurst(Samples& out, double start, double amp, double tau, double corner,
                   std::uint32_t seed);

// Raised-cosine fades over the first and last `seconds`, so the sound starts and ends at zero.
void fadeEdges(Samples& out, double seconds);

// Scales the samples so the loudest one reaches `peak` (of full scale 1.0).
void normalise(Samples& out, double peak);

// 16-bit values, rounded and clipped.
std::vector<std::int16_t> toPcm16(const Samples& in);

}  // namespace wavegen
