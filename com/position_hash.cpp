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
    std::array<std::uint64_t, 4> drops{};
    constexpr Keys() {
        std::uint64_t seed = 0x6b7a736f72617761ULL;
        for (auto& k : squares) k = mix(seed += 0x9e3779b97f4a7c15ULL);
        for (auto& k : hands) k = mix(seed += 0x9e3779b97f4a7c15ULL);
        for (auto& k : drops) k = mix(seed += 0x9e3779b97f4a7c15ULL);
    }
};
constexpr Keys kKeys;

// The parts of the key, inlined where the key is made and updated.
inline std::uint64_t squareKeyOf(int x, int y, rules::PieceCode code) {
    if (code == rules::空) return 0;
    return kKeys.squares[((x - 1) * 9 + (y - 1)) * kCodes + code + rules::kind::count];
}
inline std::uint64_t handKeyOf(int hand, int k, int count) {
    if (count <= 0) return 0;
    if (count >= kHandCounts) count = kHandCounts - 1;
    return kKeys.hands[(hand * (rules::kHandSize + 1) + k) * kHandCounts + count];
}

}  // namespace

std::uint64_t squareKey(int x, int y, rules::PieceCode code) {
    return squareKeyOf(x, y, code);
}

std::uint64_t handKey(int hand, int k, int count) {
    return handKeyOf(hand, k, count);
}

std::uint64_t positionKey(const rules::Position& pos, int army, const DropRights& drops) {
    std::uint64_t h = army > 0 ? kTopToMoveKey : 0;
    h ^= kKeys.drops[(drops.top ? 2 : 0) + (drops.bottom ? 1 : 0)];
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) h ^= squareKeyOf(x, y, pos.board(x, y));
    }
    for (int k = 1; k <= rules::kHandSize; ++k) {
        h ^= handKeyOf(0, k, pos.ownHand[k]) ^ handKeyOf(1, k, pos.enemyHand[k]);
    }
    return h;
}

std::uint64_t keyAfterMove(std::uint64_t key, const rules::Position& before,
                           const rules::Position& after, const rules::Move& m) {
    key ^= kTopToMoveKey;
    const rules::PieceCode captured = before.board(m.toX, m.toY);
    if (!m.isDrop()) key ^= squareKeyOf(m.fromX, m.fromY, m.before);
    key ^=
        squareKeyOf(m.toX, m.toY, captured) ^ squareKeyOf(m.toX, m.toY, after.board(m.toX, m.toY));
    // A drop takes from one hand, a capture adds to one: only that count of either hand can
    // change.
    const int k = m.isDrop() ? m.fromY : rules::handIndexOfKind(rules::magnitude(captured));
    if (k >= 1 && k <= rules::kHandSize) {
        if (before.ownHand[k] != after.ownHand[k]) {
            key ^= handKeyOf(0, k, before.ownHand[k]) ^ handKeyOf(0, k, after.ownHand[k]);
        }
        if (before.enemyHand[k] != after.enemyHand[k]) {
            key ^= handKeyOf(1, k, before.enemyHand[k]) ^ handKeyOf(1, k, after.enemyHand[k]);
        }
    }
    return key;
}

}  // namespace com
