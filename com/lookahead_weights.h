// The weights of the look-ahead levels' position score, in hundredths of a 歩. Written by
// tools/fit/fit-weights from the results of self-play games: run it again rather than edit
// them by hand.
#pragma once

#include <array>

#include "rules/piece.h"

namespace com::weights {

// Values by kind, index = magnitude.
inline constexpr std::array<int, rules::kind::count + 1> kValue = {
    0,
    100,   // 歩
    530,   // と
    111,   // 卒
    298,   // 香
    524,   // 香成
    361,   // 桂
    563,   // 桂成
    927,   // 車
    503,   // 銀
    553,   // 銀成
    400,   // 馬
    213,   // 象
    567,   // 金
    783,   // 角
    998,   // 角成
    961,   // 飛
    1221,  // 飛成
    210,   // 士
    548,   // 砲
    0,     // 王
    0,     // 将
};

// A piece near the other army's king presses it; one near its own king guards it. Indexed by
// the Chebyshev distance.
inline constexpr std::array<int, 5> kPressure = {0, 34, 66, 40, -20};
inline constexpr std::array<int, 3> kGuard = {0, 6, 24};

// An attack grows faster than the number of its pieces within two squares of the king.
inline constexpr std::array<int, 7> kSiege = {0, 13, 19, 61, 124, 201, 300};

// A piece in hand is a little more than one on the board: it can land anywhere (percent).
inline constexpr int kHandPercent = 109;

// A 車, 飛 or 飛成 on the other king's file or rank.
inline constexpr int kRookOnKingLine = 55;
// Each empty square a 車, 飛, 角 (or promoted one) reaches along its lines.
inline constexpr int kReachStraight = 3;
inline constexpr int kReachDiagonal = 26;
// Each row a 歩 has come forward past its third.
inline constexpr int kPawnAdvance = 5;
// Each row a 車, 馬 or 砲 stands forward of its own edge.
inline constexpr int kChineseAdvance = -5;
// Each row a 卒 has come forward from its start, and once on the last three rows (where it
// also steps sideways).
inline constexpr int kSoldierAdvance = 27;
inline constexpr int kSoldierLastRows = 50;

}  // namespace com::weights
