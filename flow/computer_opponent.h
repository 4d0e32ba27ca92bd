// The computer as the human's opponent: its level (COM対局ﾚﾍﾞﾙ), its turns in a game against it,
// and the hint it gives a human whose turn it is. The computer player chooses the moves; this plays
// them on the game's board, records and announces them, and hands the turn back.
#pragma once

#include <string>

#include "flow/clocks.h"
#include "flow/computer_player.h"
#include "flow/game_state.h"
#include "flow/move_result_display.h"
#include "flow/option_menu.h"
#include "flow/texts.h"
#include "record/move_list.h"
#include "rules/position.h"
#include "settings/options.h"
#include "settings/sounds.h"
#include "view/screen.h"

namespace flow {

// What the computer's turn asks of the game around it: the record, the end of a game, the tick.
class TurnHost {
  public:
    // Writes the board and hands into the record's current entry and makes it the last; false
    // for an entry past the end of the list.
    virtual bool 手順保存(double bottomBefore, double bottomAfter, double topBefore,
                          double topAfter) = 0;
    // The stop of a game whose list has no room for another move.
    virtual void refuseFullRecord() = 0;
    // End of a game: announces the winner and asks whether to play on.
    virtual void 終了(const std::string& name, const char* title = KZ_TEXT("Game", "終了")) = 0;
    // The mover's time ran out.
    virtual void flagFell() = 0;
    // The 50 ms tick: the search's reports stand in for it while the computer thinks.
    virtual void Timer1_Timer() = 0;

  protected:
    ~TurnHost() = default;
};

class ComputerOpponent : private MoveListener {
  public:
    ComputerOpponent(rules::Position& position, record::MoveList& moves, GameState& state,
                     const settings::Options& options, view::Screen& screen,
                     platform::Canvas& canvas, settings::Sounds& sounds, Clocks& clocks,
                     ComputerPlayer& computer, MoveResultDisplay& lastMoves, OptionMenu& menu,
                     TurnHost& game);
    ComputerOpponent(const ComputerOpponent&) = delete;
    ComputerOpponent& operator=(const ComputerOpponent&) = delete;

    // COM対局ﾚﾍﾞﾙ (levels.cpp): the level picked is kept for the next start.
    void LEVEL1_Click();
    void LEVEL2_Click();
    void LEVEL3_Click();
    void LEVEL4_Click();
    void LEVEL5_Click();
    // Sets level n (a number out of range ticks none) and shows it in a game against the computer.
    void レベル_設定(int n);

    // The hint: the computer's choice for the army to move, shown without playing it.
    void HINT_Click();

    // The computer's turn (computer_turn.cpp): asks the computer player for the top army's move,
    // then plays it, records and announces it, and hands the turn back to the human.
    void com_ban();
    // The hand-over of a game against the computer once the human has moved.
    void handOverToComputer(rules::PieceCode captured);
    // Asks the computer player for the top army's move under the options as they stand.
    void askComputer();
    // True while the computer's own move is being chosen on the worker thread.
    bool computerThinking() const;
    // Ends the computer's search, the turn's or the hint's, at once: its answer is never heard.
    void stopComputer();
    // The player that chooses the computer's moves and the hint.
    const ComputerPlayer& computer() const { return computer_; }

  private:
    void levelClick(int n);
    void thinking() override;
    void moveChosen(const MoveAnswer& answer) override;

    rules::Position& position_;
    record::MoveList& moves_;
    GameState& state_;
    const settings::Options& options_;
    view::Screen& screen_;
    platform::Canvas& canvas_;
    settings::Sounds& sounds_;
    Clocks& clocks_;
    ComputerPlayer& computer_;
    MoveResultDisplay& lastMoves_;
    OptionMenu& menu_;
    TurnHost& game_;
};

}  // namespace flow
