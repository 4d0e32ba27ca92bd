// The computer player's costs on the position suite in data/positions.txt (seeded random play,
// the top army to move): one influence survey, one evaluation, and one whole turn's search at
// each level with Chinese drops on and off (level 4 looks ahead within a fixed node budget).
//
// The whole-turn benchmarks also time every position on its own and report, over the suite, the
// median and the slowest position's median time as counters (median_us, max_us), and the
// number of allocations one pass over the suite makes (allocations). The look-ahead levels also
// report their speed (nodes_per_s) and the nodes of one pass over the suite (nodes): that count
// is the same on every machine, so a change of the search shows in it at once. Those times are the
// thread's CPU time, so that other work on a shared machine does not count.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "com/choose_move.h"
#include "com/evaluation.h"
#include "com/influence_survey.h"
#include "com/lookahead_search.h"
#include "record/entry_line.h"
#include "record/position_line.h"
#include "rules/move_check.h"

// Every allocation of the program is counted, so a turn can show that it allocates nothing. The
// replacements pair malloc with free themselves.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
std::atomic<long> gAllocations{0};

void* operator new(std::size_t n) {
    ++gAllocations;
    if (void* p = std::malloc(n == 0 ? 1 : n)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace {

struct Suite {
    std::vector<rules::Position> positions;

    Suite() {
        std::ifstream in(std::string(KZ_BENCH_DATA) + "/positions.txt");
        for (std::string line; std::getline(in, line);) {
            if (line.empty()) continue;
            rules::Position pos;
            if (!record::readPosition(line, pos)) throw std::runtime_error("bad line");
            positions.push_back(pos);
        }
        if (positions.size() < 50) throw std::runtime_error("the suite needs 50 positions");
    }
};

const Suite& suite() {
    static const Suite s;
    return s;
}

void BM_Survey(benchmark::State& state) {
    std::vector<rules::Position> positions = suite().positions;
    com::InfluenceMap map;
    std::size_t i = 0;
    for (auto _ : state) {
        com::勢力調査(positions[i], map);
        benchmark::DoNotOptimize(map.ownAttacks(5, 5));
        if (++i == positions.size()) i = 0;
    }
}
BENCHMARK(BM_Survey);

// One evaluation at level 3 of the first legal candidate of each position.
void BM_Evaluation(benchmark::State& state) {
    struct Prepared {
        rules::Position pos;
        com::InfluenceMap map;
        com::ComState st;
        com::ComMove move;
    };
    std::vector<Prepared> prepared;
    for (const rules::Position& p : suite().positions) {
        Prepared e{p, {}, {}, {}};
        com::勢力調査(e.pos, e.map);
        com::openTurn(e.pos, e.map, e.st);
        bool found = false;
        for (int x = 1; x <= 9 && !found; ++x) {
            for (int y = 1; y <= 9 && !found; ++y) {
                const rules::PieceCode c = e.pos.board(x, y);
                if (c < 1) continue;
                for (int tx = 1; tx <= 9 && !found; ++tx) {
                    for (int ty = 1; ty <= 9 && !found; ++ty) {
                        if (rules::移動チェック(e.pos, x, y, tx, ty, c) != 1) continue;
                        e.move = {x, y, tx, ty, c, c};
                        found = true;
                    }
                }
            }
        }
        if (!found) continue;
        const com::ComMove& m = e.move;
        e.st.movingPiece = m.before;
        e.move.after = e.pos.board(m.toX, m.toY);  // what it captures
        e.pos.board(m.fromX, m.fromY) = 0;
        e.pos.board(m.toX, m.toY) = m.before;
        com::勢力調査(e.pos, e.map);
        prepared.push_back(e);
    }
    std::size_t i = 0;
    for (auto _ : state) {
        Prepared& e = prepared[i];
        com::EvalContext ctx{e.pos, e.map, e.st, 3};
        const com::ComMove& m = e.move;
        benchmark::DoNotOptimize(
            com::盤評価(ctx, m.after, m.before, m.fromX, m.fromY, m.toX, m.toY));
        if (++i == prepared.size()) i = 0;
    }
}
BENCHMARK(BM_Evaluation);

// The CPU time this thread has used, in microseconds.
double threadMicros() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e6 + static_cast<double>(t.tv_nsec) / 1e3;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void BM_Turn(benchmark::State& state) {
    com::SearchSettings settings;
    settings.comLevel = static_cast<int>(state.range(0));
    settings.chineseDrops = state.range(1) != 0;
    std::vector<rules::Position> positions = suite().positions;
    std::vector<std::vector<double>> times(positions.size());
    com::InfluenceMap map;
    com::ComState st;
    com::SearchContext context;
    double nodes = 0;
    double micros = 0;
    for (auto _ : state) {
        for (std::size_t i = 0; i < positions.size(); ++i) {
            const double start = threadMicros();
            com::chooseMove(positions[i], map, st, settings, nullptr, &context);
            times[i].push_back(threadMicros() - start);
            micros += times[i].back();
            nodes += static_cast<double>(context.nodes());
            benchmark::DoNotOptimize(st.bestScore);
        }
    }
    // One more pass over the suite, counting allocations (none are expected) and, for the
    // look-ahead levels, the nodes: a signature of the search that any change of it shows.
    const long allocationsBefore = gAllocations.load();
    double signature = 0;
    for (rules::Position& pos : positions) {
        com::chooseMove(pos, map, st, settings, nullptr, &context);
        signature += static_cast<double>(context.nodes());
    }
    state.counters["allocations"] = static_cast<double>(gAllocations.load() - allocationsBefore);
    if (com::looksAhead(settings.comLevel))
        state.SetLabel("nodes " + std::to_string(static_cast<long>(signature)));
    if (com::looksAhead(settings.comLevel)) state.counters["nodes_per_s"] = nodes / micros * 1e6;
    std::vector<double> perPosition;
    for (const std::vector<double>& t : times) perPosition.push_back(median(t));
    state.counters["median_us"] = median(perPosition);
    state.counters["max_us"] = *std::max_element(perPosition.begin(), perPosition.end());
    state.counters["positions"] = static_cast<double>(positions.size());
}
BENCHMARK(BM_Turn)
    ->ArgsProduct({{1, 2, 3, 4, 5}, {0, 1}})
    ->ArgNames({"level", "drops"})
    ->Unit(benchmark::kMillisecond);

}  // namespace
