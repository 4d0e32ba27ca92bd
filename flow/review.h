// The review of the record in memory as the game shows it: started and stopped from the 棋譜
// menu, its progress, and each entry's score, mark and better move as rows beside the move list.
// The results belong to the record they were found on: once its positions change (a new move, a
// takeback, a load, a new game) they are dropped, and a running review is stopped.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "com/analysis.h"
#include "flow/game_review.h"
#include "platform/gui_thread.h"
#include "platform/piece_set.h"
#include "rules/position.h"

namespace flow {

// What the review says of one entry of the move list.
struct ReviewRow {
    bool done = false;
    // The entry's score from the shogi army's side, clipped to ±com::kMarkClip (a forced king
    // capture counts as the clip): what the graph draws.
    double graphScore = 0;
    std::string score;  // "+3.5", "-玉取 5手"; empty while not done
    com::MoveMark mark = com::MoveMark::None;
    std::string better;  // for a marked move, the better one: "→ ７六 歩"
};

// How far a running review has come: entries done of the total.
struct ReviewCount {
    int done = 0;
    int total = 0;
};

// "??" for a blunder, "?" for a dubious move, "" otherwise.
const char* markText(com::MoveMark mark);

class Review : private ReviewListener {
  public:
    // Without a GUI thread to hear the workers, nothing is reviewed. `changed` runs on the GUI
    // thread whenever a result comes in or the review starts, stops or is dropped.
    Review(platform::GuiThread* gui, long nodes, std::function<void()> changed);
    ~Review() override;

    // Starts on `game` (position n: after n moves), or stops a review that runs.
    void toggle(std::vector<rules::Position> game, bool chineseDrops);
    void stop();
    // Stops and drops every result (a new game).
    void clear();
    // The board was turned round: `game` is the reviewed one seen from the other end. The
    // results stay, their better moves turned with the board, and a running review goes on.
    void turnRound(std::vector<rules::Position> game);
    // Drops the results when `game` is not the one they were found on.
    void follow(const std::vector<rules::Position>& game);
    bool running() const;
    bool hasResults() const;
    // "解析中 37 / 120" while running; empty otherwise.
    std::string progressText() const;
    ReviewCount progress() const { return {done_, total_}; }
    // One row per entry of the reviewed game.
    std::vector<ReviewRow> rows(platform::PieceSet set) const;
    // The better move of position n when the move played from it (move n + 1) is marked.
    std::optional<com::ComMove> betterMoveAt(int n) const;

  private:
    void reviewProgress(int done, int total) override;
    void reviewEnded(bool complete) override;

    long nodes_;
    bool chineseDrops_ = false;
    std::function<void()> changed_;
    std::unique_ptr<GameReview> review_;
    std::vector<rules::Position> game_;
    int done_ = 0;
    int total_ = 0;
};

}  // namespace flow
