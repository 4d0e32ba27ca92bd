// The eight lines from a square of the board, straight ones first, and how far each runs.
#pragma once

#include <array>
#include <cstdint>

#include "rules/position.h"

namespace com {

inline constexpr int kLines[8][2] = {{0, -1},  {-1, 0}, {1, 0},  {0, 1},
                                     {-1, -1}, {1, -1}, {-1, 1}, {1, 1}};

// kSpan[d][x * 10 + y]: the squares from (x, y) to the edge of the board along line d.
inline constexpr auto kSpan = [] {
    std::array<std::array<std::uint8_t, 100>, 8> t{};
    for (int d = 0; d < 8; ++d) {
        for (int x = 1; x <= 9; ++x) {
            for (int y = 1; y <= 9; ++y) {
                int n = 0;
                while (
                    rules::Board::onBoard(x + (n + 1) * kLines[d][0], y + (n + 1) * kLines[d][1])) {
                    ++n;
                }
                t[d][x * 10 + y] = static_cast<std::uint8_t>(n);
            }
        }
    }
    return t;
}();

}  // namespace com
