#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "engine_session.h"
#include "record/entry_line.h"
#include "rules/setup.h"
#include "support/diagram.h"
#include "tools/engine/commands.h"

using namespace rules;

namespace {

using namespace enginetest;

// The value of square (x, y) on a grid line "NAME v(1,1) v(1,2) ...".
std::string at(const std::string& line, int x, int y) {
    const auto w = words(line);
    return w.at(static_cast<std::size_t>((x - 1) * 9 + y));
}

const char* const kNames[] = {"ownAttacks",    "enemyAttacks",   "ownGuard",      "enemyGuard",
                              "ownHits",       "ownAttacker",    "ownAttackerX",  "ownAttackerY",
                              "enemyAttacker", "ownCheck",       "enemyCheck",    "enemyGuardX",
                              "enemyGuardY",   "enemyAttackerX", "enemyAttackerY"};

TEST(EngineSurvey, PrintsEveryGridInOrderThenTheKings) {
    Session s;
    Position pos;
    layOutStartPosition(pos);
    ASSERT_EQ(s.send("position " + lineOf(pos.board)).back(), "ok");
    const auto lines = s.send("survey");
    ASSERT_EQ(lines.size(), 17u);
    for (int i = 0; i < 15; ++i) {
        const auto w = words(lines[static_cast<std::size_t>(i)]);
        EXPECT_EQ(w.size(), 82u) << lines[static_cast<std::size_t>(i)];
        EXPECT_EQ(w.at(0), kNames[i]);
    }
    EXPECT_EQ(lines[15], "kings 5 9 0 0 0 0 5 1");
    EXPECT_EQ(lines[16], "ok");
    // The 金 on (4, 9) is guarded by the 王 beside it, the most valuable guard.
    EXPECT_EQ(at(lines[2], 4, 9), "-20");
    // The top 砲 on (2, 3) takes over the 歩 on (2, 7): counted, no attacker entered.
    EXPECT_EQ(at(lines[1], 2, 8), "1");
    EXPECT_EQ(at(lines[8], 2, 8), "999");
    // The top 卒 on (5, 4) stands where the bottom army reaches nothing.
    EXPECT_EQ(at(lines[5], 5, 4), "-999");
}

TEST(EngineSurvey, PositionResetsEveryGridAndKingSquareToZero) {
    Session s;
    const Board guarded = testsupport::boardFrom(R"(
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . v銀 . . . . .
. . . . v歩 . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . ^王 . . . .
)");
    s.send("position " + lineOf(guarded));
    auto lines = s.send("survey");
    EXPECT_EQ(at(lines[11], 5, 5), "4");
    EXPECT_EQ(lines[15], "kings 5 9 0 0 0 0 0 0");

    s.send("position " + lineOf(Board{}));
    EXPECT_EQ(s.state.map, com::InfluenceMap{});
    lines = s.send("survey");
    EXPECT_EQ(at(lines[11], 5, 5), "0");
    EXPECT_EQ(at(lines[2], 5, 5), "999");
    EXPECT_EQ(lines[15], "kings 0 0 0 0 0 0 0 0");
}

TEST(EngineMate, AnswersBothTestsAndTheEscapes) {
    Session s;
    const Board rookCheck = testsupport::boardFrom(R"(
. . . . v将 . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . v車 . . . .
. . . . . . . . .
. . . . . . . . .
. . . ^歩 . ^歩 . . .
. . . ^香 ^王 ^香 . . .
)");
    s.send("position " + lineOf(rookCheck));
    EXPECT_EQ(s.send("mate"), (std::vector<std::string>{"mate man 1 com 0 escapes 0", "ok"}));

    Hand gold{};
    gold[11] = 1;
    s.send("position " + lineOf(rookCheck, gold));
    EXPECT_EQ(s.send("mate").front(), "mate man 0 com 0 escapes 0");

    const Board generalCheck = testsupport::boardFrom(R"(
. . . v象 v将 v象 . . .
. . . . . . . . .
. . . ^銀 . ^銀 . . .
. . . . . . . . .
. . . . ^飛 . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . ^王 . . . .
)");
    s.send("position " + lineOf(generalCheck));
    EXPECT_EQ(s.send("mate").front(), "mate man 0 com 1 escapes 5");
}

TEST(EngineSurvey, RefusesArguments) {
    Session s;
    EXPECT_EQ(s.send("survey now"), (std::vector<std::string>{"error survey takes no arguments"}));
    EXPECT_EQ(s.send("mate 1"), (std::vector<std::string>{"error mate takes no arguments"}));
}

}  // namespace
