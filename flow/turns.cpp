// Whose turn it is: resuming at a press and handing the turn over after a human move.
#include "com/influence_survey.h"
#include "com/mate.h"
#include "flow/game.h"
#include "rules/setup.h"

namespace flow {

namespace {

const char* turnMessage(rules::SideId side) {
    if (side == rules::SENTE) return "先手の番です";
    if (side == rules::GOTE) return "後手の番です";
    return nullptr;
}

}  // namespace

bool Game::announceTakenKing() {
    const bool bottomKing = rules::firstBottomKing(position_.board) != rules::空;
    const bool topKing = rules::firstTopKing(position_.board) != rules::空;
    if (bottomKing == topKing) return false;
    const rules::SideId winner = bottomKing ? position_.bottomSide : position_.topSide;
    if (state_.gameMode == 1) {
        終了(bottomKing ? "あなた" : "ｺﾝﾋﾟｭｰﾀ");
    } else {
        終了(winner == rules::SENTE ? "先手" : "後手");
    }
    return true;
}

void Game::resumeAtClick() {
    GameState& s = state_;
    rules::調査_先手後手(position_);
    s.sideToMove = sideToMoveAt(moves_.currentMove);

    if (s.gameMode == 0) {
        if (s.resumePending != 1) return;
        s.resumePending = 0;
        s.turnStart = clock_.secondsSinceMidnight();
        if (options_.elapsedTime) timer_.setEnabled(true);
        if (const char* text = turnMessage(s.sideToMove)) {
            dialogs_.show(text, "対局", platform::Buttons::Ok);
        }
        return;
    }

    if (s.sideToMove == position_.topSide) {
        s.resumePending = 0;
        dialogs_.show("OKですか？", "再開(COM)", platform::Buttons::Ok);
        com_ban();
    } else if (s.sideToMove == position_.bottomSide && s.resumePending == 1) {
        s.resumePending = 0;
        s.turnStart = clock_.secondsSinceMidnight();
        if (options_.elapsedTime) timer_.setEnabled(true);
        dialogs_.show("MANの番です", "対局", platform::Buttons::Ok);
    }
}

void Game::handOverAfterHumanMove(rules::PieceCode captured) {
    GameState& s = state_;
    if (s.gameMode == 1) {
        handOverToComputer(captured);
        return;
    }
    if (position_.winnerSide == rules::SENTE) {
        終了("先手");
    } else if (position_.winnerSide == rules::GOTE) {
        終了("後手");
    }
    // 終了 may have reset the board (no game any more) or ended the program.
    if (s.sideToMove == rules::SENTE || s.sideToMove == rules::GOTE) {
        if (s.sideToMove == position_.bottomSide) {
            s.bottomClock += s.turnSeconds;
        } else {
            s.topClock += s.turnSeconds;
        }
        s.sideToMove = -s.sideToMove;
    }
    s.turnStart = clock_.secondsSinceMidnight();
    if (s.sideToMove != 0 && !shutDown_ && recordFull()) refuseFullRecord();
}

void Game::handOverToComputer(rules::PieceCode captured) {
    GameState& s = state_;
    timer_.setEnabled(false);
    s.bottomClock += s.turnSeconds;

    // A mated computer loses at once, just as one whose king was taken.
    com::勢力調査(position_, map_);
    const bool computerMated = com::詰めかCOM(position_, map_, position_.topSide) == 1;

    if (computerMated || captured == rules::敵王 || captured == rules::敵将) {
        終了("あなた");
        return;
    }
    if (position_.winnerSide == 0) {
        s.sideToMove = position_.topSide;
        com_ban();
    }
}

}  // namespace flow
