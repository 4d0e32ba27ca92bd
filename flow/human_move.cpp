// Making a human move once the press has passed every check, and handing the turn over.
#include "flow/game.h"
#include "flow/turn_queries.h"
#include "rules/make_move.h"

namespace flow {

void Game::makeHumanMove() {
    GameState& s = state_;
    s.selectState = false;
    screen_.描画_桝輪郭(settings::kOutlineColour, s.fromX, s.fromY);
    screen_.描画_桝輪郭(settings::kOutlineColour, s.toX, s.toY);
    screen_.描画_将棋盤桝();

    const int fromX = s.fromX;
    const int fromY = s.fromCell();
    const rules::MoveEffect effect =
        rules::駒移動(position_, fromX, fromY, s.toX, s.toY, s.movePiece);
    lastMoves_.drawMove(fromX, fromY, s.toX, s.toY, effect);
    sounds_.駒移動音(s.movePiece);

    // Only the mover's clock grows within one recorded move.
    const ClockTimes& t = clocks_.times();
    const bool bottomMoved = s.sideToMove == position_.bottomSide;
    const double bottomAfter = t.bottomClock + (bottomMoved ? t.turnSeconds : 0);
    const double topAfter = t.topClock + (bottomMoved ? 0 : t.turnSeconds);
    ++moves_.currentMove;
    手順保存(t.bottomClock, bottomAfter, t.topClock, topAfter);
    ++moves_.moveCount;
    screen_.描画_手数(moves_.moveCount);

    const rules::SideId mover =
        rules::isTop(s.movePiece) ? position_.topSide : position_.bottomSide;
    lastMoves_.描画_移動結果(mover, s.toX, s.toY, s.movePiece, kMarkColour);
    canvas_.repaintNow();

    // Against the computer, it replies. Between two humans, a taken king ends the game, and
    // otherwise the other player moves next.
    if (s.gameMode == GameMode::AgainstComputer) {
        opponent_.handOverToComputer(effect.captured);
        return;
    }
    if (position_.winnerSide == rules::SENTE) {
        終了("先手");
    } else if (position_.winnerSide == rules::GOTE) {
        終了("後手");
    }
    // 終了 may have reset the board (no game any more) or ended the program.
    if (s.sideToMove == rules::SENTE || s.sideToMove == rules::GOTE) {
        clocks_.addTurn(s.sideToMove == position_.bottomSide);
        s.sideToMove = -s.sideToMove;
    }
    clocks_.markTurnStart();
    if (s.sideToMove != 0 && !shutDown_ && recordFull(moves_)) refuseFullRecord();
}

}  // namespace flow
