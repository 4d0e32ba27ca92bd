// The search of levels 4 and 5.
//
// A negamax alpha-beta over both armies' moves as the game's own rules make them (board moves,
// promotions, drops for every army that may drop), on copies of the position (one record per ply:
// the position made with 駒移動, the squares each army holds, its kings, its key and its score's
// sums updated by the move, whether its king is in check, its killers), all in the memory of a
// SearchContext, so nothing is allocated while it runs. Taking a king ends the line at once: the
// side that can take it wins, the sooner the better, and a side with no move at all has lost. A
// line goes on only from a position where the side to move cannot take the other king, so after a
// move only the lines through its two squares can put a king in check.
//
// - Iterative deepening from depth 1 while the node budget lasts (the first depth always ends).
//   The previous best move is searched first; a depth cut short keeps the best of the moves it
//   finished.
// - At depth 0 a quiescence of captures (stand pat on positionScore) settles exchanges, so a
//   capture that loses the piece back is seen as such; captures that cannot reach alpha even
//   unanswered are left out. A side whose king is attacked never stands pat: all its moves are
//   searched.
// - A king under attack gets one more ply, also at the horizon. A table of positions already
// searched (by a 64-bit
//   key) gives bounds and the move to try first. A pass that still leaves the score above beta
//   cuts the node; late quiet moves that do not attack the king are searched shallower first;
//   all but the first move get a null window; one ply from the horizon quiet moves that cannot
//   reach alpha are skipped.
// - Move order: the table's move, a king capture, captures by most valuable victim and least
//   valuable attacker, promotions, the two killer moves of the ply, then quiet moves and drops
//   by a history of the cuts they made. Ties keep the generation order.
// - The budget is counted in nodes, never in time: the same position always gives the same move
//   (the table, killers and history start empty in every search). A stop flag set from another
//   thread ends the search early.
#include "com/lookahead_search.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>

#include "com/attack.h"
#include "com/lookahead_eval.h"
#include "com/lookahead_memory.h"
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
constexpr int kMaxDepth = 24;
constexpr int kQuiescencePlies = 8;
constexpr int kTickNodes = 256;
constexpr int kFutilityMargin = 150;
constexpr int kDeltaMargin = 200;
// The deepest ply the full-width search reaches; the capture search goes kQuiescencePlies further
// and every ply it reaches has its record.
constexpr int kLastSearchPly = kMaxPly - kQuiescencePlies - 1;
static_assert(kLastSearchPly + kQuiescencePlies < kMaxPly);
// Every ply that generates holds a whole list at once: the stack never runs out, so a side is
// never taken to have no move because the stack was full.
static_assert(kMoveStackSize >= (kLastSearchPly + kQuiescencePlies + 1) * rules::kMaxMoves);

// Ordering keys from here up are captures and promotions; quiet moves and drops stay below.
constexpr std::int64_t kTableMoveKey = 4'000'000'000LL * 4096;
constexpr std::int64_t kCaptureKeys = 1'900'000'000LL * 4096;

// A king taken sooner is worth more: the table keeps such scores counted from its own position.
int toTable(int s, int ply) {
    return s >= kMateBound ? s + ply : s <= -kMateBound ? s - ply : s;
}
int fromTable(int s, int ply) {
    return s >= kMateBound ? s - ply : s <= -kMateBound ? s + ply : s;
}

// Whether a piece on (px, py) could reach (x, y) by its pattern at all: on one line with it, or
// within a jump.
bool withinReach(int px, int py, int x, int y) {
    const int dx = px > x ? px - x : x - px;
    const int dy = py > y ? py - y : y - py;
    return dx == 0 || dy == 0 || dx == dy || (dx <= 2 && dy <= 2);
}

}  // namespace

class Lookahead {
  public:
    Lookahead(const rules::Position& pos, const SearchSettings& settings, SearchObserver* observer,
              SearchContext& context)
        : observer_(observer),
          stop_(settings.stop),
          budget_(nodeBudgetOf(settings)),
          context_(context),
          m_(*context.memory_) {
        rights_.top = rules::armyMayDrop(pos, rules::kTopArmy, settings.chineseDrops);
        rights_.bottom = rules::armyMayDrop(pos, rules::kBottomArmy, settings.chineseDrops);
        Ply& root = m_.plies[0];
        root.pos = pos;
        rules::調査_2歩フラグ設定(root.pos);
        root.occupied = rules::occupancyOf(pos.board);
        root.kings = findKings(pos);
        root.running = runningScore(pos, root.kings);
        root.key = positionKey(pos, rules::kTopArmy, rights_);
        root.byMove = false;
        root.checked = -1;
        // Nothing of an earlier search is kept: the same position always gives the same move.
        for (Ply& p : m_.plies) p.killers[0] = p.killers[1] = Move{};
        // The table is emptied by a new age; only when the ages come round is it cleared.
        if (++m_.age == 0) {
            std::fill(&m_.table[0], &m_.table[0] + kTableSize, TableEntry{});
            m_.age = 1;
        }
        std::fill(&m_.history[0][0][0], &m_.history[0][0][0] + 43 * 10 * 10, 0);
    }

    ~Lookahead() { context_.nodes_ = nodes_; }

    bool run(ComState& state) {
        const int first = top_;
        int highest = 0;
        const int n = generate(0, rules::kTopArmy, false, highest);
        if (n == 0) return false;
        Scored* root = m_.moves + first;
        int* rootScore = m_.rootScore;
        bool* atMost = m_.rootAtMost;
        int best = 0;
        int bestScore = -kInfinity;
        for (int i = 0; i < n; ++i) {
            // Not searched yet: at most a king taken at once.
            rootScore[i] = kMate;
            atMost[i] = true;
        }
        for (int i = 0; i < n; ++i) {
            if (isKingCapture(0, root[i].move)) {
                std::swap(root[0], root[i]);
                atMost[0] = false;
                return finish(state, root, n, 0, kMate);
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
                rootScore[i] = s;
                // A move that does not beat the best so far is only known to be no better.
                atMost[i] = i > 0 && s <= alpha;
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
        // Stopped before any move finished: the position as it stands.
        if (bestScore == -kInfinity) bestScore = score(0, rules::kTopArmy);
        return finish(state, root, n, best, bestScore);
    }

  private:
    bool finish(ComState& state, const Scored* root, int n, int best, int bestScore) {
        if (observer_ != nullptr) {
            for (int i = 0; i < n; ++i) {
                const Move& m = root[i].move;
                observer_->rootScored(m.fromX, m.fromY, m.toX, m.toY, m.after,
                                      m_.rootScore[i] / 100.0, m_.rootAtMost[i]);
            }
        }
        const Move& m = root[best].move;
        state.best = ComMove{m.fromX, m.fromY, m.toX, m.toY, m.before, m.after};
        state.bestScore = bestScore / 100.0;
        state.hasBest = true;
        return true;
    }

    // Counts a node; true when the search must end: the budget is spent (only from depth 2 on:
    // depth 1 always ends unless the caller stops the search).
    bool spent() {
        ++nodes_;
        if (nodes_ % kTickNodes == 0) {
            if (observer_ != nullptr) observer_->tick();
            if (stop_ != nullptr && stop_->load(std::memory_order_relaxed)) stopped_ = true;
        }
        if (rootDepth_ > 1 && nodes_ >= budget_) stopped_ = true;
        return stopped_;
    }

    bool isKingCapture(int ply, const Move& m) const {
        return !m.isDrop() &&
               rules::isKingKind(rules::magnitude(m_.plies[ply].pos.board(m.toX, m.toY)));
    }

    // Generates the army's moves at ply onto the stack and gives each its ordering key. Returns
    // how many; top_ is advanced past them. highest is the index of the move with the highest key:
    // a king capture, when there is one.
    int generate(int ply, int army, bool capturesOnly, int& highest) {
        Ply& p = m_.plies[ply];
        rules::MoveFilter filter;
        filter.capturesOnly = capturesOnly;
        filter.drops = army > 0 ? rights_.top : rights_.bottom;
        const int n =
            rules::generateMoves(p.pos, army, filter, p.occupied, m_.buffer, rules::kMaxMoves);
        Scored* out = m_.moves + top_;
        highest = 0;
        for (int i = 0; i < n; ++i) {
            out[i].move = m_.buffer[i];
            out[i].key = orderKey(ply, m_.buffer[i]) * 4096 + (4095 - i);
            if (out[i].key > out[highest].key) highest = i;
        }
        top_ += n;
        return n;
    }

    std::int64_t orderKey(int ply, const Move& m) const {
        const Ply& p = m_.plies[ply];
        if (!m.isDrop()) {
            const PieceCode victim = p.pos.board(m.toX, m.toY);
            if (victim != rules::空) {
                if (rules::isKingKind(rules::magnitude(victim))) return 3'000'000'000LL;
                return 2'000'000'000LL + materialValue(rules::magnitude(victim)) * 64 -
                       materialValue(rules::magnitude(m.before)) / 32;
            }
            if (m.after != m.before) return 1'900'000'000LL;  // a promotion
        }
        if (m == p.killers[0] || m == p.killers[1]) {
            return 1'800'000'000LL + (m == p.killers[0] ? 1 : 0);
        }
        return history(m);
    }

    int history(const Move& m) const { return m_.history[m.after + 21][m.toX][m.toY]; }

    void rewardQuiet(int ply, const Move& m, int depth) {
        Ply& p = m_.plies[ply];
        if (!m.isDrop() && p.pos.board(m.toX, m.toY) != rules::空) return;
        int& h = m_.history[m.after + 21][m.toX][m.toY];
        h = std::min(h + depth * depth, 1'000'000);
        if (!(m == p.killers[0])) {
            p.killers[1] = p.killers[0];
            p.killers[0] = m;
        }
    }

    static void sortByKey(Scored* moves, int n) {
        std::sort(moves, moves + n, [](const Scored& a, const Scored& b) { return a.key > b.key; });
    }

    // Brings the move to search i-th to moves[i], in the order sortByKey gives (no two keys are
    // equal): the first few are picked one by one, since a node often ends after them, and the
    // rest sorted at once.
    static void bringNext(Scored* moves, int i, int n) {
        constexpr int kPickedOneByOne = 3;
        if (i < kPickedOneByOne) {
            int best = i;
            for (int j = i + 1; j < n; ++j) {
                if (moves[j].key > moves[best].key) best = j;
            }
            std::swap(moves[i], moves[best]);
        } else if (i == kPickedOneByOne) {
            sortByKey(moves + i, n - i);
        }
    }

    void sortRootByScores(Scored* root, int n, int best) {
        for (int i = 0; i < n; ++i) {
            root[i].key =
                (i == best ? std::int64_t{kInfinity} : m_.rootScore[i]) * 4096 + (4095 - i);
        }
        // The scores travel with their moves.
        int index[rules::kMaxMoves];
        for (int i = 0; i < n; ++i) index[i] = i;
        std::sort(index, index + n, [&](int a, int b) { return root[a].key > root[b].key; });
        for (int i = 0; i < n; ++i) {
            m_.sorted[i] = root[index[i]];
            m_.sortedScore[i] = m_.rootScore[index[i]];
            m_.sortedAtMost[i] = m_.rootAtMost[index[i]];
        }
        std::copy(m_.sorted, m_.sorted + n, root);
        std::copy(m_.sortedScore, m_.sortedScore + n, m_.rootScore);
        std::copy(m_.sortedAtMost, m_.sortedAtMost + n, m_.rootAtMost);
    }

    // The child record of ply after m.
    void make(int ply, const Move& m) {
        const Ply& parent = m_.plies[ply];
        Ply& child = m_.plies[ply + 1];
        child.pos = parent.pos;
        child.kings = parent.kings;
        if (rules::isKingKind(rules::magnitude(m.before))) {
            child.kings.side[m.before > 0 ? 1 : 0] = KingSquare{m.toX, m.toY};
        }
        const PieceCode captured = m.isDrop() ? rules::空 : child.pos.board(m.toX, m.toY);
        rules::駒移動(child.pos, m.fromX, m.fromY, m.toX, m.toY, m.after);
        child.occupied = parent.occupied;
        const int mover = m.before > 0 ? 1 : 0;
        if (!m.isDrop()) child.occupied.army[mover].remove(m.fromX, m.fromY);
        if (captured != rules::空) child.occupied.army[1 - mover].remove(m.toX, m.toY);
        child.occupied.army[mover].add(m.toX, m.toY);
        child.key = keyAfterMove(parent.key, parent.pos, child.pos, m);
        child.running = parent.running;
        updateRunningScore(child.running, child.pos, child.occupied, child.kings, m, captured);
        child.move = m;
        child.byMove = true;
        child.checked = -1;
        // Only the columns a 歩 left, reached or was taken on change their two-pawn flags.
        if (rules::magnitude(m.before) == rules::kind::歩 ||
            rules::magnitude(captured) == rules::kind::歩) {
            rules::updatePawnFile(child.pos, m.toX);
            if (!m.isDrop() && m.fromX != m.toX) rules::updatePawnFile(child.pos, m.fromX);
        }
    }

    // The child record of ply with the other army to move and nothing moved.
    void pass(int ply) {
        const Ply& parent = m_.plies[ply];
        Ply& child = m_.plies[ply + 1];
        child.pos = parent.pos;
        child.occupied = parent.occupied;
        child.kings = parent.kings;
        child.running = parent.running;
        child.key = parent.key ^ kTopToMoveKey;
        child.byMove = false;
        child.checked = -1;
    }

    // Whether army's king is attacked at ply, kept with the ply. A line is searched only from a
    // position where the army to move could not take the other king, so after a move only the
    // lines through its squares need looking at.
    bool inCheck(int ply, int army) {
        Ply& p = m_.plies[ply];
        if (p.checked < 0) {
            const KingSquare& k = p.kings.side[army > 0 ? 1 : 0];
            const Move& m = p.move;
            p.checked = k.x != 0 && (p.byMove ? attackedAfterMove(p.pos, k.x, k.y, -army, m.fromX,
                                                                  m.fromY, m.toX, m.toY)
                                              : attacked(p.pos, k.x, k.y, -army));
        }
        return p.checked == 1;
    }

    // Whether army can take the other army's king at ply: the moves listed would hold the
    // capture (a second king of that army, should a position have one, is found in the list).
    // After a move that left the mover's king where it was and out of check, only the lines
    // through the move's squares can have opened onto it.
    bool attacksTheirKing(int ply, int army) const {
        const Ply& p = m_.plies[ply];
        const KingSquare& k = p.kings.side[army > 0 ? 0 : 1];
        if (k.x == 0) return false;
        const Move& m = p.move;
        if (p.byMove && m_.plies[ply - 1].checked == 0 &&
            !rules::isKingKind(rules::magnitude(m.before))) {
            return attackedAfterMove(p.pos, k.x, k.y, army, m.fromX, m.fromY, m.toX, m.toY);
        }
        return attacked(p.pos, k.x, k.y, army);
    }

    int score(int ply, int army) const {
        const Ply& p = m_.plies[ply];
        return army * positionScore(p.pos, rights_, p.running);
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
        const KingSquare& k = m_.plies[ply].kings.side[army > 0 ? 0 : 1];
        return k.x != 0 &&
               rules::移動チェック(m_.plies[ply].pos, m.toX, m.toY, k.x, k.y, m.after) == 1;
    }

    // The same for m not made yet: the board at ply is changed for the question and put back.
    bool wouldGiveCheck(int ply, const Move& m, int army) {
        rules::Board& b = m_.plies[ply].pos.board;
        const PieceCode from = m.isDrop() ? rules::空 : b(m.fromX, m.fromY);
        const PieceCode to = b(m.toX, m.toY);
        if (!m.isDrop()) b(m.fromX, m.fromY) = rules::空;
        b(m.toX, m.toY) = m.after;
        const bool gives = givesCheck(ply, m, army);
        b(m.toX, m.toY) = to;
        if (!m.isDrop()) b(m.fromX, m.fromY) = from;
        return gives;
    }

    int search(int ply, int depth, int alpha, int beta, int army, bool mayPass) {
        if (ply >= kLastSearchPly) return quiesce(ply, alpha, beta, army, 0);
        // A king under attack gets one more ply to see whether it gets away, also at the
        // horizon: a check given by the last move is answered, not stood on.
        const bool checked = inCheck(ply, army);
        if (checked && ply < kLastSearchPly - 3) ++depth;
        if (depth <= 0) return quiesce(ply, alpha, beta, army, 0);
        if (spent()) return 0;
        const int alphaBefore = alpha;
        const std::uint64_t key = m_.plies[ply].key;
        TableEntry& entry = m_.table[key & (kTableSize - 1)];
        const bool known = entry.key == key && entry.age == m_.age && entry.bound != Bound::None;
        if (known && entry.depth >= depth) {
            const int t = fromTable(entry.score, ply);
            if (entry.bound == Bound::Exact || (entry.bound == Bound::Lower && t >= beta) ||
                (entry.bound == Bound::Upper && t <= alpha)) {
                return t;
            }
        }
        // Passing: when even a free move for the other army does not bring the score below
        // beta, a real move will not either.
        if (mayPass && !checked && depth >= 3 && beta < kMateBound && score(ply, army) >= beta) {
            pass(ply);
            const int s = -search(ply + 1, depth - 3, -beta, -beta + 1, -army, false);
            if (stopped_) return 0;
            if (s >= beta) return beta;
        }
        // The other king can be taken: no need to list the moves to find the capture.
        if (attacksTheirKing(ply, army)) return kMate - ply;
        const int first = top_;
        int highest = 0;
        const int n = generate(ply, army, false, highest);
        if (n == 0) {
            top_ = first;
            return -kMate + ply;
        }
        Scored* moves = m_.moves + first;
        // A king capture has the highest key of all.
        if (isKingCapture(ply, moves[highest].move)) {
            top_ = first;
            return kMate - ply;
        }
        if (known) {
            for (int i = 0; i < n; ++i) {
                if (moves[i].move == entry.move) {
                    moves[i].key = kTableMoveKey;
                    highest = i;
                }
            }
        }
        // The first move to search, as bringNext would pick it.
        std::swap(moves[0], moves[highest]);
        int best = -kInfinity;
        Move bestMove = moves[0].move;
        // One ply from the horizon, a quiet move that does not attack the king cannot lift a
        // score this far below alpha.
        const bool frontier = depth == 1 && !checked;
        const int futile = frontier ? score(ply, army) + kFutilityMargin : kInfinity;
        const KingSquare& theirKing = m_.plies[ply].kings.side[army > 0 ? 0 : 1];
        for (int i = 0; i < n; ++i) {
            if (i > 0) bringNext(moves, i, n);
            const Move m = moves[i].move;
            // A quiet move far from the king's lines is skipped without being made.
            const bool skippable =
                frontier && i > 0 && futile <= alpha && moves[i].key < kCaptureKeys;
            if (skippable && !withinReach(m.toX, m.toY, theirKing.x, theirKing.y)) {
                if (futile > best) best = futile;
                continue;
            }
            if (skippable && !wouldGiveCheck(ply, m, army)) {
                if (futile > best) best = futile;
                continue;
            }
            make(ply, m);
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
            entry.age = m_.age;
            entry.score = toTable(best, ply);
            entry.move = bestMove;
            entry.depth = static_cast<std::int8_t>(depth);
            entry.bound = best >= beta         ? Bound::Lower
                          : best > alphaBefore ? Bound::Exact
                                               : Bound::Upper;
        }
        return best;
    }

    // The capture search. A side whose king is attacked tries every move instead of standing
    // pat, as long as plies are left.
    int quiesce(int ply, int alpha, int beta, int army, int qply) {
        if (spent()) return 0;
        const bool last = qply >= kQuiescencePlies || ply >= kMaxPly - 1;
        const bool checked = !last && inCheck(ply, army);
        const int standPat = checked ? -kInfinity : score(ply, army);
        if (!checked) {
            if (standPat >= beta || last) return standPat;
            if (standPat > alpha) alpha = standPat;
        }
        if (attacksTheirKing(ply, army)) return kMate - ply;
        const int first = top_;
        int highest = 0;
        const int n = generate(ply, army, !checked, highest);
        if (checked && n == 0) {
            top_ = first;
            return -kMate + ply;
        }
        Scored* moves = m_.moves + first;
        if (n > 0 && isKingCapture(ply, moves[highest].move)) {
            top_ = first;
            return kMate - ply;
        }
        if (n > 0) std::swap(moves[0], moves[highest]);
        int best = standPat;
        for (int i = 0; i < n; ++i) {
            if (i > 0) bringNext(moves, i, n);
            // A capture that cannot bring the score up to alpha even if nothing is taken back.
            const Move& m = moves[i].move;
            const PieceCode victim = m_.plies[ply].pos.board(m.toX, m.toY);
            if (!checked &&
                standPat + materialValue(rules::magnitude(victim)) + kDeltaMargin <= alpha &&
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
    const std::atomic<bool>* stop_;
    long budget_;
    SearchContext& context_;
    LookaheadMemory& m_;
    long nodes_ = 0;
    bool stopped_ = false;
    int rootDepth_ = 0;
    DropRights rights_;
    int top_ = 0;
};

SearchContext::SearchContext() : memory_(std::make_unique<LookaheadMemory>()) {}
SearchContext::~SearchContext() = default;

long nodeBudgetOf(const SearchSettings& settings) {
    if (settings.nodes > 0) return settings.nodes;
    return settings.comLevel == kLevel5 ? kLevel5Nodes : kLookaheadNodes;
}

int kingCapturePlies(double score) {
    const long s = std::lround(score * 100);
    if (s >= kMateBound) return static_cast<int>(kMate - s + 1);
    if (s <= -kMateBound) return -static_cast<int>(kMate + s + 1);
    return 0;
}

bool lookaheadBestMove(const rules::Position& pos, ComState& state, const SearchSettings& settings,
                       SearchObserver* observer, SearchContext* context) {
    state.bestScore = kNoScoreYet;
    state.hasBest = false;
    state.best = ComMove{};
    std::unique_ptr<SearchContext> own;
    if (context == nullptr) {
        own = std::make_unique<SearchContext>();
        context = own.get();
    }
    Lookahead search(pos, settings, observer, *context);
    return search.run(state);
}

}  // namespace com
