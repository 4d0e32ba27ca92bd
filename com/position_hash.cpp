#include "com/position_hash.h"

#include <array>

namespace com {
namespace {

constexpr std::uint64_t mix(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

// One fixed random number per (square, code) and per (army, hand index, count), made at compile
// time so that every run and every machine gets the same keys.
constexpr int kCodes = 2 * rules::kind::count + 1;
constexpr int kHandCounts = 40;
struct Keys {
    std::array<std::uint64_t, 81 * kCodes> squares{};
    std::array<std::uint64_t, 2 * (rules::kHandSize + 1) * kHandCounts> hands{};
    constexpr Keys() {
        std::uint64_t seed = 0x6b7a736f72617761ULL;
        for (auto& k : squares) k = mix(seed += 0x9e3779b97f4a7c15ULL);
        for (auto& k : hands) k = mix(seed += 0x9e3779b97f4a7c15ULL);
    }
};
constexpr Keys kKeys;

std::uint64_t handKey(const rules::Hand& hand, int side) {
    std::uint64_t h = 0;
    for (int k = 1; k <= rules::kHandSize; ++k) {
        const int count = hand[k] < 0 ? 0 : hand[k] >= kHandCounts ? kHandCounts - 1 : hand[k];
        if (count > 0) h ^= kKeys.hands[(side * (rules::kHandSize + 1) + k) * kHandCounts + count];
    }
    return h;
}

}  // namespace

std::uint64_t positionKey(const rules::Position& pos, int army) {
    std::uint64_t h = army > 0 ? 0x243f6a8885a308d3ULL : 0;
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            const rules::PieceCode c = pos.board(x, y);
            if (c != rules::空) {
                h ^= kKeys.squares[((x - 1) * 9 + (y - 1)) * kCodes + c + rules::kind::count];
            }
        }
    }
    return h ^ handKey(pos.ownHand, 0) ^ handKey(pos.enemyHand, 1);
}

}  // namespace com
