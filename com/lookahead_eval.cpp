#include "com/lookahead_eval.h"

#include <algorithm>
#include <array>

#include "com/lookahead_weights.h"
#include "com/score_measures.h"

namespace com {
namespace {

using namespace rules;
using namespace weights;

// The terms of a piece (not a king) that its code and row decide: its value and how far it has
// come.
constexpr int rowTerms(PieceCode c, int y) {
    const int k = magnitude(c);
    int v = kValue[k];
    if (k == kind::歩) v += kPawnAdvance * (advance(c, y) - 3);
    if (k == kind::車 || k == kind::馬 || k == kind::砲) v += kChineseAdvance * advance(c, y);
    if (k == kind::卒) {
        // From its start on the fourth row; on the last three it also steps sideways.
        const int rows = advance(c, y) - 4;
        v += kSoldierAdvance * rows + (rows >= 3 ? kSoldierLastRows : 0);
    }
    return v;
}
constexpr auto kRowTerms = [] {
    std::array<std::array<int, 10>, 2 * kind::count + 1> t{};
    for (PieceCode c = -kind::count; c <= kind::count; ++c) {
        for (int y = 1; y <= 9 && c != 空; ++y) t[c + kind::count][y] = rowTerms(c, y);
    }
    return t;
}();

// A table by distance made to reach across the board: 0 past its own end.
template <std::size_t N>
constexpr std::array<int, 9> byDistance(const std::array<int, N>& weights) {
    std::array<int, 9> t{};
    for (std::size_t d = 0; d < N && d < t.size(); ++d) t[d] = weights[d];
    return t;
}
constexpr std::array<int, 9> kPressureAt = byDistance(kPressure);
constexpr std::array<int, 9> kGuardAt = byDistance(kGuard);

// The values of the pieces in a hand, and what they are worth there.
int handSum(const Hand& hand) {
    int v = 0;
    for (int k = 1; k <= kHandSize; ++k) {
        if (hand[k] > 0) v += hand[k] * kValue[kHandKind[k]];
    }
    return v;
}
int handValue(int sum) {
    return sum * kHandPercent / 100;
}

}  // namespace

Kings findKings(const Position& pos) {
    Kings kings;
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            const PieceCode c = pos.board(x, y);
            if (isKingKind(magnitude(c))) kings.side[c > 0 ? 1 : 0] = KingSquare{x, y};
        }
    }
    return kings;
}

int positionScore(const Position& pos, const DropRights& drops) {
    return positionScore(pos, drops, findKings(pos));
}

namespace {

// One piece's terms but its reach (its value, advance, pressure on the other king, guard of its
// own and a long-range piece on the other king's line), for its own army, and whether it stands
// within two squares of the other army's king. Not for a king.
struct PieceTerms {
    int value = 0;
    bool near = false;
};
inline PieceTerms pieceTerms(PieceCode c, int x, int y, const Kings& kings) {
    const int k = magnitude(c);
    const int side = c > 0 ? 1 : 0;
    PieceTerms t;
    t.value = kRowTerms[c + kind::count][y];
    const KingSquare& their = kings.side[1 - side];
    const KingSquare& our = kings.side[side];
    if (their.x != 0) {
        const int d = chebyshev(x, y, their.x, their.y);
        t.value += kPressureAt[d];
        t.near = d <= 2;
        // A long-range piece on the king's line.
        if ((k == kind::車 || k == kind::飛 || k == kind::飛成) && (x == their.x || y == their.y))
            t.value += kRookOnKingLine;
    }
    if (our.x != 0) t.value += kGuardAt[chebyshev(x, y, our.x, our.y)];
    return t;
}

bool isLinePiece(int k) {
    return k == kind::車 || k == kind::飛 || k == kind::飛成 || k == kind::角 || k == kind::角成;
}

// The reach term of a long-range piece of kind k on (x, y); 0 for any other piece.
int reachTerm(const Board& b, int x, int y, int k) {
    switch (k) {
        case kind::車:
        case kind::飛:
        case kind::飛成:
            return kReachStraight * reach(b, x, y, true, false);
        case kind::角:
        case kind::角成:
            return kReachDiagonal * reach(b, x, y, false, true);
        default:
            return 0;
    }
}

// The terms of the whole position: the siege of each king and the hands (the values of the
// pieces in the bottom army's hand and the top army's).
int positionTerms(const DropRights& drops, const int near[2], const int hands[2]) {
    int score = kSiege[std::min(near[1], 6)] - kSiege[std::min(near[0], 6)];
    if (drops.top) score += handValue(hands[1]);
    if (drops.bottom) score -= handValue(hands[0]);
    return score;
}

// Adds (sign 1) or takes away (sign -1) one piece's terms but its reach.
inline void tally(RunningScore& s, PieceCode c, int x, int y, const Kings& kings, int sign) {
    const PieceTerms t = pieceTerms(c, x, y, kings);
    s.pieces += c > 0 ? sign * t.value : -sign * t.value;
    if (t.near) s.near[c > 0 ? 1 : 0] += sign;
}

}  // namespace

int positionScore(const Position& pos, const DropRights& drops, const Kings& kings) {
    int score = 0;
    // Pieces within two squares of the other army's king, per army (index 0 bottom, 1 top).
    int near[2] = {0, 0};
    for (int x = 1; x <= 9; ++x) {
        const auto& column = pos.board.sq[x];
        for (int y = 1; y <= 9; ++y) {
            const PieceCode c = column[y];
            if (c == 空) continue;
            const int k = magnitude(c);
            if (isKingKind(k)) continue;
            const PieceTerms t = pieceTerms(c, x, y, kings);
            const int v = t.value + reachTerm(pos.board, x, y, k);
            score += c > 0 ? v : -v;
            if (t.near) ++near[c > 0 ? 1 : 0];
        }
    }
    const int hands[2] = {handSum(pos.ownHand), handSum(pos.enemyHand)};
    return score + positionTerms(drops, near, hands);
}

namespace {

// Counts every piece's terms but their reach afresh, the pieces found on the squares the armies
// hold.
void tallyAll(RunningScore& s, const Board& b, const Occupancy& occupied, const Kings& kings) {
    s.pieces = 0;
    s.near[0] = s.near[1] = 0;
    for (const SquareSet& army : occupied.army) {
        army.forEach([&](int x, int y) {
            if (!isKingKind(magnitude(b(x, y)))) tally(s, b(x, y), x, y, kings, 1);
        });
    }
}

// Counts again the reach of the long-range pieces kept in s whose lines pass through a square m
// left or reached (all of them when m is null), and their total.
void countReach(RunningScore& s, const Board& b, const Move* m) {
    const auto sees = [](bool diagonal, int px, int py, int x, int y) {
        return diagonal ? px - py == x - y || px + py == x + y : px == x || py == y;
    };
    s.reach = 0;
    for (int i = 0; i < s.lineCount; ++i) {
        const int px = s.lines[i][0], py = s.lines[i][1];
        const PieceCode c = b(px, py);
        const int k = magnitude(c);
        const bool diagonal = k == kind::角 || k == kind::角成;
        if (m == nullptr || sees(diagonal, px, py, m->toX, m->toY) ||
            (!m->isDrop() && sees(diagonal, px, py, m->fromX, m->fromY))) {
            const int v = reachTerm(b, px, py, k);
            s.lineReach[i] = c > 0 ? v : -v;
        }
        s.reach += s.lineReach[i];
    }
}

// Keeps the squares of the long-range pieces after m (captured stood on its destination).
void moveLinePieces(RunningScore& s, const Move& m, PieceCode captured) {
    // A promoted 飛 or 角 stays a long-range piece.
    if (isLinePiece(magnitude(captured))) {
        for (int i = 0; i < s.lineCount; ++i) {
            if (s.lines[i][0] != m.toX || s.lines[i][1] != m.toY) continue;
            --s.lineCount;
            s.lines[i][0] = s.lines[s.lineCount][0];
            s.lines[i][1] = s.lines[s.lineCount][1];
            s.lineReach[i] = s.lineReach[s.lineCount];
            break;
        }
    }
    if (!isLinePiece(magnitude(m.before))) return;
    if (m.isDrop()) {
        if (s.lineCount == RunningScore::kLinePieces) {
            s.lineCount = -1;
            return;
        }
        s.lines[s.lineCount][0] = m.toX;
        s.lines[s.lineCount++][1] = m.toY;
        return;
    }
    for (int i = 0; i < s.lineCount; ++i) {
        if (s.lines[i][0] != m.fromX || s.lines[i][1] != m.fromY) continue;
        s.lines[i][0] = m.toX;
        s.lines[i][1] = m.toY;
        break;
    }
}

}  // namespace

RunningScore runningScore(const Position& pos, const Kings& kings) {
    RunningScore s;
    s.hands[0] = handSum(pos.ownHand);
    s.hands[1] = handSum(pos.enemyHand);
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            const PieceCode c = pos.board(x, y);
            if (c == 空 || isKingKind(magnitude(c))) continue;
            tally(s, c, x, y, kings, 1);
            if (!isLinePiece(magnitude(c)) || s.lineCount < 0) continue;
            if (s.lineCount == RunningScore::kLinePieces) {
                s.lineCount = -1;
                continue;
            }
            s.lines[s.lineCount][0] = static_cast<std::int8_t>(x);
            s.lines[s.lineCount++][1] = static_cast<std::int8_t>(y);
        }
    }
    countReach(s, pos.board, nullptr);
    return s;
}

void updateRunningScore(RunningScore& s, const Position& after, const Occupancy& occupied,
                        const Kings& kings, const Move& m, PieceCode captured) {
    if (m.isDrop()) s.hands[m.fromX == kTopHandX ? 1 : 0] -= kValue[kHandKind[m.fromY]];
    // What is taken goes into the captor's hand, unpromoted; a king taken enters no hand.
    if (captured != 空 && !isKingKind(magnitude(captured)))
        s.hands[captured < 0 ? 1 : 0] += kValue[kHandKind[handIndexOfKind(magnitude(captured))]];
    if (isKingKind(magnitude(m.before)) || isKingKind(magnitude(captured))) {
        // A king that moves (or falls) moves every piece's distance to it.
        tallyAll(s, after.board, occupied, kings);
    } else {
        if (!m.isDrop()) tally(s, m.before, m.fromX, m.fromY, kings, -1);
        if (captured != 空) tally(s, captured, m.toX, m.toY, kings, -1);
        tally(s, m.after, m.toX, m.toY, kings, 1);
    }
    if (s.lineCount < 0) return;
    moveLinePieces(s, m, captured);
    if (s.lineCount < 0) return;
    // Only the squares the move left and reached changed; a piece that moved or was dropped
    // stands on one of them.
    countReach(s, after.board, &m);
}

int positionScore(const Position& pos, const DropRights& drops, const RunningScore& s) {
    int score = s.pieces;
    if (s.lineCount >= 0) {
        score += s.reach;
    } else {
        for (int x = 1; x <= 9; ++x) {
            for (int y = 1; y <= 9; ++y) {
                const PieceCode c = pos.board(x, y);
                const int v = reachTerm(pos.board, x, y, magnitude(c));
                score += c > 0 ? v : -v;
            }
        }
    }
    return score + positionTerms(drops, s.near, s.hands);
}

}  // namespace com
