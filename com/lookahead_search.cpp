// Level 4's search.
//
// A negamax alpha-beta over both armies' moves as the game's own rules make them (board moves,
// promotions, drops for every army that may drop), on copies of the position (one per ply, made
// with 駒移動), so nothing is allocated while it runs. Taking a king ends the line at once: the
// side that can take it wins, the sooner the better, and a side with no move at all has lost.
//
// - Iterative deepening from depth 1 while the node budget lasts (the first depth always ends).
//   The previous best move is searched first; a depth cut short keeps the best of the moves it
//   finished.
// - At depth 0 a quiescence of captures (stand pat on positionScore) settles exchanges, so a
//   capture that loses the piece back is seen as such; captures that cannot reach alpha even
//   unanswered are left out.
// - A king under attack gets one more ply. A table of positions already searched (by a 64-bit
//   key) gives bounds and the move to try first. A pass that still leaves the score above beta
//   cuts the node; late quiet moves that do not attack the king are searched shallower first;
//   all but the first move get a null window; one ply from the horizon quiet moves that cannot
//   reach alpha are skipped.
// - Move order: the table's move, a king capture, captures by most valuable victim and least
//   valuable attacker, promotions, the two killer moves of the ply, then quiet moves and drops
//   by a history of the cuts they made. Ties keep the generation order.
// - The budget is counted in nodes, never in time: the same position always gives the same move.
#include "com/lookahead_search.h"

#include <algorithm>
#include <cstdint>

#include "com/lookahead_eval.h"
#include "com/position_hash.h"
#include "rules/make_move.h"
#include "rules/move_check.h"
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
constexpr int kFutilityMargin = 150;
constexpr int kDeltaMargin = 200;

// A king's square (x = 0 when the army has none).
struct King {
    int x = 0, y = 0;
};

// Ordering keys from here up are captures and promotions; quiet moves and drops stay below.
constexpr std::int64_t kTableMoveKey = 4'000'000'000LL * 4096;
constexpr std::int64_t kCaptureKeys = 1'900'000'000LL * 4096;

// A position searched before: its best move and score, and how far it was searched.
enum class Bound : std::int8_t { None, Exact, Lower, Upper };
struct TableEntry {
    std::uint64_t key = 0;
    int score = 0;
    Move move;
    std::int8_t depth = 0;
    Bound bound = Bound::None;
};
constexpr std::size_t kTableSize = 1 << 14;

// A king taken sooner is worth more: the table keeps such scores counted from its own position.
int toTable(int s, int ply) {
    return s >= kMateBound ? s + ply : s <= -kMateBound ? s - ply : s;
}
int fromTable(int s, int ply) {
    return s >= kMateBound ? s - ply : s <= -kMateBound ? s + ply : s;
}

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
        for (int x = 1; x <= 9; ++x) {
            for (int y = 1; y <= 9; ++y) {
                const PieceCode c = pos.board(x, y);
                if (rules::isKingKind(rules::magnitude(c))) kings_[0][c > 0 ? 1 : 0] = King{x, y};
            }
        }
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
                int s = 0;
                if (i == 0) {
                    s = child(0, root[i].move, depth - 1, -kInfinity, kInfinity, rules::kTopArmy);
                } else {
                    s = child(0, root[i].move, depth - 1, alpha, alpha + 1, rules::kTopArmy);
                    if (!stopped_ && s > alpha) {
                        s = child(0, root[i].move, depth - 1, alpha, kInfinity, rules::kTopArmy);
                    }
                }
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
        kings_[ply + 1][0] = kings_[ply][0];
        kings_[ply + 1][1] = kings_[ply][1];
        if (rules::isKingKind(rules::magnitude(m.before))) {
            kings_[ply + 1][m.before > 0 ? 1 : 0] = King{m.toX, m.toY};
        }
        const PieceCode captured = m.isDrop() ? rules::空 : child.board(m.toX, m.toY);
        rules::駒移動(child, m.fromX, m.fromY, m.toX, m.toY, m.after);
        if (rules::magnitude(m.before) == rules::kind::歩 ||
            rules::magnitude(captured) == rules::kind::歩) {
            rules::調査_2歩フラグ設定(child);
        }
    }

    // Whether a piece of army could move onto (x, y) in the position at ply.
    bool attacked(int ply, int x, int y, int army) const {
        const rules::Position& pos = stack_[ply];
        for (int px = 1; px <= 9; ++px) {
            for (int py = 1; py <= 9; ++py) {
                const PieceCode c = pos.board(px, py);
                if (c * army > 0 && rules::移動チェック(pos, px, py, x, y, c) == 1) return true;
            }
        }
        return false;
    }

    bool inCheck(int ply, int army) const {
        const King& k = kings_[ply][army > 0 ? 1 : 0];
        return k.x != 0 && attacked(ply, k.x, k.y, -army);
    }

    // One child searched with the window (alpha, beta) at the depth left.
    int child(int ply, const Move& m, int depth, int alpha, int beta, int army) {
        make(ply, m);
        return visit(ply, depth, alpha, beta, army);
    }

    // The child already made at ply + 1, searched again.
    int visit(int ply, int depth, int alpha, int beta, int army) {
        return -search(ply + 1, depth, -beta, -alpha, -army, true);
    }

    // Whether the piece m has just moved (position at ply) could take the other army's king.
    bool givesCheck(int ply, const Move& m, int army) const {
        const King& k = kings_[ply][army > 0 ? 0 : 1];
        return k.x != 0 && rules::移動チェック(stack_[ply], m.toX, m.toY, k.x, k.y, m.after) == 1;
    }

    int search(int ply, int depth, int alpha, int beta, int army, bool mayPass) {
        if (depth <= 0 || ply >= kMaxPly - kQuiescencePlies - 1) {
            return quiesce(ply, alpha, beta, army, 0);
        }
        if (spent()) return 0;
        const bool checked = inCheck(ply, army);
        // A king under attack gets one more ply to see whether it gets away.
        if (checked && ply < kMaxPly - kQuiescencePlies - 4) ++depth;
        // Passing: when even a free move for the other army does not bring the score below
        // beta, a real move will not either.
        const int alphaBefore = alpha;
        const std::uint64_t key = positionKey(stack_[ply], army);
        TableEntry& entry = table_[key & (kTableSize - 1)];
        const bool known = entry.key == key && entry.bound != Bound::None;
        if (known && entry.depth >= depth) {
            const int t = fromTable(entry.score, ply);
            if (entry.bound == Bound::Exact || (entry.bound == Bound::Lower && t >= beta) ||
                (entry.bound == Bound::Upper && t <= alpha)) {
                return t;
            }
        }
        if (mayPass && !checked && depth >= 3 && beta < kMateBound &&
            army * positionScore(stack_[ply], rights_) >= beta) {
            stack_[ply + 1] = stack_[ply];
            kings_[ply + 1][0] = kings_[ply][0];
            kings_[ply + 1][1] = kings_[ply][1];
            const int s = -search(ply + 1, depth - 3, -beta, -beta + 1, -army, false);
            if (stopped_) return 0;
            if (s >= beta) return beta;
        }
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
        if (known) {
            for (int i = 0; i < n; ++i) {
                if (moves[i].move == entry.move) moves[i].key = kTableMoveKey;
            }
        }
        sortByKey(moves, n);
        int best = -kInfinity;
        Move bestMove = moves[0].move;
        // One ply from the horizon, a quiet move that does not attack the king cannot lift a
        // score this far below alpha.
        const bool frontier = depth == 1 && !checked;
        const int futile =
            frontier ? army * positionScore(stack_[ply], rights_) + kFutilityMargin : kInfinity;
        for (int i = 0; i < n; ++i) {
            const Move m = moves[i].move;
            make(ply, m);
            if (frontier && i > 0 && futile <= alpha && moves[i].key < kCaptureKeys &&
                !givesCheck(ply + 1, m, army)) {
                if (futile > best) best = futile;
                continue;
            }
            int s;
            if (i == 0) {
                s = visit(ply, depth - 1, alpha, beta, army);
            } else {
                // Late quiet moves that do not attack the king are tried shallower first; all
                // but the first with a null window, searched again in full only when they might
                // be better.
                const bool quiet = moves[i].key < kCaptureKeys && !givesCheck(ply + 1, m, army);
                const int reduction =
                    quiet && !checked && depth >= 3 && i >= 4 ? (i >= 16 ? 2 : 1) : 0;
                s = visit(ply, depth - 1 - reduction, alpha, alpha + 1, army);
                if (!stopped_ && s > alpha && reduction > 0) {
                    s = visit(ply, depth - 1, alpha, alpha + 1, army);
                }
                if (!stopped_ && s > alpha && s < beta)
                    s = visit(ply, depth - 1, alpha, beta, army);
            }
            if (stopped_) break;
            if (s > best) {
                best = s;
                bestMove = m;
            }
            if (s > alpha) alpha = s;
            if (alpha >= beta) {
                rewardQuiet(ply, m, depth);
                break;
            }
        }
        top_ = first;
        if (!stopped_) {
            entry.key = key;
            entry.score = toTable(best, ply);
            entry.move = bestMove;
            entry.depth = static_cast<std::int8_t>(depth);
            entry.bound = best >= beta         ? Bound::Lower
                          : best > alphaBefore ? Bound::Exact
                                               : Bound::Upper;
        }
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
            // A capture that cannot bring the score up to alpha even if nothing is taken back.
            const Move& m = moves[i].move;
            const PieceCode victim = stack_[ply].board(m.toX, m.toY);
            if (standPat + materialValue(rules::magnitude(victim)) + kDeltaMargin <= alpha &&
                m.after == m.before) {
                continue;
            }
            make(ply, m);
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
    King kings_[kMaxPly + 1][2];
    TableEntry table_[kTableSize];
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
