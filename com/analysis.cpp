// One position's search and the whole game's on worker threads.
#include "com/analysis.h"

#include <algorithm>
#include <mutex>
#include <thread>

#include "com/choose_move.h"
#include "com/lookahead_search.h"
#include "rules/setup.h"

namespace com {
namespace {

// +1 for the shogi army, -1 for the Chinese army.
int armyOf(rules::SideId side) {
    return side == rules::SENTE ? 1 : -1;
}

// The army whose king alone is left on the board (+1 shogi, -1 Chinese), 0 while both stand.
int armyLeftAlone(const rules::Board& board) {
    bool shogiKing = false, chineseKing = false;
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            const int k = rules::magnitude(board(x, y));
            if (k == rules::kind::王) shogiKing = true;
            if (k == rules::kind::将) chineseKing = true;
        }
    }
    if (shogiKing == chineseKing) return 0;
    return shogiKing ? 1 : -1;
}

}  // namespace

rules::SideId moverOfPosition(int n) {
    return n % 2 == 0 ? rules::SENTE : rules::GOTE;
}

EntryAnalysis analysePosition(const rules::Position& pos, rules::SideId mover,
                              const SearchSettings& settings, SearchContext& context) {
    EntryAnalysis a;
    a.done = true;
    // A game that ended with a king taken: the army left with its king has won.
    if (const int winner = armyLeftAlone(pos.board); winner != 0) {
        a.mateArmy = winner;
        return a;
    }
    SearchSettings s = settings;
    s.comLevel = kLookaheadLevel;
    const Choice c = chooseMoveForSide(pos, mover, s, &context);
    const int sign = armyOf(mover);
    if (!c.found) {
        // An army with no move at all has lost.
        a.mateArmy = -sign;
        return a;
    }
    a.hasMove = true;
    a.best = c.move;
    a.score = sign * c.score;
    if (const int plies = kingCapturePlies(c.score); plies != 0) {
        a.mateArmy = plies > 0 ? sign : -sign;
        a.matePlies = plies > 0 ? plies : -plies;
    }
    return a;
}

bool reviewGame(const std::vector<rules::Position>& game, std::vector<EntryAnalysis>& results,
                const ReviewSettings& settings) {
    const int total = static_cast<int>(game.size());
    if (results.size() != game.size()) results.assign(game.size(), EntryAnalysis{});
    std::vector<int> todo;
    for (int n = 0; n < total; ++n) {
        if (!results[n].done) todo.push_back(n);
    }
    std::atomic<int> next{0};
    int done = total - static_cast<int>(todo.size());  // counted under `reporting`
    std::mutex reporting;
    const auto stopped = [&] {
        return settings.stop != nullptr && settings.stop->load(std::memory_order_relaxed);
    };
    const auto work = [&] {
        SearchContext context;
        SearchSettings search;
        search.nodes = settings.nodes;
        search.chineseDrops = settings.chineseDrops;
        search.stop = settings.stop;
        for (;;) {
            const int i = next.fetch_add(1);
            if (i >= static_cast<int>(todo.size()) || stopped()) return;
            const int n = todo[i];
            const EntryAnalysis a = analysePosition(game[n], moverOfPosition(n), search, context);
            // A search cut short by the stop gives a weaker answer: it is not kept.
            if (stopped()) return;
            results[n] = a;
            const std::lock_guard<std::mutex> lock(reporting);
            ++done;
            if (settings.progress) settings.progress(n, done, total);
        }
    };
    int threads = settings.threads > 0 ? settings.threads
                                       : static_cast<int>(std::thread::hardware_concurrency());
    threads = std::clamp(threads, 1, std::max(1, static_cast<int>(todo.size())));
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t) workers.emplace_back(work);
    for (std::thread& w : workers) w.join();
    return done == total;
}

}  // namespace com
