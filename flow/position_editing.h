// Edit mode: the window's part of the position editor. 局面編集 turns the window into edit mode,
// where presses set up a position; 完了 makes an accepted one the start of a new record, 取消 puts
// back everything as it was before. The screen shows the board, the hand stands, the palette and
// a caption while editing.
#pragma once

#include <memory>

#include "flow/clocks.h"
#include "flow/game_state.h"
#include "flow/position_editor.h"
#include "platform/canvas.h"
#include "platform/dialogs.h"
#include "record/move_list.h"
#include "rules/position.h"
#include "settings/options.h"
#include "settings/sounds.h"
#include "view/screen.h"

namespace flow {

// What edit mode asks of the game around it.
class EditingHost {
  public:
    // Editing begins: the file panel and a hint go, and nothing of the game goes on (no clock, no
    // computer's answer). True when a game was being played.
    virtual bool suspendGame() = 0;
    // The new game that 完了 starts on the record set up (its entry 0).
    virtual void 初期設定() = 0;
    // The game 取消 put back, shown whole with its move count and its record.
    virtual void showRestoredGame() = 0;

  protected:
    ~EditingHost() = default;
};

class PositionEditing {
  public:
    PositionEditing(rules::Position& position, record::MoveList& moves, GameState& state,
                    const settings::Options& options, view::Screen& screen,
                    platform::Canvas& canvas, settings::Sounds& sounds, platform::Dialogs& dialogs,
                    Clocks& clocks, EditingHost& game);
    PositionEditing(const PositionEditing&) = delete;
    PositionEditing& operator=(const PositionEditing&) = delete;

    void editPosition();
    void editStartPosition();
    void editClear();
    void editSideToMove();
    void editFlip();
    void editDone();
    void editCancel();
    bool editing() const { return editor_.editing(); }
    const PositionEditor& editor() const { return editor_; }

    // Edit mode's screen, and a press on it (positions in twips of the client area).
    void drawEditor();
    void editPress(int button, double xTwips, double yTwips);

  private:
    rules::Position& position_;
    record::MoveList& moves_;
    GameState& state_;
    const settings::Options& options_;
    view::Screen& screen_;
    platform::Canvas& canvas_;
    settings::Sounds& sounds_;
    platform::Dialogs& dialogs_;
    Clocks& clocks_;
    EditingHost& game_;
    PositionEditor editor_{position_};
    // What 取消 puts back: the game as it was when editing began.
    struct BeforeEditing {
        rules::Position position;
        record::MoveList moves;
        GameState state;
        bool wasPlaying = false;
    };
    std::unique_ptr<BeforeEditing> beforeEditing_;
};

}  // namespace flow
