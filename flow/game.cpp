#include "flow/game.h"

#include "flow/turn_queries.h"
#include "rules/board_flip.h"
#include "rules/setup.h"
#include "settings/settings_file.h"
#include "view/layout.h"

namespace flow {

namespace {

std::string settingsFolderOf(const Boundaries& outside) {
    return outside.settingsFolder.empty() ? outside.folder : outside.settingsFolder;
}

}  // namespace

Game::Game(const Boundaries& outside)
    : canvas_(outside.canvas),
      pausingDialogs_(outside.dialogs, clocks_),
      dialogs_(pausingDialogs_),
      frame_(outside.frame),
      clock_(outside.clock),
      screen_(outside.canvas, outside.clock, position_, options_),
      sounds_(outside.soundLibrary, outside.dialogs, outside.folder),
      clocks_(outside.clock, outside.timer, outside.canvas, screen_, position_, options_),
      computer_(screen_, outside.canvas, pausingDialogs_, options_, outside.guiThread),
      panel_(outside.filePanel, outside.folder,
             outside.keepsRecovery ? settingsFolderOf(outside) + "/" + kRecoveryFileName
                                   : std::string(),
             outside.dialogs, screen_, outside.canvas, options_, moves_, position_, *this),
      menu_(
          options_, screen_, outside.canvas, outside.frame, sounds_, outside.dialogs,
          settingsFolderOf(outside) + "/" + settings::kSettingsFileName, outside.systemLanguage,
          [this] { 画面_再描画(); }, clocks_, panel_, state_, moves_, *this),
      editing_(position_, moves_, state_, options_, screen_, outside.canvas, sounds_, dialogs_,
               clocks_, *this),
      opponent_(position_, moves_, state_, options_, screen_, outside.canvas, sounds_, clocks_,
                computer_, lastMoves_, menu_, *this),
      handicap_(position_, moves_, state_, options_, screen_, sounds_, dialogs_, panel_, opponent_,
                recordView_),
      clipboard_(outside.clipboard, position_, moves_, state_, options_, clocks_, sounds_, dialogs_,
                 panel_, computer_, *this),
      recordView_(moves_, position_, state_, options_, editing_, screen_, outside.canvas,
                  outside.guiThread, outside.reviewNodes) {}

void Game::Form_Load() {
    // The first message may come from the sound library, so the language comes first.
    menu_.applyStartLanguage();
    sounds_.startUp(frame_.handle());

    // Fixed values.
    position_.bottomSide = rules::SENTE;
    position_.topSide = rules::GOTE;
    state_.comLevel = com::kStartLevel;
    state_.checkedLevel = com::kStartLevel;
    moves_.lastMove = 0;
    state_.kifuMode = false;
    options_.guidance = false;
    options_.guidanceColour = settings::kOutlineColour;
    options_.boardTop = settings::kDropsOnLayout.boardTop;
    canvas_.fill(kWindowColour, 0, 0, canvas_.widthTwips(), canvas_.heightTwips());

    初期設定();
    menu_.loadSettings();
    // The level picked in an earlier run, if any.
    if (options_.comLevel) opponent_.レベル_設定(*options_.comLevel);
    画面_再描画();

    if (!frame_.maximized()) frame_.setWidthTwips(view::kWindowWidth);
}

void Game::初期設定() {
    // A new game: the review of the record before it stops at once, and its results go.
    recordView_.clearReview();
    state_.handicapGrade = 0;
    state_.handicapSet = false;
    position_.winnerSide = 0;
    state_.sideToMove = 0;
    // The reset lays out the shogi army at the bottom, so both side ids go back with it.
    position_.bottomSide = rules::SENTE;
    position_.topSide = rules::GOTE;

    moves_.currentMove = 0;
    moves_.moveCount = 0;
    state_.reversed = false;
    state_.kifuMode = false;
    state_.gameMode = GameMode::TwoHumans;
    state_.resumePending = false;
    state_.selectState = false;
    clocks_.reset();
    // A new game: no king square or computer's turn of the game before may linger, and no
    // answer asked for in it is heard.
    computer_.cancel();
    computer_.reset();

    // A record set up in the position editor starts from its own entry 0, whichever way up.
    if (moves_.setUpStart) {
        restoreEntry(0);
        settle(position_);
        state_.reversed = rules::wayUp(position_.board) == -1;
        画面_再描画();
        recordView_.recordChanged();
        return;
    }
    rules::layOutStartPosition(position_);
    // Entry 0 is the start of the record kept: one played on a turned board starts from the
    // start position turned the same way, so stepping into move 1 shows that move.
    if (moves_.lastMove >= 1 && rules::wayUp(moves_[1].boardAt) == -1) {
        rules::flipPosition(position_);
        rules::調査_先手後手(position_);
        state_.reversed = true;
    }
    record::MoveEntry& start = moves_[moves_.currentMove];
    start.boardAt = position_.board;
    start.ownHandAt = position_.ownHand;
    start.enemyHandAt = position_.enemyHand;
    画面_再描画();
    recordView_.recordChanged();
}

void Game::画面_再描画() {
    if (editing_.editing()) {
        editing_.drawEditor();
        return;
    }
    screen_.描画_背景(options_.background);
    screen_.描画_桝_数値();
    screen_.描画_自持盤();
    screen_.描画_敵持盤();
    screen_.描画_盤();
    clocks_.drawBoth();
    if (state_.gameMode == GameMode::AgainstComputer) screen_.描画_レベル(state_.comLevel);
    if (state_.handicapSet) screen_.描画_ハンデレベル(state_.handicapGrade);
    screen_.描画_絵(settings::kTitlePicture, 10.8, -1);
    if (opponent_.computerThinking()) computer_.showThinking();
    recordView_.redrawBetterMove();
    canvas_.repaintNow();
}

void Game::終了処理() {
    // Every way out comes here; the sounds are freed once, and the window is asked to close
    // once the current event is over.
    if (shutDown_) return;
    shutDown_ = true;
    recordView_.stopReview();
    opponent_.stopComputer();
    clocks_.run(false);
    sounds_.終了処理();
    frame_.quit();
}

void Game::Form_Unload() {
    終了処理();
}

void Game::Form_KeyPress(int key) {
    if (key == kEscapeKey) 終了処理();
    if (key == kHintKey || key == kHintKey + ('a' - 'A')) opponent_.HINT_Click();
}

void Game::OWARI_Click() {
    終了処理();
}

void Game::Timer1_Timer() {
    switch (clocks_.tick(state_.sideToMove)) {
        case ClockEvent::None:
            break;
        case ClockEvent::Countdown:
            sounds_.play(settings::Sound::ClockTick);
            break;
        case ClockEvent::FlagFell:
            // A search that answers before its move is made has the computer's flag looked at
            // once the move is made; one on the worker thread is ended by the flag.
            if (opponent_.computerThinking() || !(state_.gameMode == GameMode::AgainstComputer &&
                                                  state_.sideToMove == position_.topSide))
                flagFell();
            break;
    }
}

}  // namespace flow
