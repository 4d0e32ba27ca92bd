// Copy and paste: the position shown as its notation, the whole record as its text, and a paste
// of either (or of a record file's text) put on the board as a read record is, in record mode.
#pragma once

#include "flow/clocks.h"
#include "flow/computer_player.h"
#include "flow/game_state.h"
#include "flow/record_panel.h"
#include "platform/clipboard.h"
#include "platform/dialogs.h"
#include "record/move_list.h"
#include "rules/position.h"
#include "settings/options.h"
#include "settings/sounds.h"

namespace flow {

class ClipboardCommands {
  public:
    // Without a clipboard, copy and paste do nothing. A pasted record goes to `reader`.
    ClipboardCommands(platform::Clipboard* clipboard, const rules::Position& position,
                      const record::MoveList& moves, const GameState& state,
                      const settings::Options& options, Clocks& clocks, settings::Sounds& sounds,
                      platform::Dialogs& dialogs, RecordPanel& panel, ComputerPlayer& computer,
                      RecordReader& reader);
    ClipboardCommands(const ClipboardCommands&) = delete;
    ClipboardCommands& operator=(const ClipboardCommands&) = delete;

    void COPY_POSITION_Click();
    void COPY_RECORD_Click();
    // A text that does not read changes nothing and asks nothing; one that reads ends a game
    // being played only if the player says so.
    void PASTE_Click();

  private:
    platform::Clipboard* clipboard_;
    const rules::Position& position_;
    const record::MoveList& moves_;
    const GameState& state_;
    const settings::Options& options_;
    Clocks& clocks_;
    settings::Sounds& sounds_;
    platform::Dialogs& dialogs_;
    RecordPanel& panel_;
    ComputerPlayer& computer_;
    RecordReader& reader_;
};

}  // namespace flow
