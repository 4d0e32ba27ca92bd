#include <gtest/gtest.h>

#include "engine_session.h"

namespace {

using enginetest::Session;

const std::string kStart = "jheaxaehj/9/1c5c1/z1z1z1z1z/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1";

// The notation follows the position however it was set and the moves played on it.
TEST(EngineNotation, AnswersThePositionItWasGivenAndTheMovesPlayed) {
    Session s;
    ASSERT_EQ(s.one("position " + enginetest::startLine()), "ok");
    EXPECT_EQ(s.send("notation"), (std::vector<std::string>{"notation " + kStart, "ok"}));
    ASSERT_EQ(s.send("play 3 7 3 6 -1").back(), "ok");
    EXPECT_EQ(s.send("notation")[0],
              "notation jheaxaehj/9/1c5c1/z1z1z1z1z/9/2P6/PP1PPPPPP/1B5R1/LNSGKGSNL w - 2");

    ASSERT_EQ(s.one("position notation 4x4/9/9/9/9/9/9/9/4K4 w 2Pz 31"), "ok");
    EXPECT_EQ(s.state.pos.ownKingX, 5);
    EXPECT_EQ(s.state.pos.ownHandTotal, 2);
    EXPECT_EQ(s.send("notation")[0], "notation 4x4/9/9/9/9/9/9/9/4K4 w 2Pz 31");
    EXPECT_EQ(s.one("notation x"), "error notation takes no arguments");
}

TEST(EngineNotation, ABadNotationIsRefusedAndTheOldPositionStays) {
    Session s;
    ASSERT_EQ(s.one("position notation " + kStart), "ok");
    EXPECT_EQ(s.one("position notation 4x4/9/9/9/9/9/9/9/4K4 b 10P"),
              "error bad notation: 歩が多すぎます（9枚まで）");
    EXPECT_EQ(s.one("position notation"), "error bad notation: 局面の表記がありません");
    EXPECT_EQ(s.send("notation")[0], "notation " + kStart);
}

}  // namespace
