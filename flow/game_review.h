// The review of the game in memory, run off the GUI thread: the positions of the record go to a
// worker that searches them on every core; each finished entry comes back to the GUI thread as a
// message, with the progress. Stopping is at once: the worker is told, waited for, and whatever
// it posted after that goes unheard. The results stay until they are cleared (the record changed).
#pragma once

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

#include "com/analysis.h"
#include "platform/gui_thread.h"
#include "rules/position.h"

namespace flow {

// Hears a review on the GUI thread.
class ReviewListener {
  public:
    virtual ~ReviewListener() = default;
    // An entry's result is in; `done` of `total` entries are.
    virtual void reviewProgress(int done, int total) = 0;
    // The worker has ended: every entry is done (complete) or it was stopped.
    virtual void reviewEnded(bool complete) = 0;
};

class GameReview {
  public:
    GameReview(platform::GuiThread& gui, ReviewListener& listener);
    ~GameReview();
    GameReview(const GameReview&) = delete;
    GameReview& operator=(const GameReview&) = delete;

    // Reviews `game` (position n: after n moves). The same game again goes on from the entries
    // already done; another one starts afresh. A review already running is stopped first.
    void start(std::vector<rules::Position> game, bool chineseDrops,
               long nodes = com::kAnalysisNodes);
    // Ends the worker at once; the entries done so far are kept.
    void stop();
    // The board was turned round: `game` is the same game seen from the other end. The results
    // are kept with their moves turned; a running review is stopped.
    void turnRound(std::vector<rules::Position> game);
    // Forgets every result (a new move, a takeback, a load): a running review is stopped.
    void clear();
    bool running() const { return running_; }

    // On the GUI thread: the results delivered so far (one per position of the game) and the
    // marks they give.
    const std::vector<com::EntryAnalysis>& results() const { return results_; }
    std::vector<com::MoveMark> marks() const { return com::markMoves(game_, results_); }

  private:
    void deliver(int generation, int entry, const com::EntryAnalysis& result, int done, int total);
    void ended(int generation, bool complete);

    platform::GuiThread& gui_;
    ReviewListener& listener_;
    std::vector<rules::Position> game_;
    std::vector<com::EntryAnalysis> results_;
    bool running_ = false;
    // Messages carry the generation of the run that posted them; only the current one's count.
    int generation_ = 0;
    std::atomic<bool> stop_{false};
    std::thread worker_;
    // Messages posted while this object is gone go unheard: they hold only a weak reference.
    std::shared_ptr<GameReview*> self_;
};

}  // namespace flow
