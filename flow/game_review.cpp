#include "flow/game_review.h"

#include <utility>

#include "com/choose_move.h"

namespace flow {

GameReview::GameReview(platform::GuiThread& gui, ReviewListener& listener)
    : gui_(gui), listener_(listener), self_(std::make_shared<GameReview*>(this)) {}

GameReview::~GameReview() {
    stop();
    self_.reset();
}

void GameReview::start(std::vector<rules::Position> game, bool chineseDrops, long nodes) {
    stop();
    if (game != game_) {
        game_ = std::move(game);
        results_.assign(game_.size(), com::EntryAnalysis{});
    }
    stop_ = false;
    running_ = true;
    const int generation = ++generation_;
    std::weak_ptr<GameReview*> self = self_;
    com::ReviewSettings settings;
    settings.nodes = nodes;
    settings.chineseDrops = chineseDrops;
    settings.stop = &stop_;
    // The worker's own copies: the game and the results so far.
    worker_ =
        std::thread([this, settings, generation, self, game = game_, results = results_]() mutable {
            settings.progress = [&](int entry, int done, int total) {
                const com::EntryAnalysis result = results[entry];
                gui_.post([self, generation, entry, result, done, total] {
                    if (auto p = self.lock()) (*p)->deliver(generation, entry, result, done, total);
                });
            };
            const bool complete = com::reviewGame(game, results, settings);
            gui_.post([self, generation, complete] {
                if (auto p = self.lock()) (*p)->ended(generation, complete);
            });
        });
}

void GameReview::stop() {
    stop_ = true;
    if (worker_.joinable()) worker_.join();
    if (running_) {
        running_ = false;
        ++generation_;
    }
}

void GameReview::turnRound(std::vector<rules::Position> game) {
    stop();
    game_ = std::move(game);
    for (com::EntryAnalysis& r : results_) {
        if (r.hasMove) r.best = com::turnedMove(r.best);
    }
}

void GameReview::clear() {
    stop();
    game_.clear();
    results_.clear();
}

void GameReview::deliver(int generation, int entry, const com::EntryAnalysis& result, int done,
                         int total) {
    if (generation != generation_) return;
    results_[entry] = result;
    listener_.reviewProgress(done, total);
}

void GameReview::ended(int generation, bool complete) {
    if (generation != generation_) return;
    if (worker_.joinable()) worker_.join();
    running_ = false;
    listener_.reviewEnded(complete);
}

}  // namespace flow
