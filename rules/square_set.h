// Sets of squares as bits, so that an army's pieces or the empty squares are walked without
// looking at all 81. Square (x, y) is bit x * 10 + y (the board's own index), so a walk from the
// lowest bit comes out x outer, y inner: the order in which the move list writes moves.
#pragma once

#include <array>
#include <bit>
#include <cstdint>

#include "rules/position.h"

namespace rules {

struct SquareSet {
    std::uint64_t bits[2] = {0, 0};  // bits 0..63, 64..127

    constexpr void add(int x, int y) { bits[(x * 10 + y) >> 6] |= bitOf(x * 10 + y); }
    constexpr void remove(int x, int y) { bits[(x * 10 + y) >> 6] &= ~bitOf(x * 10 + y); }
    // Whether the two sets share a square.
    constexpr bool meets(const SquareSet& o) const {
        return ((bits[0] & o.bits[0]) | (bits[1] & o.bits[1])) != 0;
    }

    // Calls f(x, y) for every square of the set, x outer, y inner.
    template <typename F>
    void forEach(F&& f) const {
        for (int half = 0; half < 2; ++half) {
            for (std::uint64_t rest = bits[half]; rest != 0; rest &= rest - 1) {
                const int i = half * 64 + std::countr_zero(rest);
                f(kColumnOf[i], kRowOf[i]);
            }
        }
    }

  private:
    // The column and row of each bit, read instead of dividing by 10.
    static constexpr auto kColumnOf = [] {
        std::array<std::int8_t, 128> t{};
        for (int i = 0; i < 128; ++i) t[i] = static_cast<std::int8_t>(i / 10);
        return t;
    }();
    static constexpr auto kRowOf = [] {
        std::array<std::int8_t, 128> t{};
        for (int i = 0; i < 128; ++i) t[i] = static_cast<std::int8_t>(i % 10);
        return t;
    }();
    static constexpr std::uint64_t bitOf(int i) { return std::uint64_t{1} << (i & 63); }
};

// The squares each army holds: [0] the bottom army's, [1] the top army's.
struct Occupancy {
    SquareSet army[2];

    // The squares of the board that neither army holds.
    SquareSet empty() const;
};

inline constexpr SquareSet kWholeBoard = [] {
    SquareSet s;
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) s.add(x, y);
    }
    return s;
}();

inline SquareSet Occupancy::empty() const {
    SquareSet e = kWholeBoard;
    for (int h = 0; h < 2; ++h) e.bits[h] &= ~(army[0].bits[h] | army[1].bits[h]);
    return e;
}

// The squares each army holds on b.
inline Occupancy occupancyOf(const Board& b) {
    Occupancy o;
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            if (b(x, y) != 空) o.army[b(x, y) > 0 ? 1 : 0].add(x, y);
        }
    }
    return o;
}

}  // namespace rules
