// The record as the window shows it beside and on the board: the move list's rows and the view
// told of every change, and the record's review (棋譜解析) with its better move outlined on the
// board on the position before a marked move.
#pragma once

#include <string>
#include <vector>

#include "flow/game_state.h"
#include "flow/move_outline.h"
#include "flow/position_editing.h"
#include "flow/record_listener.h"
#include "flow/review.h"
#include "platform/canvas.h"
#include "platform/gui_thread.h"
#include "record/move_list.h"
#include "record/move_list_rows.h"
#include "rules/position.h"
#include "settings/options.h"
#include "view/screen.h"

namespace flow {

class RecordView {
  public:
    // Without a GUI thread 棋譜解析 does nothing; the review searches `reviewNodes` in each entry.
    RecordView(const record::MoveList& moves, const rules::Position& position,
               const GameState& state, const settings::Options& options,
               const PositionEditing& editing, view::Screen& screen, platform::Canvas& canvas,
               platform::GuiThread* gui, long reviewNodes);
    RecordView(const RecordView&) = delete;
    RecordView& operator=(const RecordView&) = delete;

    // The move list beside the board (record_view.cpp). The listener is told whenever the list
    // or the entry shown changes.
    void setRecordListener(RecordListener* listener);
    std::vector<record::MoveListRow> moveListRows() const;
    // The entry shown.
    int currentEntry() const { return moves_.currentMove; }
    // The list or the entry shown changed: results found on another record are dropped, the
    // better move follows the entry shown, and the listener is told.
    void recordChanged();

    // 棋譜解析 (review_menu.cpp) reviews the record in memory off the GUI thread, or stops the
    // review that runs. Its results stay until the record changes.
    void KIFU_ANALYSE_Click();
    bool analysing() const { return review_.running(); }
    // "解析中 37 / 120" while the review runs; empty otherwise.
    std::string analysisProgress() const { return review_.progressText(); }
    ReviewCount analysisCount() const { return review_.progress(); }
    // One row per entry of the reviewed record (empty before a review), in the piece set's names.
    std::vector<ReviewRow> reviewRows() const;

    // A new game: the review of the record before it stops at once, and its results go.
    void clearReview() { review_.clear(); }
    // A game starts or the program ends: the review stops, its results staying with the record.
    void stopReview() { review_.stop(); }
    // The board and the whole record were turned: the results stay, turned with them.
    void turnRound();
    // The better move outlined once more after the board was drawn anew, or taken away as play
    // goes on from the position shown.
    void redrawBetterMove() { betterMove_.redraw(); }
    void eraseBetterMove() { betterMove_.erase(position_, state_); }

  private:
    // On the position before a move the review marked, that position's better move stands
    // outlined; anywhere else none does.
    void followBetterMove();

    const record::MoveList& moves_;
    const rules::Position& position_;
    const GameState& state_;
    const settings::Options& options_;
    const PositionEditing& editing_;
    RecordListener* recordListener_ = nullptr;
    // The review's better move on the board.
    MoveOutline betterMove_;
    // Last: its workers are stopped before anything they report to goes.
    Review review_;
};

}  // namespace flow
