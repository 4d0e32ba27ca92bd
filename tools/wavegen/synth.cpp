#include "synth.h"

#include <algorithm>
#include <cmath>

namespace wavegen {

void addMode(Samples& out, double start, double freq, double amp, double tau, double attack) {
    const std::size_t first = samplesFor(start);
    const std::size_t attackLen = std::max<std::size_t>(1, samplesFor(attack));
    for (std::size_t i = first; i < out.size(); ++i) {
        const double t = static_cast<double>(i - first) / kRate;
        const double env = std::exp(-t / tau);
        if (env < 1e-5) break;
        const double rise = i - first < attackLen ? double(i - first) / attackLen : 1.0;
        out[i] += amp * rise * env * std::sin(2 * kPi * freq * t);
    }
}

void addNoiseBurst(Samples& out, double start, double amp, double tau, double corner,
                   std::uint32_t seed) {
    Noise noise(seed);
    const double a = corner == 0 ? 1.0 : 1.0 - std::exp(-2 * kPi * std::fabs(corner) / kRate);
    double low = 0;
    const std::size_t first = samplesFor(start);
    for (std::size_t i = first; i < out.size(); ++i) {
        const double t = static_cast<double>(i - first) / kRate;
        const double env = std::exp(-t / tau);
        if (env < 1e-5) break;
        const double x = noise.next();
        low += a * (x - low);
        const double filtered = corner < 0 ? x - low : low;
        out[i] += amp * env * filtered;
    }
}

void fadeEdges(Samples& out, double seconds) {
    const std::size_t n = std::min(samplesFor(seconds), out.size() / 2);
    for (std::size_t i = 0; i < n; ++i) {
        const double g = 0.5 - 0.5 * std::cos(kPi * static_cast<double>(i) / n);
        out[i] *= g;
        out[out.size() - 1 - i] *= g;
    }
    if (!out.empty()) {
        out.front() = 0;
        out.back() = 0;
    }
}

void normalise(Samples& out, double peak) {
    double loudest = 0;
    for (double s : out) loudest = std::max(loudest, std::fabs(s));
    if (loudest == 0) return;
    for (double& s : out) s *= peak / loudest;
}

std::vector<std::int16_t> toPcm16(const Samples& in) {
    std::vector<std::int16_t> out(in.size());
    for (std::size_t i = 0; i < in.size(); ++i) {
        const double v = std::clamp(std::round(in[i] * 32767.0), -32768.0, 32767.0);
        out[i] = static_cast<std::int16_t>(v);
    }
    return out;
}

}  // namespace wavegen
