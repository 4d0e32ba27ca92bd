// A small seeded random stream (splitmix64): the same numbers on every machine and library, so a
// seed replays the same games anywhere. The match runner's openings and the soak's games use it.
#pragma once

#include <cstdint>
#include <initializer_list>

namespace tools {

// splitmix64: one 64-bit state, each step scrambled.
class Random {
  public:
    explicit Random(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // 0 .. n-1; 0 when n is not positive.
    int below(int n) { return n <= 0 ? 0 : static_cast<int>(next() % static_cast<unsigned>(n)); }
    // lo .. hi, both included.
    int between(int lo, int hi) { return lo + below(hi - lo + 1); }
    // A real in [0, 1).
    double unit() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }
    bool chance(double p) { return unit() < p; }
    // An index into the weights, each chosen in proportion to its weight.
    int weighted(std::initializer_list<double> weights) {
        double total = 0;
        for (double w : weights) total += w;
        double x = unit() * total;
        int i = 0;
        for (double w : weights) {
            if (x < w) return i;
            x -= w;
            ++i;
        }
        return i - 1;
    }

  private:
    std::uint64_t state_;
};

}  // namespace tools
