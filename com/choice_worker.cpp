#include "com/choice_worker.h"

#include <utility>

namespace com {

void runChoiceJob(ChoiceJob& job, SearchContext* context, SearchObserver* observer) {
    if (!job.ownTurn) {
        job.choice = chooseMoveForSide(job.position, job.side, job.settings, context);
        return;
    }
    job.choice.found =
        chooseMove(job.position, job.map, job.state, job.settings, observer, context);
    job.choice.move = job.state.best;
    job.choice.score = job.state.bestScore;
}

ChoiceWorker::~ChoiceWorker() {
    stop();
}

void ChoiceWorker::start(std::shared_ptr<ChoiceJob> job, Done done) {
    stop();
    stop_ = false;
    job->settings.stop = &stop_;
    thread_ = std::thread([this, job = std::move(job), done = std::move(done)] {
        runChoiceJob(*job, &context_);
        // A stopped search still returns a move, but nobody waits for it any more.
        job->settings.stop = nullptr;
        if (!stop_) done(job);
    });
}

void ChoiceWorker::stop() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
}

}  // namespace com
