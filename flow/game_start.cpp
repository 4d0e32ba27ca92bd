#include "flow/game.h"
#include "flow/texts.h"
#include "flow/turn_queries.h"
#include "record/record_text.h"
#include "rules/setup.h"

namespace flow {

namespace {

// The winner's sentences as 終了 makes them, so that the translation tools find them.
[[maybe_unused]] const char* const kWinnerSentences[] = {
    KZ_TEXT("Game", "先手の勝ちです"), KZ_TEXT("Game", "後手の勝ちです"),
    KZ_TEXT("Game", "あなたの勝ちです"), KZ_TEXT("Game", "ｺﾝﾋﾟｭｰﾀの勝ちです")};

// A new game starts with nothing held and no selection outline on the board or the stands.
void clearSelection(GameState& state, view::Screen& screen) {
    state.selectState = false;
    screen.描画_将棋盤桝();
    // The stands are drawn again with their plain outlines.
    screen.描画_自持盤();
    screen.描画_敵持盤();
}

// A new game starts without the header lines a read record printed.
void eraseRecordHeaders(RecordPanel& panel, MoveResultDisplay& lastMoves, int currentMove) {
    if (panel.eraseHeaders()) lastMoves.showLastMoves(currentMove);
}

// A game begins at the start of the record: the record is a new one. The game before it is not
// offered again, and the record is dated now. (A game resumed part-way keeps the date it had, or
// none.)
void beginNewRecord(RecordPanel& panel, record::MoveList& moves, platform::DayClock& clock) {
    panel.removeRecovery();
    moves.timeLoser = 0;
    const platform::LocalDateTime t = clock.dateAndTime();
    moves.startDate = record::dateText(t.year, t.month, t.day, t.hour, t.minute, t.second);
}

// A game starts or goes on at entry `entry`: the clocks take the time control and are shown.
void startClocks(Clocks& clocks, settings::Sounds& sounds, int entry) {
    clocks.takeControl(entry);
    clocks.setRecordControl(clocks.timeOf(true).control());
    if (!clocks.timed()) return;
    sounds.loadClockSounds();
    clocks.drawBoth();
}

}  // namespace

void Game::TAIKYOKU_Click() {
    panel_.hide();
}

void Game::MATCH_MAN_Click() {
    // A game starting stops the review at once; its results stay with the record.
    recordView_.stopReview();
    opponent_.stopComputer();
    // A game resumed part-way keeps its recovery record until its next move rewrites it.
    if (moves_.currentMove == 0) beginNewRecord(panel_, moves_, clock_);
    eraseRecordHeaders(panel_, lastMoves_, moves_.currentMove);
    clearSelection(state_, screen_);
    startClocks(clocks_, sounds_, moves_.currentMove);
    clocks_.startTurn();
    state_.gameMode = GameMode::TwoHumans;
    state_.recordAgainstComputer = false;
    state_.kifuMode = false;
    rules::調査_先手後手(position_);
    state_.sideToMove = sideToMoveAt(position_, moves_, moves_.currentMove);
    state_.resumePending = false;
    if (announceTakenKing()) return;
    if (recordFull(moves_)) {
        refuseFullRecord();
        return;
    }
    if (state_.sideToMove == rules::SENTE) {
        dialogs_.show(translated("Game", "先手の番です"), " ", platform::Buttons::Ok);
    } else if (state_.sideToMove == rules::GOTE) {
        dialogs_.show(translated("Game", "後手の番です"), " ", platform::Buttons::Ok);
    }
}

void Game::flagFell() {
    // The game ends here: no search of the computer's (its turn's or a hint's) goes on.
    opponent_.stopComputer();
    clocks_.run(false);
    sounds_.play(settings::Sound::TimeUp);
    const bool bottomLost = state_.sideToMove == position_.bottomSide;
    const rules::SideId winner = bottomLost ? position_.topSide : position_.bottomSide;
    moves_.timeLoser = -winner;
    std::string name = winner == rules::SENTE ? "先手" : "後手";
    if (state_.gameMode == GameMode::AgainstComputer) name = bottomLost ? "ｺﾝﾋﾟｭｰﾀ" : "あなた";
    終了(name, KZ_TEXT("Game", "時間切れ"));
}

void Game::START2_Click() {
    // A game starting stops the review at once; its results stay with the record.
    recordView_.stopReview();
    opponent_.stopComputer();
    if (moves_.currentMove == 0) beginNewRecord(panel_, moves_, clock_);
    eraseRecordHeaders(panel_, lastMoves_, moves_.currentMove);
    clearSelection(state_, screen_);
    screen_.描画_レベル(state_.comLevel);
    state_.gameMode = GameMode::AgainstComputer;
    state_.recordAgainstComputer = true;
    state_.kifuMode = false;
    moves_.lastMove = moves_.moveCount;
    recordView_.recordChanged();
    // Against the computer the turn is always measured, shown or not.
    startClocks(clocks_, sounds_, moves_.currentMove);
    clocks_.markTurnStart();
    clocks_.run(true);
    rules::調査_先手後手(position_);
    state_.sideToMove = sideToMoveAt(position_, moves_, moves_.currentMove);
    if (announceTakenKing()) return;
    if (recordFull(moves_)) {
        refuseFullRecord();
        return;
    }
    if (state_.sideToMove == position_.bottomSide) {
        dialogs_.show(translated("Game", "MANの番です"), " ", platform::Buttons::Ok);
        state_.resumePending = false;
    } else if (state_.sideToMove == position_.topSide) {
        opponent_.com_ban();
    }
}

void Game::終了(const std::string& name, const char* title) {
    // The winner's sentence is translated whole: the name alone would not read right.
    const std::string won = name + "の勝ちです";
    dialogs_.show(translated("Game", won.c_str()), translated("Game", title),
                  platform::Buttons::Ok);
    const platform::Answer again =
        dialogs_.show(translated("Game", "続けますか？"), translated("Game", "再ゲーム"),
                      platform::Buttons::YesNo);
    // The game is over either way: nothing is left to resume.
    panel_.removeRecovery();
    if (again == platform::Answer::Yes) {
        初期設定();
    } else {
        終了処理();
    }
}

}  // namespace flow
