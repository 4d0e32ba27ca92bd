#include "com/search.h"

#include <algorithm>
#include <cstdlib>

#include "com/evaluation.h"
#include "com/influence_survey.h"
#include "com/mate.h"
#include "com/probes.h"
#include "rules/move_check.h"
#include "rules/pawn_files.h"
#include "rules/promotion.h"

namespace com {

using rules::PieceCode;

namespace {

class Search {
  public:
    Search(rules::Position& pos, InfluenceMap& map, ComState& state, const SearchSettings& settings,
           SearchObserver* observer)
        : pos_(pos),
          map_(map),
          state_(state),
          settings_(settings),
          observer_(observer),
          ctx_{pos, map, state, settings.comLevel} {}

    bool run() {
        openTurn(pos_, map_, state_);
        const bool handHeld = pos_.enemyHandTotal > 0;
        if (boardMoves()) return state_.hasBest;
        if (handHeld && (pos_.bottomSide == rules::GOTE || settings_.chineseDrops)) drops();
        return state_.hasBest;
    }

  private:
    double score(PieceCode captured, PieceCode p, int fx, int fy, int tx, int ty) {
        勢力調査(pos_, map_);
        const double s = 盤評価(ctx_, captured, p, fx, fy, tx, ty);
        if (observer_ != nullptr) observer_->evaluated(fx, fy, tx, ty, p, s);
        return s;
    }

    // Records the candidate when it beats the best so far; true when it did.
    bool offer(const ComMove& move, double s) {
        if (!(s > state_.bestScore)) return false;
        state_.bestScore = s;
        state_.best = move;
        state_.hasBest = true;
        return true;
    }

    // Board moves; true when the search ended early (the bottom 王 was taken). Every target is
    // put to the move check, x outer and y inner; the squares it would refuse at a glance (the
    // top army's own pieces, beyond two squares for a piece that only steps or jumps, off the
    // row and column for one that keeps to them) are passed over without asking.
    bool boardMoves() {
        rules::Board& board = pos_.board;
        for (int x = 1; x <= 9; ++x) {
            if (observer_ != nullptr) observer_->tick();
            for (int y = 1; y <= 9; ++y) {
                const PieceCode mover = board(x, y);
                if (mover < 1) continue;
                const int reach = reachesFar(mover) ? 8 : 2;
                const bool straight = keepsToLines(mover);
                for (int tx = std::max(1, x - reach); tx <= std::min(9, x + reach); ++tx) {
                    const int top = straight && tx != x ? y : std::max(1, y - reach);
                    const int bottom = straight && tx != x ? y : std::min(9, y + reach);
                    for (int ty = top; ty <= bottom; ++ty) {
                        if (board(tx, ty) >= 1) continue;
                        if (boardMove(x, y, tx, ty)) return true;
                    }
                }
            }
        }
        return false;
    }

    // The kinds that may move more than two squares at once: the sliders and the 砲.
    static bool reachesFar(PieceCode c) {
        switch (rules::magnitude(c)) {
            case rules::kind::香:
            case rules::kind::角:
            case rules::kind::角成:
            case rules::kind::飛:
            case rules::kind::飛成:
            case rules::kind::車:
            case rules::kind::砲:
                return true;
            default:
                return false;
        }
    }

    // The kinds that keep to their row and column: 香, 飛, 車 and 砲.
    static bool keepsToLines(PieceCode c) {
        const int k = rules::magnitude(c);
        return k == rules::kind::香 || k == rules::kind::飛 || k == rules::kind::車 ||
               k == rules::kind::砲;
    }

    bool boardMove(int x, int y, int tx, int ty) {
        rules::Board& board = pos_.board;
        const PieceCode mover = board(x, y);
        if (rules::移動チェック(pos_, x, y, tx, ty, mover) != 1) return false;
        state_.movingPiece = mover;
        state_.kingDistance = std::max(std::abs(pos_.ownKingX - x), std::abs(pos_.ownKingY - y));
        const PieceCode captured = board(tx, ty);
        board(x, y) = rules::空;
        board(tx, ty) = mover;

        double s = 0;
        PieceCode after = mover;
        if (rules::調査_駒成(pos_, x, y, tx, ty, mover) == 0) {
            s = score(captured, mover, x, y, tx, ty);
        } else {
            const PieceCode promoted = pos_.promotedCode;
            if (rules::移動後チェック(ty, mover) == 0) {
                board(tx, ty) = promoted;
                s = score(captured, promoted, x, y, tx, ty);
                after = promoted;
            } else {
                const double plain = score(captured, mover, x, y, tx, ty);
                board(tx, ty) = promoted;
                const double crowned = score(captured, promoted, x, y, tx, ty);
                s = plain;
                if (crowned > plain) {
                    s = crowned;
                    after = promoted;
                }
                // 歩, 角 and 飛 lose nothing by promoting: they always do, and the larger score
                // of the two stands for the move.
                if (mover == rules::敵歩 || mover == rules::敵角 || mover == rules::敵飛) {
                    after = promoted;
                }
            }
        }

        board(tx, ty) = captured;
        board(x, y) = mover;
        if (offer(ComMove{x, y, tx, ty, mover, after}, s)) {
            if (captured == rules::自王) return true;
        }
        return false;
    }

    void drops() {
        rules::Board& board = pos_.board;
        for (int k = 1; k <= rules::kHandSize; ++k) {
            if (observer_ != nullptr) observer_->tick();
            if (pos_.enemyHand[k] <= 0) continue;
            const PieceCode c = rules::kHandKind[k];
            state_.movingPiece = c;
            for (int tx = 1; tx <= 9; ++tx) {
                for (int ty = 1; ty <= 9; ++ty) {
                    if (rules::移動チェック(pos_, rules::kTopHandX, k, tx, ty, c) != 1) continue;
                    board(tx, ty) = c;
                    const double s = score(rules::空, c, rules::kTopHandX, k, tx, ty);
                    board(tx, ty) = rules::空;
                    if (offer(ComMove{rules::kTopHandX, k, tx, ty, c, c}, s) &&
                        state_.bestScore >= kMateScore) {
                        return;
                    }
                }
            }
        }
    }

    rules::Position& pos_;
    InfluenceMap& map_;
    ComState& state_;
    const SearchSettings& settings_;
    SearchObserver* observer_;
    EvalContext ctx_;
};

}  // namespace

void openTurn(rules::Position& pos, InfluenceMap& map, ComState& state) {
    state.bestScore = kNoScoreYet;
    state.hasBest = false;
    state.best = ComMove{};
    state.boardBefore = pos.board;
    map.ownKingEscapeMarks.fill(0);
    rules::調査_2歩フラグ設定(pos);
    state.ownKingEscapesBefore = 調査_自王逃道(pos, map);
    勢力調査(pos, map);
    調査_持角狙座標(pos, map, state);
    調査_移動不可駒(pos, map, state);
    state.ownAttacksBefore = map.ownAttacks;
    state.enemyAttacksBefore = map.enemyAttacks;
    state.enemyAttackerXBefore = map.enemyAttackerX;
    state.enemyAttackerYBefore = map.enemyAttackerY;
}

bool searchBestMove(rules::Position& pos, InfluenceMap& map, ComState& state,
                    const SearchSettings& settings, SearchObserver* observer) {
    return Search(pos, map, state, settings, observer).run();
}

}  // namespace com
