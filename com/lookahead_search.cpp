// Level 4's search.
//
// A negamax alpha-beta over both armies' moves as the game's own rules make them (board moves,
// promotions, drops for every army that may drop), on copies of the position (one per ply, made
// with 駒移動), so nothing is allocated while it runs. Taking a king ends the line at once: the
// side that can take it wins, the sooner the better, and a side with no move at all has lost.
//
// - Iterative deepening from depth 1 while the node budget lasts; the root moves are re-ordered
//   by the scores of the last depth, and a depth cut short keeps its best move so far only when
//   the previous best was searched first.
// - At depth 0 a quiescence of captures (stand pat on positionScore) settles exchanges, so a
//   capture that loses the piece back is seen as such.
// - Move order: a king capture first, then captures by most valuable victim and least valuable
//   attacker, the two killer moves of the ply, then quiet moves and drops by a history of the cuts
//   they made. Ties keep the generation order, so the result is the same on every run.
// - The budget is counted in nodes, never in time.
#include "com/lookahead_search.h"

#include <algorithm>
#include <cstdint>

#include "com/lookahead_eval.h"
#include "rules/make_move.h"
#include "rules/move_list.h"
#include "rules/pawn_files.h"

namespace com {
namespace {

using rules::Move;
using rules::PieceCode;

constexpr int kMate = 1000000;
constexpr int kInfinity = 2000000;
constexpr int kMateBound = kMate - 1000;  // scores beyond this are won or lost kings
constexpr int kMaxPly = 40;
constexpr int kMaxDepth = 10;
constexpr int kQuiescencePlies = 8;
constexpr int kStackSize = 24000;
constexpr int kTickNodes = 256;

struct Scored {
    Move move;
    std::int64_t key = 0;
};

class Lookahead {
  public:
    Lookahead(const rules::Position& pos, const SearchSettings& settings, SearchObserver* observer,
              long budget)
        : observer_(observer), budget_(budget) {
        stack_[0] = pos;
        rules::調査_2歩フラグ設定(stack_[0]);
        rights_.top = rules::armyMayDrop(pos, rules::kTopArmy, settings.chineseDrops);
        rights_.bottom = rules::armyMayDrop(pos, rules::kBottomArmy, settings.chineseDrops);
    }

    bool run(ComState& state) {
        const int first = top_;
        const int n = generate(0, rules::kTopArmy, false);
        if (n == 0) return false;
        Scored* root = moves_ + first;
        int best = 0;
        int bestScore = -kInfinity;
        for (int i = 0; i < n; ++i) {
            rootScore_[i] = 0;
            if (isKingCapture(0, root[i].move)) {
                std::swap(root[0], root[i]);
                bestScore = rootScore_[0] = kMate;
                return finish(state, root, n, 0, bestScore);
            }
        }
        sortByKey(root, n);
        for (int depth = 1; depth <= kMaxDepth; ++depth) {
            rootDepth_ = depth;
            int alpha = -kInfinity;
            int iterationBest = -1;
            for (int i = 0; i < n; ++i) {
                make(0, root[i].move);
                const int s = -search(1, depth - 1, -kInfinity, -alpha, rules::kBottomArmy);
                if (stopped_) break;
                rootScore_[i] = s;
                if (s > alpha) {
                    alpha = s;
                    iterationBest = i;
                }
            }
            // A depth cut short still counts when the previous best (searched first) finished.
            if (iterationBest >= 0) {
                best = iterationBest;
                bestScore = alpha;
            }
            if (stopped_) break;
            // The best move first for the next depth, the others by their scores.
            sortRootByScores(root, n, best);
            best = 0;
            if (bestScore >= kMateBound || bestScore <= -kMateBound) break;
        }
        return finish(state, root, n, best, bestScore);
    }

  private:
    bool finish(ComState& state, const Scored* root, int n, int best, int bestScore) {
        if (observer_ != nullptr) {
            for (int i = 0; i < n; ++i) {
                const Move& m = root[i].move;
                observer_->evaluated(m.fromX, m.fromY, m.toX, m.toY, m.after,
                                     rootScore_[i] / 100.0);
            }
        }
        const Move& m = root[best].move;
        state.best = ComMove{m.fromX, m.fromY, m.toX, m.toY, m.before, m.after};
        state.bestScore = bestScore / 100.0;
        state.hasBest = true;
        return true;
    }

    // Counts a node; true when the budget is spent (only from depth 2 on: depth 1 always ends).
    bool spent() {
        ++nodes_;
        if (observer_ != nullptr && nodes_ % kTickNodes == 0) observer_->tick();
        if (rootDepth_ > 1 && nodes_ >= budget_) stopped_ = true;
        return stopped_;
    }

    bool isKingCapture(int ply, const Move& m) const {
        return !m.isDrop() && rules::isKingKind(rules::magnitude(stack_[ply].board(m.toX, m.toY)));
    }

    // Generates the army's moves at ply onto the stack and gives each its ordering key. Returns
    // how many; top_ is advanced past them.
    int generate(int ply, int army, bool capturesOnly) {
        rules::Position& pos = stack_[ply];
        const int room = std::min(rules::kMaxMoves, kStackSize - top_);
        if (room <= 0) return 0;
        rules::MoveFilter filter;
        filter.capturesOnly = capturesOnly;
        filter.drops = army > 0 ? rights_.top : rights_.bottom;
        const int n = rules::generateMoves(pos, army, filter, buffer_, room);
        Scored* out = moves_ + top_;
        for (int i = 0; i < n; ++i) {
            out[i].move = buffer_[i];
            out[i].key = orderKey(ply, buffer_[i]) * 4096 + (4095 - i);
        }
        top_ += n;
        return n;
    }

    std::int64_t orderKey(int ply, const Move& m) const {
        if (!m.isDrop()) {
            const PieceCode victim = stack_[ply].board(m.toX, m.toY);
            if (victim != rules::空) {
                if (rules::isKingKind(rules::magnitude(victim))) return 3'000'000'000LL;
                return 2'000'000'000LL + materialValue(rules::magnitude(victim)) * 64 -
                       materialValue(rules::magnitude(m.before)) / 32;
            }
            if (m.after != m.before) return 1'900'000'000LL;  // a promotion
        }
        if (ply < kMaxPly && (m == killers_[ply][0] || m == killers_[ply][1])) {
            return 1'800'000'000LL + (m == killers_[ply][0] ? 1 : 0);
        }
        return history(m);
    }

    int history(const Move& m) const { return history_[m.after + 21][m.toX][m.toY]; }

    void rewardQuiet(int ply, const Move& m, int depth) {
        if (!m.isDrop() && stack_[ply].board(m.toX, m.toY) != rules::空) return;
        int& h = history_[m.after + 21][m.toX][m.toY];
        h = std::min(h + depth * depth, 1'000'000);
        if (ply < kMaxPly && !(m == killers_[ply][0])) {
            killers_[ply][1] = killers_[ply][0];
            killers_[ply][0] = m;
        }
    }

    static void sortByKey(Scored* moves, int n) {
        std::sort(moves, moves + n, [](const Scored& a, const Scored& b) { return a.key > b.key; });
    }

    void sortRootByScores(Scored* root, int n, int best) {
        for (int i = 0; i < n; ++i) {
            root[i].key = (i == best ? std::int64_t{kInfinity} : rootScore_[i]) * 4096 + (4095 - i);
        }
        // The scores travel with their moves.
        for (int i = 0; i < n; ++i) scoreByKey_[i] = rootScore_[i];
        int index[rules::kMaxMoves];
        for (int i = 0; i < n; ++i) index[i] = i;
        std::sort(index, index + n, [&](int a, int b) { return root[a].key > root[b].key; });
        for (int i = 0; i < n; ++i) {
            sorted_[i] = root[index[i]];
            rootScore_[i] = scoreByKey_[index[i]];
        }
        std::copy(sorted_, sorted_ + n, root);
    }

    // The child position of ply after m.
    void make(int ply, const Move& m) {
        rules::Position& child = stack_[ply + 1];
        child = stack_[ply];
        const PieceCode captured = m.isDrop() ? rules::空 : child.board(m.toX, m.toY);
        rules::駒移動(child, m.fromX, m.fromY, m.toX, m.toY, m.after);
        if (rules::magnitude(m.before) == rules::kind::歩 ||
            rules::magnitude(captured) == rules::kind::歩) {
            rules::調査_2歩フラグ設定(child);
        }
    }

    int search(int ply, int depth, int alpha, int beta, int army) {
        if (depth <= 0 || ply >= kMaxPly - kQuiescencePlies - 1) {
            return quiesce(ply, alpha, beta, army, 0);
        }
        if (spent()) return 0;
        const int first = top_;
        const int n = generate(ply, army, false);
        if (n == 0) {
            top_ = first;
            return -kMate + ply;
        }
        Scored* moves = moves_ + first;
        for (int i = 0; i < n; ++i) {
            if (isKingCapture(ply, moves[i].move)) {
                top_ = first;
                return kMate - ply;
            }
        }
        sortByKey(moves, n);
        int best = -kInfinity;
        for (int i = 0; i < n; ++i) {
            const Move m = moves[i].move;
            make(ply, m);
            const int s = -search(ply + 1, depth - 1, -beta, -alpha, -army);
            if (stopped_) break;
            if (s > best) best = s;
            if (s > alpha) alpha = s;
            if (alpha >= beta) {
                rewardQuiet(ply, m, depth);
                break;
            }
        }
        top_ = first;
        return best;
    }

    int quiesce(int ply, int alpha, int beta, int army, int qply) {
        if (spent()) return 0;
        const int standPat = army * positionScore(stack_[ply], rights_);
        if (standPat >= beta || qply >= kQuiescencePlies) return standPat;
        if (standPat > alpha) alpha = standPat;
        const int first = top_;
        const int n = generate(ply, army, true);
        Scored* moves = moves_ + first;
        for (int i = 0; i < n; ++i) {
            if (isKingCapture(ply, moves[i].move)) {
                top_ = first;
                return kMate - ply;
            }
        }
        sortByKey(moves, n);
        int best = standPat;
        for (int i = 0; i < n; ++i) {
            make(ply, moves[i].move);
            const int s = -quiesce(ply + 1, -beta, -alpha, -army, qply + 1);
            if (stopped_) break;
            if (s > best) best = s;
            if (s > alpha) alpha = s;
            if (alpha >= beta) break;
        }
        top_ = first;
        return best;
    }

    SearchObserver* observer_;
    long budget_;
    long nodes_ = 0;
    bool stopped_ = false;
    int rootDepth_ = 0;
    DropRights rights_;
    int top_ = 0;

    rules::Position stack_[kMaxPly + 1];
    Scored moves_[kStackSize];
    Move buffer_[rules::kMaxMoves];
    int rootScore_[rules::kMaxMoves] = {};
    int scoreByKey_[rules::kMaxMoves] = {};
    Scored sorted_[rules::kMaxMoves];
    Move killers_[kMaxPly][2] = {};
    int history_[43][10][10] = {};
};

}  // namespace

bool lookaheadBestMove(const rules::Position& pos, ComState& state, const SearchSettings& settings,
                       SearchObserver* observer, long nodeBudget) {
    state.bestScore = kNoScoreYet;
    state.hasBest = false;
    state.best = ComMove{};
    // A few hundred kilobytes on the stack: nothing is allocated, per turn or per node.
    Lookahead search(pos, settings, observer, nodeBudget);
    return search.run(state);
}

}  // namespace com
