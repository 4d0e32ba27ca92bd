// Record mode: a record read from the panel or pasted, or one the recovery record gives back, put
// on the board to be stepped through.
#include "flow/game.h"
#include "flow/texts.h"
#include "rules/setup.h"

namespace flow {

void Game::KIFU_READ_Click() {
    // A read record takes the place of the game on the board: the player says whether the moves
    // played may go.
    if (state_.sideToMove != 0 && !state_.kifuMode && moves_.lastMove >= 1 &&
        dialogs_.show(translated("Game", "対局中です。棋譜を読み込みますか？"),
                      translated("Game", "棋譜"),
                      platform::Buttons::YesNo) != platform::Answer::Yes) {
        return;
    }
    panel_.KIFU_READ_Click();
}

void Game::showReadRecord(const record::KifuLoad& loaded) {
    enterRecordMode(loaded);
    if (!panel_.announceRead()) return;
    rules::調査_先手後手(position_);
    state_.sideToMove = moves_.startSide;
}

void Game::showPastedRecord(const record::KifuLoad& loaded, rules::SideId sideToMoveAtStart) {
    enterRecordMode(loaded);
    recordView_.recordChanged();
    canvas_.repaintNow();
    if (!loaded.entries.empty()) panel_.announceRead();
    state_.sideToMove = sideToMoveAtStart;
}

void Game::offerRecovery() {
    const std::optional<record::KifuLoad> loaded = panel_.offerRecovery();
    if (!loaded) return;
    enterRecordMode(*loaded);
    rules::調査_先手後手(position_);
    // The last entry is shown as that many steps of 進 would show it.
    const int n = moves_.lastMove;
    moves_.currentMove = n;
    moves_.moveCount = n;
    showEntry(n);
    screen_.描画_手数(n);
    // Each step of 進 from the start hands the move to the other army.
    state_.sideToMove = n % 2 == 0 ? moves_.startSide : -moves_.startSide;
    canvas_.repaintNow();
}

void Game::enterRecordMode(const record::KifuLoad& loaded) {
    // The record goes in first: the reset then lays out its start the way its moves were played.
    record::applyTo(loaded, moves_);
    // A record file does not say what its game was played to.
    clocks_.setRecordControl({});
    state_.recordAgainstComputer = false;
    初期設定();
    state_.kifuMode = true;
    panel_.printHeaders(loaded.headers);
    recordView_.recordChanged();
}

}  // namespace flow
