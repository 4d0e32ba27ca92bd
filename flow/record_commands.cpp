// The move list: recording each move, stepping back and forth through it, back to the start
// position, and turning the board.
#include <utility>

#include "flow/game.h"
#include "flow/texts.h"
#include "flow/turn_queries.h"
#include "record/entry_destination.h"
#include "rules/board_flip.h"
#include "rules/setup.h"

namespace flow {

namespace {

// One recorded position as the turned board shows it: rotated with every sign turned, and the
// hands and clocks of the two armies exchanged.
void turnEntry(record::MoveEntry& e) {
    rules::Position p;
    p.board = e.boardAt;
    p.ownHand = e.ownHandAt;
    p.enemyHand = e.enemyHandAt;
    rules::flipPosition(p);
    e.boardAt = p.board;
    e.ownHandAt = p.ownHand;
    e.enemyHandAt = p.enemyHand;
    std::swap(e.bottomBefore, e.topBefore);
    std::swap(e.bottomAfter, e.topAfter);
}

}  // namespace

void Game::STOP_Click() {
    panel_.hide();
}

bool Game::手順保存(double bottomBefore, double bottomAfter, double topBefore, double topAfter) {
    const int n = moves_.currentMove;
    if (n < 0 || n > record::kMaxEntry) return false;
    record::MoveEntry& e = moves_[n];
    e.boardAt = position_.board;
    e.ownHandAt = position_.ownHand;
    e.enemyHandAt = position_.enemyHand;
    e.bottomBefore = bottomBefore;
    e.bottomAfter = bottomAfter;
    e.topBefore = topBefore;
    e.topAfter = topAfter;
    moves_.lastMove = n;
    moves_.timeLoser = 0;
    clocks_.keepEntry(n, state_.sideToMove == position_.bottomSide);
    recordView_.recordChanged();
    panel_.writeRecovery();
    return true;
}

void Game::refuseFullRecord() {
    clocks_.run(false);
    sounds_.play(settings::Sound::禁止);
    dialogs_.show(translated("Game", "これ以上記録できません"), translated("Game", "棋譜"),
                  platform::Buttons::Ok);
    state_.selectState = false;
    screen_.描画_将棋盤桝();
    if (rules::isDropFrom(state_.fromX)) {
        screen_.描画_桝輪郭(settings::kOutlineColour, state_.fromX, state_.fromY);
    }
}

void Game::restoreEntry(int n) {
    const record::MoveEntry& e = moves_[n];
    position_.board = e.boardAt;
    position_.ownHand = e.ownHandAt;
    position_.enemyHand = e.enemyHandAt;
    // The armies' ends are read off the position stepped onto, so stands, clocks and move
    // results go to the army that stands there.
    rules::調査_先手後手(position_);
    position_.enemyHandTotal = rules::調査_持駒数(position_, position_.topSide);
    position_.ownHandTotal = rules::調査_持駒数(position_, position_.bottomSide);
}

void Game::showEntry(int n) {
    const rules::SideId bottomWas = position_.bottomSide;
    restoreEntry(n);
    // A record turned part-way (an older file) puts the armies at the other ends: everything
    // beside the board is drawn anew for them.
    if (position_.bottomSide != bottomWas) 画面_再描画();
    clocks_.restoreEntry(n);
    clocks_.show(moves_[n].topAfter, moves_[n].bottomAfter);
    screen_.描画_自持盤();
    screen_.描画_敵持盤();
    screen_.描画_盤();
    lastMoves_.showLastMoves(n);
}

void Game::CANCEL_Click() {
    初期設定();
    sounds_.play(settings::Sound::駒打音);
}

void Game::REPLAY_Click() {
    // A step takes the game off the move being thought about: a press resumes it.
    opponent_.stopComputer();
    panel_.hide();
    state_.resumePending = true;
    if (moves_.currentMove < 1) {
        sounds_.play(settings::Sound::禁止);
        dialogs_.show(translated("Game", "できません"), translated("Game", "戻る"),
                      platform::Buttons::Ok);
        return;
    }
    state_.selectState = false;
    clocks_.run(false);
    screen_.描画_将棋盤桝();

    // The move taken back is heard once more.
    int x = 0, y = 0;
    rules::PieceCode piece = rules::空;
    record::調査_移動結果(moves_, moves_.currentMove, x, y, piece);
    sounds_.駒移動音(piece);
    showEntry(moves_.currentMove - 1);

    --moves_.currentMove;
    --moves_.moveCount;
    state_.sideToMove = -state_.sideToMove;
    screen_.描画_手数(moves_.moveCount);
    recordView_.recordChanged();
}

void Game::AFTER_Click() {
    opponent_.stopComputer();
    panel_.hide();
    if (state_.sideToMove == 0) {
        sounds_.play(settings::Sound::禁止);
        dialogs_.show(translated("Game", "「対局」で始めて下さい"), translated("Game", "開始"),
                      platform::Buttons::Ok);
        return;
    }
    state_.resumePending = true;
    if (moves_.currentMove >= moves_.lastMove) {
        if (state_.kifuMode) {
            dialogs_.show(translated("Game", "終わり"), translated("Game", "進む"),
                          platform::Buttons::Ok);
        } else {
            sounds_.play(settings::Sound::禁止);
            dialogs_.show(translated("Game", "できません"), translated("Game", "進む"),
                          platform::Buttons::Ok);
        }
        return;
    }
    state_.selectState = false;
    clocks_.run(false);
    screen_.描画_将棋盤桝();

    ++moves_.currentMove;
    ++moves_.moveCount;
    screen_.描画_手数(moves_.moveCount);
    const int n = moves_.currentMove;
    showEntry(n);

    int x = 0, y = 0;
    rules::PieceCode piece = rules::空;
    record::調査_移動結果(moves_, n, x, y, piece);
    sounds_.駒移動音(piece);

    state_.sideToMove = -state_.sideToMove;
    screen_.描画_手数(moves_.moveCount);
    recordView_.recordChanged();
}

void Game::stepToEntry(int n) {
    // One step of 戻 or 進 at a time, each with its own sound, until entry n is shown or a step
    // is refused.
    while (n != moves_.currentMove && !shutDown_) {
        const int before = moves_.currentMove;
        if (n < before) {
            REPLAY_Click();
        } else {
            AFTER_Click();
        }
        if (moves_.currentMove == before) break;
    }
}

void Game::REVERSE_Click() {
    if (state_.kifuMode) {
        sounds_.play(settings::Sound::禁止);
        dialogs_.show(translated("Game", "棋譜ﾓｰﾄﾞではできません"), translated("Game", "反転"),
                      platform::Buttons::Ok);
        return;
    }
    opponent_.stopComputer();
    state_.reversed = true;
    state_.selectState = false;
    rules::flipPosition(position_);
    // The whole record turns with the board, hands and clocks included: stepping through it,
    // saving it and finding the side to move from it then all see the armies where they now
    // stand, and no captured piece or thinking time passes to the other army.
    for (int n = 0; n <= moves_.lastMove; ++n) turnEntry(moves_[n]);
    // The review's results stay with the record, turned with it.
    recordView_.turnRound();
    clocks_.exchange();
    rules::調査_先手後手(position_);
    画面_再描画();
    screen_.描画_手数(moves_.moveCount);
    handicap_.negateHandicapGrade();
    sounds_.play(settings::Sound::駒打音);
    // The board is only seen from the other end: the army to move keeps the move.
    recordView_.recordChanged();
}

}  // namespace flow
