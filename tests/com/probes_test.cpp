// The tactical probes the evaluation consults.
#include <gtest/gtest.h>

#include "com/probes.h"
#include "com_turn.h"

namespace {
using comtest::layout;
using namespace rules;

struct Probed {
    Position pos;
    com::InfluenceMap map;
    com::ComState state;

    explicit Probed(const std::string& diagram) : pos(testsupport::positionFrom(diagram)) {
        com::勢力調査(pos, map);
        com::調査_移動不可駒(pos, map, state);
        com::調査_持角狙座標(pos, map, state);
    }
    int pinnedCount() const {
        int n = 0;
        for (int x = 1; x <= 9; ++x) {
            for (int y = 1; y <= 9; ++y) n += state.ownPinned(x, y);
        }
        return n;
    }
};

TEST(ProbePinned, ALoneShieldIsPinnedTwoShieldsAreNot) {
    Probed one(layout({{5, 1, "v将"}, {5, 2, "v飛"}, {5, 7, "^金"}, {3, 8, "^銀"}, {5, 9, "^王"}}));
    EXPECT_EQ(one.state.ownPinned(5, 7), 1);
    EXPECT_EQ(one.pinnedCount(), 1);
    EXPECT_EQ(one.pos.board(5, 7), 自金);  // put back

    Probed two(layout({{5, 1, "v将"}, {5, 2, "v飛"}, {5, 5, "^歩"}, {5, 7, "^金"}, {5, 9, "^王"}}));
    EXPECT_EQ(two.pinnedCount(), 0);
}

TEST(ProbePinned, AnyTopShieldOfTheTopKingSetsTheFlag) {
    Probed shielded(layout({{5, 1, "v王"}, {5, 3, "v金"}, {5, 8, "^香"}, {1, 9, "^将"}}));
    EXPECT_EQ(shielded.state.enemyPinnedAny, 1);
    Probed open(layout({{5, 1, "v王"}, {5, 3, "v金"}, {4, 8, "^香"}, {1, 9, "^将"}}));
    EXPECT_EQ(open.state.enemyPinnedAny, 0);
}

TEST(ProbeBishopAim, EmptyWeakSquaresOnTheKingsDiagonals) {
    // (3, 3) is occupied and screens (2, 4) and (1, 5); (4, 2) is guarded twice.
    Probed p(layout({{5, 1, "v王"}, {4, 1, "v金"}, {3, 3, "v金"}, {9, 9, "^将"}}));
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            const bool aim = (x == 6 && y == 2) || (x == 7 && y == 3) || (x == 8 && y == 4) ||
                             (x == 9 && y == 5);
            EXPECT_EQ(p.state.bishopDropAim(x, y), aim ? 1 : 0) << x << "," << y;
        }
    }
    Probed once(layout({{5, 1, "v王"}, {9, 9, "^将"}}));
    EXPECT_EQ(once.state.bishopDropAim(4, 2), 1);  // guarded once, beside the king
}

TEST(ProbeSafeSquares, CountsTheMovesTheOtherArmyDoesNotAttack) {
    Probed p(layout({{5, 5, "v王"}, {1, 4, "^飛"}, {9, 9, "^将"}}));
    EXPECT_EQ(com::調査_移動可場所数(p.pos, p.map, 5, 5, 敵王), 5);
    // 16 rook moves, three of them beside the top 王.
    EXPECT_EQ(com::調査_移動可場所数(p.pos, p.map, 1, 4, 自飛), 13);
}

TEST(ProbeNeighbours, CountsValuableTopPiecesAroundOnlyOnTheBoard) {
    const Board corner =
        testsupport::boardFrom(layout({{2, 1, "v角"}, {1, 2, "v飛"}, {2, 2, "v金"}}));
    EXPECT_EQ(com::調査_周辺状況(corner, 1, 1), -2);
    const Board ring = testsupport::boardFrom(layout({{4, 4, "v砲"},
                                                      {5, 4, "v士"},
                                                      {6, 4, "v将"},
                                                      {4, 5, "v角成"},
                                                      {6, 5, "^飛"},
                                                      {4, 6, "v馬"},
                                                      {5, 6, "v飛成"},
                                                      {6, 6, "v王"}}));
    EXPECT_EQ(com::調査_周辺状況(ring, 5, 5), -6);
}

TEST(ProbeStraightGuard, ABottomSliderBelowGuardsOnlyOverAClearPath) {
    Position clear = testsupport::positionFrom(layout({{3, 5, "v金"}, {3, 9, "^飛"}}));
    EXPECT_EQ(com::調査_自守駒MAN_直進駒(clear, 3, 5), 1);
    EXPECT_EQ(clear.board(3, 5), 敵金);

    Position blocked = testsupport::positionFrom(layout({{3, 7, "^歩"}, {3, 9, "^香"}}));
    EXPECT_EQ(com::調査_自守駒MAN_直進駒(blocked, 3, 5), 0);

    Position topFirst = testsupport::positionFrom(layout({{3, 7, "v歩"}, {3, 9, "^飛"}}));
    EXPECT_EQ(com::調査_自守駒MAN_直進駒(topFirst, 3, 5), 0);
}

TEST(ProbeThreats, ALanceFromTheAttackedSquareWinsWhatStandsBelow) {
    Probed p(layout({{5, 1, "v将"},
                     {5, 5, "v卒"},
                     {5, 7, "v金"},
                     {3, 9, "^角"},
                     {5, 9, "^飛"},
                     {1, 9, "^王"}}));
    EXPECT_EQ(com::調査_香狙い(p.pos, p.map, 5, 7), 16);
    Probed high(layout({{5, 1, "v将"},
                        {5, 4, "v卒"},
                        {5, 6, "v金"},
                        {3, 8, "^角"},
                        {5, 9, "^飛"},
                        {1, 9, "^王"}}));
    EXPECT_EQ(com::調査_香狙い(high.pos, high.map, 5, 6), 0);  // only rows 7 to 9
}

TEST(ProbeThreats, AKnightForksAValuablePieceTwoColumnsAside) {
    Probed p(layout({{5, 1, "v将"}, {5, 7, "v金"}, {7, 9, "^角"}, {3, 7, "^飛"}, {1, 9, "^王"}}));
    EXPECT_EQ(com::調査_桂狙い(p.pos, p.map, 5, 7), 16);
    // The piece two columns aside is the attacker itself: nothing to win.
    Probed self(layout({{5, 1, "v将"}, {5, 7, "v金"}, {3, 7, "^飛"}, {1, 9, "^王"}}));
    EXPECT_EQ(com::調査_桂狙い(self.pos, self.map, 5, 7), 0);
}

}  // namespace
