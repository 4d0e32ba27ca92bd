// The handicap buttons: △ and ▽ take the top army's pieces off the untouched start one grade at a
// time (or put them back), and the grade shown turns over with a flipped board.
#pragma once

#include "flow/computer_opponent.h"
#include "flow/game_state.h"
#include "flow/record_panel.h"
#include "flow/record_view.h"
#include "platform/dialogs.h"
#include "record/move_list.h"
#include "rules/position.h"
#include "settings/options.h"
#include "settings/sounds.h"
#include "view/screen.h"

namespace flow {

class HandicapButtons {
  public:
    // A press puts the file panel away and ends a search of the computer's in progress, its
    // answer unheard; the move list's start row names the grade.
    HandicapButtons(rules::Position& position, record::MoveList& moves, GameState& state,
                    const settings::Options& options, view::Screen& screen,
                    settings::Sounds& sounds, platform::Dialogs& dialogs, RecordPanel& panel,
                    ComputerOpponent& opponent, RecordView& recordView);
    HandicapButtons(const HandicapButtons&) = delete;
    HandicapButtons& operator=(const HandicapButtons&) = delete;

    void LBEL_UP_Click();
    void LEBEL_DOWN_Click();
    // For the flip, once the board is turned: a grade that is shown turns over with it.
    void negateHandicapGrade();

  private:
    void handicapClick(int direction);

    rules::Position& position_;
    record::MoveList& moves_;
    GameState& state_;
    const settings::Options& options_;
    view::Screen& screen_;
    settings::Sounds& sounds_;
    platform::Dialogs& dialogs_;
    RecordPanel& panel_;
    ComputerOpponent& opponent_;
    RecordView& recordView_;
};

}  // namespace flow
