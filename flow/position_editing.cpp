// Edit mode: presses go to the editor, the screen shows the board, the hand stands, the palette
// and a caption, and 完了 turns what was set up into the start of a new record.
#include "flow/position_editing.h"

#include <cmath>

#include "flow/game.h"
#include "flow/texts.h"
#include "flow/turn_queries.h"
#include "record/position_fault_text.h"
#include "rules/position_check.h"
#include "view/layout.h"
#include "view/palette.h"

namespace flow {

PositionEditing::PositionEditing(rules::Position& position, record::MoveList& moves,
                                 GameState& state, const settings::Options& options,
                                 view::Screen& screen, platform::Canvas& canvas,
                                 settings::Sounds& sounds, platform::Dialogs& dialogs,
                                 Clocks& clocks, EditingHost& game)
    : position_(position),
      moves_(moves),
      state_(state),
      options_(options),
      screen_(screen),
      canvas_(canvas),
      sounds_(sounds),
      dialogs_(dialogs),
      clocks_(clocks),
      game_(game) {}

void PositionEditing::editPosition() {
    if (editor_.editing()) return;
    // Nothing of the game goes on while the position is set up: no clock, no computer's answer.
    const bool wasPlaying = game_.suspendGame();
    beforeEditing_ =
        std::make_unique<BeforeEditing>(BeforeEditing{position_, moves_, state_, wasPlaying});
    state_.selectState = false;
    const rules::SideId side = state_.sideToMove != 0
                                   ? state_.sideToMove
                                   : sideToMoveAt(position_, moves_, moves_.currentMove);
    editor_.begin(side);
    drawEditor();
}

void PositionEditing::editStartPosition() {
    if (!editor_.editing()) return;
    editor_.layOutStart();
    drawEditor();
}

void PositionEditing::editClear() {
    if (!editor_.editing()) return;
    editor_.clear();
    drawEditor();
}

void PositionEditing::editSideToMove() {
    if (!editor_.editing()) return;
    editor_.switchSide();
    drawEditor();
}

void PositionEditing::editFlip() {
    if (!editor_.editing()) return;
    editor_.flip();
    drawEditor();
}

void PositionEditing::editDone() {
    if (!editor_.editing()) return;
    const rules::SideId side = editor_.sideToMove();
    const rules::PositionFault fault = rules::checkPosition(position_, side);
    if (!fault.ok()) {
        sounds_.play(settings::Sound::禁止);
        dialogs_.show(record::describe(fault, translated), translated("Game", "完了"),
                      platform::Buttons::Ok);
        return;
    }
    // A new record begins at the position set up: entry 0 holds it, and the reset that follows
    // lays it out as a freshly set-up game.
    moves_.setUpStart = !isUsualStart(position_, side);
    moves_.startSide = moves_.setUpStart ? side : rules::SENTE;
    moves_.startMoveNumber = 1;
    moves_.startDate.clear();
    moves_.lastMove = 0;
    moves_.currentMove = 0;
    moves_.moveCount = 0;
    moves_[0] = record::MoveEntry{position_.board, position_.ownHand, position_.enemyHand};
    clocks_.setRecordControl({});
    state_.recordAgainstComputer = false;
    editor_.end();
    beforeEditing_.reset();
    game_.初期設定();
}

void PositionEditing::editCancel() {
    if (!editor_.editing() || !beforeEditing_) return;
    position_ = beforeEditing_->position;
    moves_ = beforeEditing_->moves;
    state_ = beforeEditing_->state;
    // A game that was being played waits for a press to go on, as after a step of 戻 or 進.
    if (beforeEditing_->wasPlaying) state_.resumePending = true;
    editor_.end();
    beforeEditing_.reset();
    game_.showRestoredGame();
}

void PositionEditing::drawEditor() {
    screen_.描画_背景(options_.background);
    screen_.描画_桝_数値();
    screen_.描画_自持盤();
    screen_.描画_敵持盤();
    screen_.描画_盤();
    int x = 0, y = 0;
    if (editor_.lifted(x, y)) screen_.描画_桝輪郭(kSelectColour, x, y);
    screen_.drawPalette(editor_.heldSlot());
    screen_.drawEditCaption(editor_.sideToMove());
    screen_.描画_絵(settings::kTitlePicture, 10.8, -1);
    canvas_.repaintNow();
}

void PositionEditing::editPress(int button, double xTwips, double yTwips) {
    const double fc = std::floor((xTwips - view::kBoardLeft) / view::kSquareWidth);
    const double fr = std::floor((yTwips - options_.boardTop) / view::kSquareHeight);
    if (!(std::abs(fc) <= 100 && std::abs(fr) <= 100)) return;
    const int c = static_cast<int>(fc), r = static_cast<int>(fr);
    const int slot = view::paletteCellAt(c, r);
    if (rules::Board::onBoard(c, r)) {
        editor_.pressSquare(button == kRightButton, c, r);
    } else if (slot >= 0) {
        editor_.pressPalette(slot, view::paletteCode(slot));
    } else if (c == rules::kBottomHandX || c == rules::kTopHandX) {
        const bool bottom = c == rules::kBottomHandX;
        const int k = bottom ? r : view::topStandCell(r);
        if (k < 1 || k > rules::kHandSize) return;
        // A stand the game does not show (Chinese drops off) takes nothing.
        const int held = rules::handIndexOfKind(rules::magnitude(editor_.heldCode()));
        const int cell = editor_.heldCode() != rules::空 ? held : k;
        if (cell == 0 || !standCellOpen(position_, options_, c, cell) ||
            !editor_.pressStand(bottom, k)) {
            sounds_.play(settings::Sound::禁止);
            return;
        }
    } else {
        return;
    }
    drawEditor();
}

bool Game::suspendGame() {
    panel_.hide();
    computer_.eraseHint(position_, state_);
    recordView_.eraseBetterMove();
    const bool wasPlaying = gameBeingPlayed(state_, moves_);
    clocks_.run(false);
    opponent_.stopComputer();
    return wasPlaying;
}

void Game::showRestoredGame() {
    画面_再描画();
    screen_.描画_手数(moves_.moveCount);
    lastMoves_.showLastMoves(moves_.currentMove);
    recordView_.recordChanged();
}

}  // namespace flow
