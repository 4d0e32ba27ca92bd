// The review of the benchmark game (data/review_game.棋譜, a seeded game of about 120 entries):
// the whole game on every core, timed by the wall clock, and one entry's search on one thread,
// timed by that thread's CPU, which is what the review's node budget is chosen by.
#include <benchmark/benchmark.h>

#include <ctime>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "com/analysis.h"
#include "record/entry_position.h"
#include "record/kifu_file.h"

namespace {

std::vector<rules::Position> benchmarkGame() {
    const record::KifuLoad loaded = record::load(std::string(KZ_BENCH_DATA) + "/review_game.棋譜");
    if (!loaded.status) throw std::runtime_error(record::describe(loaded.status));
    auto list = std::make_unique<record::MoveList>();
    record::applyTo(loaded, *list);
    record::layOutStartEntry(*list);
    return record::positionsOf(*list, list->lastMove);
}

double threadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + t.tv_nsec * 1e-9;
}

// The whole game at the default budget on every core.
void BM_ReviewGame(benchmark::State& state) {
    const std::vector<rules::Position> game = benchmarkGame();
    std::vector<com::MoveMark> marks;
    for (auto _ : state) {
        std::vector<com::EntryAnalysis> results;
        com::reviewGame(game, results, com::ReviewSettings{});
        marks = com::markMoves(game, results);
    }
    int marked = 0;
    for (com::MoveMark m : marks) marked += m != com::MoveMark::None;
    state.counters["entries"] = static_cast<double>(game.size());
    state.counters["threads"] = std::thread::hardware_concurrency();
    state.counters["marked"] = marked;
}
BENCHMARK(BM_ReviewGame)->Iterations(1)->UseRealTime()->Unit(benchmark::kSecond);

// One entry in every ten on this thread, as one worker searches it: the mean CPU time per entry
// and the nodes of the whole set (a signature: it changes only when the search does).
void BM_AnalyseEntry(benchmark::State& state) {
    const std::vector<rules::Position> game = benchmarkGame();
    com::SearchContext context;
    com::SearchSettings settings;
    settings.nodes = com::kAnalysisNodes;
    long nodes = 0;
    int entries = 0;
    const double start = threadSeconds();
    for (auto _ : state) {
        nodes = 0;
        entries = 0;
        for (std::size_t n = 0; n < game.size(); n += 10) {
            benchmark::DoNotOptimize(com::analysePosition(
                game[n], com::moverOfPosition(static_cast<int>(n)), settings, context));
            nodes += context.nodes();
            ++entries;
        }
    }
    state.counters["per_entry_ms"] = 1000.0 * (threadSeconds() - start) / entries;
    state.counters["nodes"] = static_cast<double>(nodes);
}
BENCHMARK(BM_AnalyseEntry)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
