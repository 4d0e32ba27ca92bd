// Record mode: a record read from the panel, or one the recovery record gives back, put on the
// board to be stepped through; and the 棋譜 menu's other entries, which the panel carries out.
#include <algorithm>

#include "flow/game.h"
#include "record/entry_destination.h"
#include "rules/setup.h"

namespace flow {

void Game::KIFU_READ_Click() {
    panel_.KIFU_READ_Click();
}

void Game::KIFU_WRITE_Click() {
    panel_.KIFU_WRITE_Click();
}

void Game::Dir1_Change() {
    panel_.Dir1_Change();
}

void Game::Command1_Click() {
    panel_.Command1_Click();
}

void Game::File1_Click() {
    const std::optional<record::KifuLoad> loaded = panel_.readSelected();
    if (!loaded) return;
    enterRecordMode(*loaded);
    if (!panel_.announceRead()) return;
    rules::調査_先手後手(position_);
    state_.sideToMove = moves_.startSide;
}

void Game::offerRecovery() {
    const std::optional<record::KifuLoad> loaded = panel_.offerRecovery();
    if (!loaded) return;
    enterRecordMode(*loaded);
    rules::調査_先手後手(position_);
    showLastEntry();
}

void Game::enterRecordMode(const record::KifuLoad& loaded) {
    // The record goes in first: the reset then lays out its start the way its moves were played.
    record::applyTo(loaded, moves_);
    初期設定();
    state_.kifuMode = true;
    panel_.printHeaders(loaded.headers);
    recordChanged();
}

void Game::showLastEntry() {
    const int n = moves_.lastMove;
    moves_.currentMove = n;
    moves_.moveCount = n;
    showEntry(n, moves_[n].topAfter, moves_[n].bottomAfter);
    screen_.描画_手数(n);
    // The last move of each army is shown beside the board, as stepping there leaves it.
    for (int m = std::max(1, n - 1); m <= n; ++m) {
        int x = 0, y = 0;
        rules::PieceCode piece = rules::空;
        record::調査_移動結果(moves_, m, x, y, piece);
        描画_移動結果(rules::isTop(piece) ? position_.topSide : position_.bottomSide, x, y, piece,
                      kMarkColour);
    }
    // Each step of 進 from the start hands the move to the other army.
    state_.sideToMove = n % 2 == 0 ? moves_.startSide : -moves_.startSide;
    canvas_.repaintNow();
}

}  // namespace flow
