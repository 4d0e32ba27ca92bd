// The weights of the look-ahead levels' position score, in hundredths of a 歩.
#pragma once

#include <array>

#include "rules/piece.h"

namespace com::weights {

// Values by kind, index = magnitude.
inline constexpr std::array<int, rules::kind::count + 1> kValue = {
    0,
    100,   // 歩
    550,   // と
    110,   // 卒
    300,   // 香
    550,   // 香成
    350,   // 桂
    550,   // 桂成
    950,   // 車
    500,   // 銀
    550,   // 銀成
    420,   // 馬
    250,   // 象
    550,   // 金
    750,   // 角
    1000,  // 角成
    950,   // 飛
    1200,  // 飛成
    230,   // 士
    550,   // 砲
    0,     // 王
    0,     // 将
};

// A piece near the other army's king presses it; one near its own king guards it. Indexed by
// the Chebyshev distance.
inline constexpr std::array<int, 5> kPressure = {0, 40, 24, 10, 0};
inline constexpr std::array<int, 3> kGuard = {0, 12, 6};

// An attack grows faster than the number of its pieces within two squares of the king.
inline constexpr std::array<int, 7> kSiege = {0, 0, 20, 60, 120, 200, 300};

// A piece in hand is a little more than one on the board: it can land anywhere (percent).
inline constexpr int kHandPercent = 105;

// A 車, 飛 or 飛成 on the other king's file or rank.
inline constexpr int kRookOnKingLine = 20;
// Each empty square a 車, 飛, 角 (or promoted one) reaches along its lines.
inline constexpr int kReachStraight = 3;
inline constexpr int kReachDiagonal = 3;
// Each row a 歩 has come forward past its third.
inline constexpr int kPawnAdvance = 4;
// Each row a 車, 馬 or 砲 stands forward of its own edge.
inline constexpr int kChineseAdvance = 0;
// Each row a 卒 has come forward from its start, and once on the last three rows (where it
// also steps sideways).
inline constexpr int kSoldierAdvance = 10;
inline constexpr int kSoldierLastRows = 30;

}  // namespace com::weights
