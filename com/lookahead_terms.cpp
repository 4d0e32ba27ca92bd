#include "com/lookahead_terms.h"

#include <algorithm>

#include "com/lookahead_weights.h"
#include "com/score_measures.h"

namespace com {
namespace {

using namespace rules;

template <std::size_t N>
void copyInto(WeightVector<int>& w, int at, const std::array<int, N>& table) {
    static_assert(N <= slot::count);
    std::copy(table.begin(), table.end(), w.begin() + at);
}

static_assert(slot::kPressure - slot::kValue == weights::kValue.size() &&
              slot::kGuard - slot::kPressure == weights::kPressure.size() &&
              slot::kSiege - slot::kGuard == weights::kGuard.size() &&
              slot::kHandPercent - slot::kSiege == weights::kSiege.size());

}  // namespace

WeightVector<int> currentWeights() {
    using namespace weights;
    WeightVector<int> w{};
    copyInto(w, slot::kValue, kValue);
    copyInto(w, slot::kPressure, kPressure);
    copyInto(w, slot::kGuard, kGuard);
    copyInto(w, slot::kSiege, kSiege);
    w[slot::kHandPercent] = kHandPercent;
    w[slot::kRookOnKingLine] = kRookOnKingLine;
    w[slot::kReachStraight] = kReachStraight;
    w[slot::kReachDiagonal] = kReachDiagonal;
    w[slot::kPawnAdvance] = kPawnAdvance;
    w[slot::kChineseAdvance] = kChineseAdvance;
    w[slot::kSoldierAdvance] = kSoldierAdvance;
    w[slot::kSoldierLastRows] = kSoldierLastRows;
    return w;
}

std::string weightName(int s) {
    const auto indexed = [](const char* name, int i) {
        return std::string(name) + "[" + std::to_string(i) + "]";
    };
    if (s < slot::kPressure) return indexed("kValue", s - slot::kValue);
    if (s < slot::kGuard) return indexed("kPressure", s - slot::kPressure);
    if (s < slot::kSiege) return indexed("kGuard", s - slot::kGuard);
    if (s < slot::kHandPercent) return indexed("kSiege", s - slot::kSiege);
    static const char* const kScalars[] = {"kHandPercent",    "kRookOnKingLine", "kReachStraight",
                                           "kReachDiagonal",  "kPawnAdvance",    "kChineseAdvance",
                                           "kSoldierAdvance", "kSoldierLastRows"};
    return kScalars[s - slot::kHandPercent];
}

LookaheadTerms lookaheadTerms(const Position& pos, const DropRights& drops) {
    const Kings kings = findKings(pos);
    LookaheadTerms t;
    WeightVector<int>& n = t.counts;
    int attackers[2] = {0, 0};  // pieces within two squares of the other army's king
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            const PieceCode c = pos.board(x, y);
            if (c == 空) continue;
            const int k = magnitude(c);
            if (isKingKind(k)) continue;
            const int sign = c > 0 ? 1 : -1;
            const KingSquare theirs = kings.side[c > 0 ? 0 : 1];
            const KingSquare ours = kings.side[c > 0 ? 1 : 0];
            n[slot::kValue + k] += sign;
            if (theirs.x != 0) {
                const int d = chebyshev(x, y, theirs.x, theirs.y);
                if (d < static_cast<int>(weights::kPressure.size())) n[slot::kPressure + d] += sign;
                if (d <= 2) ++attackers[c > 0 ? 1 : 0];
                if ((k == kind::車 || k == kind::飛 || k == kind::飛成) &&
                    (x == theirs.x || y == theirs.y)) {
                    n[slot::kRookOnKingLine] += sign;
                }
            }
            if (k == kind::車 || k == kind::飛 || k == kind::飛成) {
                n[slot::kReachStraight] += sign * reach(pos.board, x, y, true, false);
            } else if (k == kind::角 || k == kind::角成) {
                n[slot::kReachDiagonal] += sign * reach(pos.board, x, y, false, true);
            }
            if (ours.x != 0) {
                const int d = chebyshev(x, y, ours.x, ours.y);
                if (d < static_cast<int>(weights::kGuard.size())) n[slot::kGuard + d] += sign;
            }
            if (k == kind::歩) n[slot::kPawnAdvance] += sign * (advance(c, y) - 3);
            if (k == kind::車 || k == kind::馬 || k == kind::砲) {
                n[slot::kChineseAdvance] += sign * advance(c, y);
            }
            if (k == kind::卒) {
                const int rows = advance(c, y) - 4;
                n[slot::kSoldierAdvance] += sign * rows;
                if (rows >= 3) n[slot::kSoldierLastRows] += sign;
            }
        }
    }
    n[slot::kSiege + std::min(attackers[1], 6)] += 1;
    n[slot::kSiege + std::min(attackers[0], 6)] -= 1;
    if (drops.top) t.topHand = pos.enemyHand;
    if (drops.bottom) t.bottomHand = pos.ownHand;
    return t;
}

WeightVector<double> scoreGradient(const LookaheadTerms& t, const WeightVector<double>& w) {
    WeightVector<double> g{};
    for (int i = 0; i < slot::count; ++i) g[i] = t.counts[i];
    const double scale = w[slot::kHandPercent] / 100;
    for (int k = 1; k <= kHandSize; ++k) {
        const int top = std::max(t.topHand[k], 0), bottom = std::max(t.bottomHand[k], 0);
        g[slot::kValue + kHandKind[k]] += (top - bottom) * scale;
        g[slot::kHandPercent] += (top - bottom) * w[slot::kValue + kHandKind[k]] / 100;
    }
    return g;
}

}  // namespace com
