// The computer's choice on a worker thread, as the window asks for it at the levels that look
// ahead: the answer is the one chosen at once, the turn's map and state come back with it, and a
// job stopped or left running when the worker goes is never heard. Run under ThreadSanitizer.
#include "com/choice_worker.h"

#include <gtest/gtest.h>

#include <atomic>
#include <future>

#include "com/lookahead_search.h"
#include "rules/setup.h"

namespace {

std::shared_ptr<com::ChoiceJob> openingJob(int level) {
    auto job = std::make_shared<com::ChoiceJob>();
    job->position.bottomSide = rules::SENTE;
    job->position.topSide = rules::GOTE;
    rules::layOutStartPosition(job->position);
    job->side = rules::GOTE;
    job->settings.comLevel = level;
    job->ownTurn = true;
    return job;
}

TEST(ChoiceWorker, AnswersAsAtOnceWithTheTurnsMapAndState) {
    com::ChoiceJob atOnce = *openingJob(com::kLookaheadLevel);
    com::SearchContext context;
    com::runChoiceJob(atOnce, &context);
    ASSERT_TRUE(atOnce.choice.found);

    com::ChoiceWorker worker;
    std::promise<std::shared_ptr<com::ChoiceJob>> heard;
    worker.start(openingJob(com::kLookaheadLevel),
                 [&](std::shared_ptr<com::ChoiceJob> done) { heard.set_value(done); });
    const std::shared_ptr<com::ChoiceJob> done = heard.get_future().get();
    worker.stop();
    EXPECT_TRUE(done->choice.found);
    EXPECT_EQ(done->choice.move, atOnce.choice.move);
    EXPECT_EQ(done->choice.score, atOnce.choice.score);
    EXPECT_EQ(done->map, atOnce.map);
    EXPECT_EQ(done->state, atOnce.state);
}

TEST(ChoiceWorker, AJobStoppedOrLeftRunningIsNeverHeard) {
    std::atomic<int> heard{0};
    const auto count = [&](std::shared_ptr<com::ChoiceJob>) { ++heard; };
    {
        com::ChoiceWorker worker;
        worker.start(openingJob(com::kLevel5), count);
        worker.stop();
        worker.start(openingJob(com::kLevel5), count);  // the worker goes while it thinks
    }
    EXPECT_EQ(heard, 0);
}

}  // namespace
