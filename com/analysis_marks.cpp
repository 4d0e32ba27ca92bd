// The marks of a reviewed game: what each move cost its mover.
#include <algorithm>

#include "com/analysis.h"
#include "rules/board_flip.h"
#include "rules/make_move.h"

namespace com {
namespace {

// The position after n moves from the mover's side, in 歩, clipped.
double moverValue(const EntryAnalysis& a, int moverArmy) {
    const double shogi =
        a.mateArmy != 0 ? a.mateArmy * kMarkClip : std::clamp(a.score, -kMarkClip, kMarkClip);
    return moverArmy * shogi;
}

// Whether the move from `before` to `after` is `best`: the best move made on a copy gives the
// same board and hands (a record turned part-way is compared the same way up).
bool playedBest(const rules::Position& before, const rules::Position& after, const ComMove& best) {
    rules::Position made = before;
    rules::駒移動(made, best.fromX, best.fromY, best.toX, best.toY, best.after);
    rules::Position seen = after;
    if (rules::wayUp(seen.board) != rules::wayUp(made.board)) rules::flipPosition(seen);
    return made.board == seen.board && made.ownHand == seen.ownHand &&
           made.enemyHand == seen.enemyHand;
}

}  // namespace

std::vector<MoveMark> markMoves(const std::vector<rules::Position>& game,
                                const std::vector<EntryAnalysis>& results) {
    const std::size_t n = std::min(game.size(), results.size());
    std::vector<MoveMark> marks(n, MoveMark::None);
    for (std::size_t i = 1; i < n; ++i) {
        const EntryAnalysis& before = results[i - 1];
        const EntryAnalysis& after = results[i];
        if (!before.done || !after.done || !before.hasMove) continue;
        if (playedBest(game[i - 1], game[i], before.best)) continue;
        const int mover = moverOfPosition(static_cast<int>(i) - 1) == rules::SENTE ? 1 : -1;
        const bool mateMissed = before.mateArmy == mover && after.mateArmy != mover;
        const double loss = moverValue(before, mover) - moverValue(after, mover);
        if (mateMissed || loss >= kBlunderLoss) {
            marks[i] = MoveMark::Blunder;
        } else if (loss >= kDubiousLoss) {
            marks[i] = MoveMark::Dubious;
        }
    }
    return marks;
}

}  // namespace com
