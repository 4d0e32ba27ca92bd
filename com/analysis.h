// A game's review: every position of a game searched by the look-ahead with a larger budget, on
// as many threads as asked, and the moves that threw the advantage away marked.
//
// A position of the game is the one after n moves; the shogi army moves first, so it is to move
// in the even ones. Results depend on the node budget only, never on time or the thread count.
#pragma once

#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "com/com_state.h"
#include "com/search.h"
#include "com/search_context.h"
#include "rules/position.h"

namespace com {

// Nodes one position's search may visit: about a quarter of a second of one core here.
constexpr long kAnalysisNodes = 200'000;

// The review of one position, from the shogi army's side.
struct EntryAnalysis {
    bool done = false;  // the search finished (a search stopped part-way is not kept)
    double score = 0;   // in 歩: positive when the shogi army stands better
    // A forced king capture: the army that takes (+1 the shogi army, -1 the Chinese army, 0 none)
    // and the plies to it, the capture counted; 0 plies when a king is already gone or the army
    // to move has no move left.
    int mateArmy = 0;
    int matePlies = 0;
    bool hasMove = false;
    ComMove best;  // the best move of the army to move, in the position's own coordinates

    bool operator==(const EntryAnalysis&) const = default;
};

// The army to move in position n of a game: the shogi army in the even ones.
rules::SideId moverOfPosition(int n);

// One position searched for `mover` (pos's bottomSide or topSide) with the look-ahead's budget
// `nodes`, in context's memory. A stop set while it runs ends it early.
EntryAnalysis analysePosition(const rules::Position& pos, rules::SideId mover,
                              const SearchSettings& settings, SearchContext& context);

struct ReviewSettings {
    long nodes = kAnalysisNodes;
    bool chineseDrops = false;
    int threads = 0;  // 0: one per core
    // Set from any thread to end the review at once; entries not finished stay undone.
    const std::atomic<bool>* stop = nullptr;
    // After each finished entry: its index (its result is in place), the entries done and the
    // total. Called from the worker threads, one call at a time.
    std::function<void(int entry, int done, int total)> progress;
};

// Reviews every position of `game` whose result is not done yet: results is made as long as game
// (a result list of another length starts again), so a stopped review goes on where it ended.
// Each thread owns its search context and copies; nothing else is shared but the next index and
// the results, each written by one thread. Returns true when every entry is done.
bool reviewGame(const std::vector<rules::Position>& game, std::vector<EntryAnalysis>& results,
                const ReviewSettings& settings);

// The text form of a result, as the engine and kz-analyse print it: "analysis score S best FX FY
// TX TY" with S in hundredths of a 歩 from the shogi army's side, or "analysis mate N best ..."
// with N plies, positive when the shogi army takes; "best none" when there is no move.
std::string analysisLine(const EntryAnalysis& a);

// How the review judges a move.
enum class MoveMark { None, Dubious, Blunder };

// A move's loss for its mover, in 歩, beyond which it is marked: a piece left hanging costs at
// least a 士 or a 象 (2.3 歩), a small positional slip well under one 歩. Scores are clipped to
// ±kMarkClip first, so a won game's wobbles are not marked; a forced king capture counts as the
// clip, and one that was in reach and is missed is always a blunder.
constexpr double kDubiousLoss = 1.0;
constexpr double kBlunderLoss = 2.0;
constexpr double kMarkClip = 15.0;

// Element n judges move n (the one from position n - 1 to position n; element 0 is None). A move
// is judged only when both positions are done and it is not the best move of the position before.
std::vector<MoveMark> markMoves(const std::vector<rules::Position>& game,
                                const std::vector<EntryAnalysis>& results);

// The marked moves as one line: "marked 7?? 12?", or "marked none".
std::string marksLine(const std::vector<MoveMark>& marks);

}  // namespace com
