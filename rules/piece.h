// Piece codes of both armies.
//
// A code is a signed small integer: its magnitude is the kind (and doubles as the piece's value
// in the computer's scores), its sign says at which end of the board the owner sits: negative for
// the army drawn at the bottom (自, "own"), positive for the army drawn at the top (敵, "enemy").
// Flipping the board negates every code, so the bottom army is always the negative one.
#pragma once

#include <array>
#include <cstdlib>

namespace rules {

using PieceCode = int;

// Kinds (magnitudes).
namespace kind {
constexpr int 歩 = 1;
constexpr int と = 2;
constexpr int 卒 = 3;
constexpr int 香 = 4;
constexpr int 香成 = 5;
constexpr int 桂 = 6;
constexpr int 桂成 = 7;
constexpr int 車 = 8;
constexpr int 銀 = 9;
constexpr int 銀成 = 10;
constexpr int 馬 = 11;
constexpr int 象 = 12;
constexpr int 金 = 13;
constexpr int 角 = 14;
constexpr int 角成 = 15;
constexpr int 飛 = 16;
constexpr int 飛成 = 17;
constexpr int 士 = 18;  // the Chinese advisor
constexpr int 砲 = 19;
constexpr int 王 = 20;
constexpr int 将 = 21;
constexpr int count = 21;
}  // namespace kind

// The 42 signed codes: 自 = the bottom army's piece, 敵 = the top army's.
constexpr PieceCode 空 = 0;
constexpr PieceCode 自歩 = -kind::歩, 敵歩 = kind::歩;
constexpr PieceCode 自と = -kind::と, 敵と = kind::と;
constexpr PieceCode 自卒 = -kind::卒, 敵卒 = kind::卒;
constexpr PieceCode 自香 = -kind::香, 敵香 = kind::香;
constexpr PieceCode 自香成 = -kind::香成, 敵香成 = kind::香成;
constexpr PieceCode 自桂 = -kind::桂, 敵桂 = kind::桂;
constexpr PieceCode 自桂成 = -kind::桂成, 敵桂成 = kind::桂成;
constexpr PieceCode 自車 = -kind::車, 敵車 = kind::車;
constexpr PieceCode 自銀 = -kind::銀, 敵銀 = kind::銀;
constexpr PieceCode 自銀成 = -kind::銀成, 敵銀成 = kind::銀成;
constexpr PieceCode 自馬 = -kind::馬, 敵馬 = kind::馬;
constexpr PieceCode 自象 = -kind::象, 敵象 = kind::象;
constexpr PieceCode 自金 = -kind::金, 敵金 = kind::金;
constexpr PieceCode 自角 = -kind::角, 敵角 = kind::角;
constexpr PieceCode 自角成 = -kind::角成, 敵角成 = kind::角成;
constexpr PieceCode 自飛 = -kind::飛, 敵飛 = kind::飛;
constexpr PieceCode 自飛成 = -kind::飛成, 敵飛成 = kind::飛成;
constexpr PieceCode 自士 = -kind::士, 敵士 = kind::士;
constexpr PieceCode 自砲 = -kind::砲, 敵砲 = kind::砲;
constexpr PieceCode 自王 = -kind::王, 敵王 = kind::王;
constexpr PieceCode 自将 = -kind::将, 敵将 = kind::将;

// Army membership is a comparison with +1 and -1.
constexpr bool isTop(PieceCode c) {
    return c >= 1;
}
constexpr bool isBottom(PieceCode c) {
    return c <= -1;
}
constexpr int magnitude(PieceCode c) {
    return c < 0 ? -c : c;
}

// True for a magnitude that names one of the 21 kinds.
constexpr bool isKind(int k) {
    return k >= 1 && k <= kind::count;
}
// True for 0 or one of the 42 codes.
constexpr bool isValidCode(PieceCode c) {
    return c == 0 || isKind(magnitude(c));
}

constexpr bool isChineseKind(int k) {
    return k == kind::卒 || k == kind::車 || k == kind::馬 || k == kind::象 || k == kind::士 ||
           k == kind::砲 || k == kind::将;
}
constexpr bool isKingKind(int k) {
    return k == kind::王 || k == kind::将;
}

// Hand stands: 13 counts, index 1..13, the Chinese kinds first.
namespace hand {
constexpr int kSoldier = 1;   // 卒
constexpr int kChariot = 2;   // 車
constexpr int kHorse = 3;     // 馬
constexpr int kAdvisor = 4;   // 士
constexpr int kElephant = 5;  // 象
constexpr int kCannon = 6;    // 砲
constexpr int kPawn = 7;      // 歩
constexpr int kLance = 8;     // 香
constexpr int kKnight = 9;    // 桂
constexpr int kSilver = 10;   // 銀
constexpr int kGold = 11;     // 金
constexpr int kBishop = 12;   // 角
constexpr int kRook = 13;     // 飛
// The Chinese kinds fill indexes 1..kLastChinese, the shogi kinds the rest.
constexpr int kLastChinese = kCannon;
}  // namespace hand
constexpr int kHandSize = hand::kRook;
// Unpromoted kind held under each hand index (index 0 unused).
constexpr std::array<int, kHandSize + 1> kHandKind = {
    0,        kind::卒, kind::車, kind::馬, kind::士, kind::象, kind::砲,
    kind::歩, kind::香, kind::桂, kind::銀, kind::金, kind::角, kind::飛};
// Hand index of a kind (0 for a king, which is never held).
constexpr int handIndexOfKind(int k) {
    switch (k) {
        case kind::卒:
            return hand::kSoldier;
        case kind::車:
            return hand::kChariot;
        case kind::馬:
            return hand::kHorse;
        case kind::士:
            return hand::kAdvisor;
        case kind::象:
            return hand::kElephant;
        case kind::砲:
            return hand::kCannon;
        case kind::歩:
        case kind::と:
            return hand::kPawn;
        case kind::香:
        case kind::香成:
            return hand::kLance;
        case kind::桂:
        case kind::桂成:
            return hand::kKnight;
        case kind::銀:
        case kind::銀成:
            return hand::kSilver;
        case kind::金:
            return hand::kGold;
        case kind::角:
        case kind::角成:
            return hand::kBishop;
        case kind::飛:
        case kind::飛成:
            return hand::kRook;
        default:
            return 0;
    }
}
// The table and the index agree on every kind a hand holds.
static_assert([] {
    for (int i = 1; i <= kHandSize; ++i)
        if (handIndexOfKind(kHandKind[i]) != i) return false;
    return true;
}());

// Side identifiers: +1 = 先手 (the shogi army always moves first), -1 = 後手.
using SideId = int;
constexpr SideId SENTE = 1;
constexpr SideId GOTE = -1;

// Hand-stand columns that name the from-square of a drop.
constexpr int kTopHandX = -1;
constexpr int kBottomHandX = 11;
constexpr bool isDropFrom(int fromX) {
    return fromX == kTopHandX || fromX == kBottomHandX;
}

}  // namespace rules
