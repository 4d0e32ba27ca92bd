// What a move shows: the squares and stands it touched redrawn, and the last move of each army
// written beside the board in the piece set's notation.
#pragma once

#include <string>

#include "record/move_list.h"
#include "rules/make_move.h"
#include "rules/position.h"
#include "settings/options.h"
#include "view/screen.h"

namespace flow {

class MoveResultDisplay {
  public:
    MoveResultDisplay(view::Screen& screen, const rules::Position& position,
                      const record::MoveList& moves, const settings::Options& options)
        : screen_(screen), position_(position), moves_(moves), options_(options) {}

    // Redraws what a move touched: the squares it left and reached, and the stands it changed.
    void drawMove(int fromX, int fromY, int toX, int toY, const rules::MoveEffect& effect);
    // The army `side` moved `piece` to (x, y): written in `colour` where that army's last move
    // stands, in place of the one before.
    void 描画_移動結果(rules::SideId side, int x, int y, rules::PieceCode piece, int colour);
    // The last move of each army up to entry n (moves n - 1 and n), the same whichever way entry
    // n was reached; an army with neither has none shown.
    void showLastMoves(int n);

  private:
    void 描画_移動駒種類(double px, double py, const std::string& text, int colour);
    void 消去_移動結果(rules::SideId side);

    view::Screen& screen_;
    const rules::Position& position_;
    const record::MoveList& moves_;
    const settings::Options& options_;
};

}  // namespace flow
