// The computer's choice made on a thread of its own, for a caller that must not wait for it (the
// window while a look-ahead level thinks). The job carries everything the search touches: its own
// copy of the position, and for the computer's own turn the influence map and turn state, which
// come back updated with the answer. The worker keeps one search memory for all its jobs.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

#include "com/choose_move.h"
#include "com/com_state.h"
#include "com/influence_map.h"
#include "com/search.h"
#include "com/search_context.h"
#include "rules/position.h"

namespace com {

struct ChoiceJob {
    rules::Position position;
    rules::SideId side = 0;
    SearchSettings settings;
    // True: the top army's turn proper (chooseMove), reading and updating map and state. False: a
    // look aside for the army `side` (chooseMoveForSide), which leaves them alone.
    bool ownTurn = false;
    InfluenceMap map;
    ComState state;
    // The answer, once the job has run.
    Choice choice;
};

// Runs job as the computer's choice would on the calling thread, in context's memory (a fresh
// one when none is given); the observer hears the evaluations of the computer's own turn.
void runChoiceJob(ChoiceJob& job, SearchContext* context, SearchObserver* observer = nullptr);

class ChoiceWorker {
  public:
    // Hears a job answered, on the worker's thread.
    using Done = std::function<void(std::shared_ptr<ChoiceJob>)>;

    ChoiceWorker() = default;
    ~ChoiceWorker();
    ChoiceWorker(const ChoiceWorker&) = delete;
    ChoiceWorker& operator=(const ChoiceWorker&) = delete;

    // Starts job on a new thread (a job still running is stopped first); `done` hears it answered
    // unless it is stopped before.
    void start(std::shared_ptr<ChoiceJob> job, Done done);
    // Ends the running job at once and waits for its thread: `done` has either run by then or
    // never will.
    void stop();

  private:
    std::atomic<bool> stop_{false};
    SearchContext context_;
    std::thread thread_;
};

}  // namespace com
