#include "flow/game.h"
#include "rules/setup.h"

namespace flow {

void Game::TAIKYOKU_Click() {
    hideFilePanel();
}

void Game::clearSelection() {
    state_.selectState = 0;
    screen_.描画_将棋盤桝();
    // The stands are drawn again with their plain outlines.
    screen_.描画_自持盤();
    screen_.描画_敵持盤();
}

void Game::MATCH_MAN_Click() {
    // A game begun at the start position is a new one: the game before it is not offered again.
    // A game resumed part-way keeps its recovery record until its next move rewrites it.
    if (moves_.currentMove == 0) removeRecovery();
    描画_棋譜読込み部分消去();
    clearSelection();
    state_.turnStart = clock_.secondsSinceMidnight();
    if (options_.elapsedTime) timer_.setEnabled(true);
    state_.gameMode = 0;
    state_.kifuMode = 0;
    rules::調査_先手後手(position_);
    state_.sideToMove = sideToMoveAt(moves_.currentMove);
    state_.resumePending = 0;
    if (announceTakenKing()) return;
    if (recordFull()) {
        refuseFullRecord();
        return;
    }
    if (state_.sideToMove == rules::SENTE) {
        dialogs_.show("先手の番です", " ", platform::Buttons::Ok);
    } else if (state_.sideToMove == rules::GOTE) {
        dialogs_.show("後手の番です", " ", platform::Buttons::Ok);
    }
}

void Game::START2_Click() {
    if (moves_.currentMove == 0) removeRecovery();
    描画_棋譜読込み部分消去();
    clearSelection();
    screen_.描画_レベル(state_.comLevel);
    state_.gameMode = 1;
    state_.kifuMode = 0;
    moves_.lastMove = moves_.moveCount;
    recordChanged();
    state_.turnStart = clock_.secondsSinceMidnight();
    timer_.setEnabled(true);
    rules::調査_先手後手(position_);
    state_.sideToMove = sideToMoveAt(moves_.currentMove);
    if (announceTakenKing()) return;
    if (recordFull()) {
        refuseFullRecord();
        return;
    }
    if (state_.sideToMove == position_.bottomSide) {
        dialogs_.show("MANの番です", " ", platform::Buttons::Ok);
        state_.resumePending = 0;
    } else if (state_.sideToMove == position_.topSide) {
        com_ban();
    }
}

void Game::終了(const std::string& name) {
    dialogs_.show(name + "の勝ちです", "終了", platform::Buttons::Ok);
    const platform::Answer again =
        dialogs_.show("続けますか？", "再ゲーム", platform::Buttons::YesNo);
    // The game is over either way: nothing is left to resume.
    removeRecovery();
    if (again == platform::Answer::Yes) {
        初期設定();
    } else {
        終了処理();
    }
}

}  // namespace flow
