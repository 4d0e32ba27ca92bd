// What the look-ahead levels are built from: the position key, the evaluation's placement terms
// and the moves the search is offered.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "com/attack.h"
#include "com/lookahead_eval.h"
#include "com/position_hash.h"
#include "com_turn.h"
#include "rules/make_move.h"
#include "rules/move_check.h"
#include "rules/move_list.h"
#include "rules/pawn_files.h"
#include "rules/setup.h"
#include "support/bench_positions.h"

namespace {
using comtest::layout;
using namespace rules;

TEST(PositionKey, FollowsEveryMoveAndTellsApartWhatChangesTheMoves) {
    // Along a seeded game with captures and drops, every move's updated key is the key made
    // afresh.
    const com::DropRights both{true, true};
    Position pos;
    layOutStartPosition(pos);
    調査_先手後手(pos);
    int army = kBottomArmy;
    std::uint64_t key = com::positionKey(pos, army, both);
    std::mt19937 random(5);
    Move moves[kMaxMoves];
    for (int ply = 0; ply < 160 && pos.winnerSide == 0; ++ply) {
        調査_2歩フラグ設定(pos);
        const int n = generateMoves(pos, army, MoveFilter{}, moves, kMaxMoves);
        ASSERT_GT(n, 0);
        for (int i = 0; i < n; ++i) {
            Position after = pos;
            駒移動(after, moves[i].fromX, moves[i].fromY, moves[i].toX, moves[i].toY,
                   moves[i].after);
            ASSERT_EQ(com::keyAfterMove(key, pos, after, moves[i]),
                      com::positionKey(after, -army, both))
                << "ply " << ply << " move " << i;
        }
        // Captures are preferred, so that the hands fill and drops follow.
        int pick = static_cast<int>(random() % n);
        for (int i = 0; i < n && random() % 2 == 0; ++i) {
            if (!moves[i].isDrop() && pos.board(moves[i].toX, moves[i].toY) != 空) pick = i;
        }
        const Move& m = moves[pick];
        const Position before = pos;
        駒移動(pos, m.fromX, m.fromY, m.toX, m.toY, m.after);
        key = com::keyAfterMove(key, before, pos, m);
        army = -army;
    }

    Position inOwnHand = testsupport::positionFrom(layout({{5, 1, "v将"}, {5, 9, "^王"}}));
    Position inEnemyHand = inOwnHand;
    inOwnHand.ownHand[hand::kGold] = 1;
    inEnemyHand.enemyHand[hand::kGold] = 1;
    const com::DropRights shogiOnly{false, true};
    const std::uint64_t k = com::positionKey(inOwnHand, kTopArmy, shogiOnly);
    EXPECT_NE(k, com::positionKey(inEnemyHand, kTopArmy, shogiOnly)) << "the other hand";
    EXPECT_NE(k, com::positionKey(inOwnHand, kBottomArmy, shogiOnly)) << "the army to move";
    EXPECT_NE(k, com::positionKey(inOwnHand, kTopArmy, both)) << "the drops option";
}

// Every move of pos by army, made from the running score s of pos: the score kept is the score
// made afresh. Then makes one of them (a capture as often as not) and returns its running score.
com::RunningScore expectEveryMoveKeepsTheScore(Position& pos, int army, const com::RunningScore& s,
                                               std::mt19937& random) {
    const com::DropRights both{true, true};
    調査_2歩フラグ設定(pos);
    Move moves[kMaxMoves];
    const int n = generateMoves(pos, army, MoveFilter{}, moves, kMaxMoves);
    int pick = n > 0 ? static_cast<int>(random() % n) : 0;
    com::RunningScore picked = s;
    for (int i = 0; i < n; ++i) {
        const Move& m = moves[i];
        Position after = pos;
        const PieceCode captured = m.isDrop() ? 空 : after.board(m.toX, m.toY);
        駒移動(after, m.fromX, m.fromY, m.toX, m.toY, m.after);
        const com::Kings kings = com::findKings(after);
        com::RunningScore kept = s;
        com::updateRunningScore(kept, after, occupancyOf(after.board), kings, m, captured);
        EXPECT_EQ(com::positionScore(after, both, kept), com::positionScore(after, both, kings))
            << "move " << i;
        if (captured != 空 && random() % 2 == 0) pick = i;
        if (i == pick) picked = kept;
    }
    if (n > 0) {
        const Move& m = moves[pick];
        駒移動(pos, m.fromX, m.fromY, m.toX, m.toY, m.after);
    }
    return picked;
}

TEST(RunningScore, FollowsEveryMoveAsTheWholeScore) {
    // Along a seeded game with captures and drops, the sums carried from the start.
    Position pos;
    layOutStartPosition(pos);
    調査_先手後手(pos);
    com::RunningScore s = com::runningScore(pos, com::findKings(pos));
    std::mt19937 random(11);
    for (int ply = 0; ply < 160 && pos.winnerSide == 0 && !HasFailure(); ++ply)
        s = expectEveryMoveKeepsTheScore(pos, ply % 2 == 0 ? kBottomArmy : kTopArmy, s, random);
    // Long-range pieces taking each other, then more of them than the sums keep squares for.
    for (const bool overflow : {false, true}) {
        Position lines = testsupport::positionFrom(layout({{5, 1, "v将"},
                                                           {5, 9, "^王"},
                                                           {1, 1, "v車"},
                                                           {2, 2, "v車"},
                                                           {3, 3, "v飛"},
                                                           {1, 9, "^飛"},
                                                           {2, 8, "^飛成"},
                                                           {3, 7, "^角"},
                                                           {9, 9, "^車"}}));
        if (overflow) lines.board(6, 4) = 敵角成, lines.board(8, 5) = 敵飛;
        expectEveryMoveKeepsTheScore(lines, kTopArmy,
                                     com::runningScore(lines, com::findKings(lines)), random);
    }
}

TEST(Attack, AgreesWithTheMoveCheckOfEveryPieceOnTheSuite) {
    const std::vector<Position> suite = testsupport::benchPositions();
    ASSERT_GE(suite.size(), 50u);
    for (const Position& pos : suite) {
        for (int x = 1; x <= 9; ++x) {
            for (int y = 1; y <= 9; ++y) {
                for (const int army : {kTopArmy, kBottomArmy}) {
                    bool any = false;
                    for (int px = 1; px <= 9; ++px) {
                        for (int py = 1; py <= 9; ++py) {
                            const PieceCode c = pos.board(px, py);
                            any = any || (c * army > 0 && 移動チェック(pos, px, py, x, y, c) == 1);
                        }
                    }
                    ASSERT_EQ(com::attacked(pos, x, y, army), any) << x << y << " army " << army;
                }
            }
        }
    }
}

// Every move of army in pos and each king it leaves in place and not attacked before: the
// attack test along the move's lines agrees with the whole test. Returns how many it compared.
int expectEveryMoveSeenWhereItChangedTheBoard(Position& pos, int army) {
    調査_2歩フラグ設定(pos);
    Move moves[kMaxMoves];
    const int n = generateMoves(pos, army, MoveFilter{}, moves, kMaxMoves);
    const com::Kings kings = com::findKings(pos);
    int compared = 0;
    for (int i = 0; i < n; ++i) {
        const Move& m = moves[i];
        Position after = pos;
        駒移動(after, m.fromX, m.fromY, m.toX, m.toY, m.after);
        for (const int side : {0, 1}) {
            const com::KingSquare k = kings.side[side];
            const int attacker = side == 1 ? kBottomArmy : kTopArmy;
            if (k.x == 0 || after.board(k.x, k.y) != pos.board(k.x, k.y) ||
                com::attacked(pos, k.x, k.y, attacker)) {
                continue;
            }
            EXPECT_EQ(
                com::attackedAfterMove(after, k.x, k.y, attacker, m.fromX, m.fromY, m.toX, m.toY),
                com::attacked(after, k.x, k.y, attacker))
                << "move " << i;
            ++compared;
        }
    }
    return compared;
}

TEST(Attack, AfterAMoveLooksOnlyWhereTheMoveChangedTheBoard) {
    // Along a seeded game with captures and drops.
    Position pos;
    layOutStartPosition(pos);
    調査_先手後手(pos);
    std::mt19937 random(3);
    Move moves[kMaxMoves];
    int army = kBottomArmy;
    int compared = 0;
    for (int ply = 0; ply < 200 && pos.winnerSide == 0 && !HasFailure(); ++ply) {
        compared += expectEveryMoveSeenWhereItChangedTheBoard(pos, army);
        const int n = generateMoves(pos, army, MoveFilter{}, moves, kMaxMoves);
        if (n == 0) break;
        int pick = static_cast<int>(random() % n);
        for (int i = 0; i < n; ++i) {
            if (!moves[i].isDrop() && pos.board(moves[i].toX, moves[i].toY) != 空 &&
                random() % 2 == 0) {
                pick = i;
            }
        }
        駒移動(pos, moves[pick].fromX, moves[pick].fromY, moves[pick].toX, moves[pick].toY,
               moves[pick].after);
        army = -army;
    }
    EXPECT_GT(compared, 5000);
    // A 金 steps off the leg of a 馬 that then jumps onto its own king.
    Position leg = testsupport::positionFrom(
        layout({{5, 1, "v将"}, {5, 9, "^王"}, {4, 7, "v馬"}, {4, 8, "^金"}}));
    EXPECT_GT(expectEveryMoveSeenWhereItChangedTheBoard(leg, kBottomArmy), 0);
}

TEST(LookaheadEval, APawnOrSoldierFurtherForwardScoresMoreForItsArmy) {
    // Kings on the far column, so that only the advance differs.
    struct Row {
        const char* cell;
        int y;
        int forward;  // the row one step ahead
    };
    for (const Row& r : {Row{"v歩", 4, 5}, Row{"^歩", 6, 5}, Row{"v卒", 5, 6}, Row{"v卒", 7, 8},
                         Row{"^卒", 5, 4}, Row{"^卒", 3, 2}}) {
        const auto score = [&](int y) {
            return com::positionScore(
                testsupport::positionFrom(layout({{1, 1, "v将"}, {1, 9, "^王"}, {9, y, r.cell}})),
                com::DropRights{});
        };
        const int gain = score(r.forward) - score(r.y);
        EXPECT_GT(r.cell[0] == 'v' ? gain : -gain, 0) << r.cell << " from row " << r.y;
    }
}

TEST(LookaheadMoves, APawnIsOfferedPromotedOnlyWhereTheFilterSaysSo) {
    // A bottom piece on column 5 moving one row up, by the search's filter: {piece, from row,
    // whether the filter holds back the unpromoted choice, "P" promoted and "U" unpromoted
    // choices offered}.
    struct Row {
        const char* cell;
        int fromY;
        bool promoteOnly;
        const char* offered;
    };
    for (const Row& r : {Row{"^歩", 4, true, "P"}, Row{"^歩", 4, false, "PU"},
                         Row{"^銀", 4, true, "PU"}, Row{"^歩", 2, false, "P"}}) {
        Position pos =
            testsupport::positionFrom(layout({{1, 1, "v将"}, {1, 9, "^王"}, {5, r.fromY, r.cell}}));
        調査_2歩フラグ設定(pos);
        MoveFilter filter;
        filter.promoteWhereNothingIsLost = r.promoteOnly;
        Move moves[kMaxMoves];
        std::string offered;
        for (int i = 0, n = generateMoves(pos, kBottomArmy, filter, moves, kMaxMoves); i < n; ++i) {
            if (moves[i].fromX == 5 && moves[i].toX == 5 && moves[i].toY == r.fromY - 1)
                offered += moves[i].after == moves[i].before ? "U" : "P";
        }
        EXPECT_EQ(offered, r.offered) << r.cell << " from row " << r.fromY;
    }
}

}  // namespace
