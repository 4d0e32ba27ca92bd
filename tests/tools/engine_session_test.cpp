#include <gtest/gtest.h>

#include <algorithm>
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

bool contains(const std::vector<std::string>& lines, const std::string& l) {
    return std::find(lines.begin(), lines.end(), l) != lines.end();
}

TEST(EngineLegal, StartPositionListsBothArmiesInScanOrder) {
    Session s;
    ASSERT_EQ(s.one("position " + startLine()), "ok");
    const auto lines = s.send("legal");
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), "ok");
    EXPECT_EQ(lines.front(), "move 1 1 1 2 8");  // the top-left 車, first in x-then-y order
    const auto bottom = std::count_if(lines.begin(), lines.end(), [](const std::string& l) {
        return l.back() != 'k' && l[l.rfind(' ') + 1] == '-';
    });
    EXPECT_EQ(bottom, 30);
    EXPECT_EQ(static_cast<long>(lines.size()) - 1 - bottom, 42);
    EXPECT_TRUE(contains(lines, "move 5 7 5 6 -1"));
    EXPECT_TRUE(contains(lines, "move 2 3 2 8 19"));  // the 砲 takes the 角 over the 歩
    EXPECT_FALSE(contains(lines, "move 2 9 1 7 -6"));
    EXPECT_TRUE(std::is_sorted(lines.begin(), lines.end() - 1, [](const auto& a, const auto& b) {
        std::istringstream ia(a.substr(5)), ib(b.substr(5));
        int ax, ay, bx, by;
        ia >> ax >> ay;
        ib >> bx >> by;
        return std::pair(ax, ay) < std::pair(bx, by);
    }));
}

TEST(EngineLegal, DropsFollowTheBoardBottomHandFirstWithTheTwoPawnRule) {
    Session s;
    const Board b = testsupport::boardFrom(R"(
 .   .   .   .  v将  .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
^歩 ^歩 ^歩 ^歩  .  ^歩 ^歩 ^歩 ^歩
 .   .   .   .   .   .   .   .   .
 .   .   .   .  ^王  .   .   .   .
)");
    Hand own{}, enemy{};
    own[7] = 1;     // one 歩: only column 5 is free of bottom 歩
    enemy[12] = 2;  // the top army holds a 角
    ASSERT_EQ(s.one("position " + lineOf(b, own, enemy)), "ok");
    const auto lines = s.send("legal");
    std::vector<std::string> drops;
    for (const auto& l : lines) {
        if (l.rfind("move 11 ", 0) == 0 || l.rfind("move -1 ", 0) == 0) drops.push_back(l);
    }
    // Column 5, rows 2..8 minus the 王's square: no 歩 on row 1.
    ASSERT_GE(drops.size(), 7u);
    EXPECT_EQ(drops[0], "move 11 7 5 2 -1");
    EXPECT_EQ(drops[6], "move 11 7 5 8 -1");
    EXPECT_EQ(drops[7], "move -1 12 1 1 14");
    // Every empty square takes the 角: 81 squares less 10 pieces.
    EXPECT_EQ(drops.size(), 7u + 71u);
    // The drops come last, after every board move.
    EXPECT_EQ(lines[lines.size() - 2], "move -1 12 9 9 14");
}

TEST(EnginePosition, SetsSidesTotalsAndTheBottomKingOfEitherKind) {
    Session s;
    const Board turned = testsupport::boardFrom(R"(
 .   .   .   .  v王  .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .  ^将  .   .   .   .   .
)");
    Hand own{}, enemy{};
    own[7] = 2;
    own[13] = 1;
    enemy[1] = 4;
    ASSERT_EQ(s.one("position " + lineOf(turned, own, enemy)), "ok");
    const Position& pos = s.state.pos;
    EXPECT_EQ(pos.bottomSide, GOTE);
    EXPECT_EQ(pos.topSide, SENTE);
    EXPECT_EQ(pos.ownKingX, 4);
    EXPECT_EQ(pos.ownKingY, 9);
    EXPECT_EQ(pos.ownHandTotal, 3);
    EXPECT_EQ(pos.enemyHandTotal, 4);
    EXPECT_EQ(pos.ownHand[13], 1);
}

TEST(EnginePosition, ResetsTheGameButKeepsTheOptions) {
    Session s;
    ASSERT_EQ(s.one("setoption level 1"), "ok");
    ASSERT_EQ(s.one("setoption drops on"), "ok");
    Board b;
    b(5, 1) = 敵将;
    b(5, 2) = 自金;
    b(5, 9) = 自王;
    ASSERT_EQ(s.one("position " + lineOf(b)), "ok");
    ASSERT_EQ(s.send("play 5 2 5 1 -13").back(), "ok");
    ASSERT_EQ(s.state.pos.winnerSide, SENTE);
    ASSERT_EQ(s.state.pos.ownHandTotal, 1);

    s.state.pos.promotedCode = 自と;
    ASSERT_EQ(s.one("position " + startLine()), "ok");
    EXPECT_EQ(s.state.pos.winnerSide, 0);
    EXPECT_EQ(s.state.pos.ownHandTotal, 0);
    EXPECT_EQ(s.state.pos.promotedCode, 0);
    EXPECT_EQ(s.state.pos.ownKingX, 5);
    EXPECT_EQ(s.state.level, 1);
    EXPECT_TRUE(s.state.drops);
}

TEST(EnginePosition, AMalformedLineIsRefusedAndTheOldPositionStays) {
    Session s;
    ASSERT_EQ(s.one("position " + startLine()), "ok");
    std::string bad = startLine();
    bad.replace(3, 3, " 99");
    EXPECT_EQ(s.one("position " + bad),
              "error malformed position line: bad piece code at column 4");
    EXPECT_EQ(s.one("position"), "error position needs an entry line");
    EXPECT_EQ(s.state.pos.board(1, 1), 敵車);
    EXPECT_EQ(s.state.pos.ownKingX, 5);
}

TEST(EnginePlay, MakesTheMoveAndAnswersTheNewLine) {
    Session s;
    ASSERT_EQ(s.one("position " + startLine()), "ok");
    const auto answer = s.send("play 2 3 2 8 19");  // the 砲 takes the 角
    ASSERT_EQ(answer.size(), 2u);
    EXPECT_EQ(answer[1], "ok");
    ASSERT_EQ(answer[0].rfind("line ", 0), 0u);
    record::MoveEntry e;
    ASSERT_TRUE(record::decodeEntryLine(answer[0].substr(5), e));
    EXPECT_EQ(answer[0].size(), 5u + 289u);
    EXPECT_EQ(e.boardAt(2, 8), 敵砲);
    EXPECT_EQ(e.boardAt(2, 3), 空);
    EXPECT_EQ(e.enemyHandAt[12], 1);
    EXPECT_EQ(e.bottomAfter + e.topAfter, 0);
    EXPECT_EQ(s.state.pos.enemyHandTotal, 1);

    // The 角 goes back in: a drop from the top hand with its code on arrival; no legality test.
    const auto drop = s.send("play -1 12 5 5 14");
    ASSERT_EQ(drop.back(), "ok");
    EXPECT_EQ(s.state.pos.board(5, 5), 敵角);
    EXPECT_EQ(s.state.pos.enemyHand[12], 0);
    // A promotion is just the promoted code on arrival.
    ASSERT_EQ(s.send("play 5 7 5 6 -2").back(), "ok");
    EXPECT_EQ(s.state.pos.board(5, 6), 自と);
}

TEST(EnginePlay, RefusesImpossibleMovesAndChangesNothing) {
    Session s;
    ASSERT_EQ(s.one("position " + startLine()), "ok");
    const Position before = s.state.pos;
    const char* const refused[] = {
        "play 5 7 5 10 -1",  // off the board
        "play 5 7 0 6 -1",  "play 0 7 5 6 -1",  "play 10 7 5 6 -1",
        "play 11 0 5 5 -3",                      // hand index outside 1..13
        "play -1 14 5 5 3", "play 11 1 5 5 -3",  // nothing in that hand slot
        "play 5 5 5 6 -1",                       // an empty square
        "play 5 7 5 7 -1",                       // nowhere to go
        "play 5 7 5 6 22",                       // not a piece code
        "play 5 7 5 6 0",   "play 5 7 5 6",     "play 5 7 5 6 -1 0", "play 5 7 five 6 -1",
    };
    for (const char* command : refused) {
        const std::string answer = s.one(command);
        EXPECT_EQ(answer.rfind("error ", 0), 0u) << command << " -> " << answer;
    }
    EXPECT_EQ(s.state.pos.board, before.board);
    EXPECT_EQ(s.state.pos.ownHand, before.ownHand);
    EXPECT_EQ(s.state.pos.ownHandTotal, before.ownHandTotal);
}

TEST(EngineSession, OptionsUnknownCommandsAndQuit) {
    std::istringstream in(
        "setoption level 2\r\n"
        "\n"
        "setoption level 0\n"
        "setoption drops maybe\n"
        "setoption speed 3\n"
        "fly\n"
        "setoption drops on\n"
        "setoption nodes -1\n"
        "setoption nodes 5000\n"
        "quit\n"
        "setoption level 1\n");
    std::ostringstream out;
    engine::EngineState state;
    EXPECT_EQ(state.level, 3);
    EXPECT_FALSE(state.drops);
    engine::runSession(state, engine::defaultCommands(), in, out);
    EXPECT_EQ(out.str(),
              "ok\n"
              "error level must be 1, 2, 3, 4 or 5\n"
              "error drops must be on or off\n"
              "error unknown option: speed\n"
              "error unknown command: fly\n"
              "ok\n"
              "error nodes must be a whole number, 0 or more\n"
              "ok\n"
              "ok\n");
    EXPECT_EQ(state.level, 2);  // nothing after quit was read
    EXPECT_TRUE(state.drops);
    EXPECT_EQ(state.nodes, 5000);
}

TEST(EngineSession, AGroupOfCommandsCanBeAddedToTheTable) {
    engine::CommandTable table = engine::defaultCommands();
    table.add("count", [](engine::EngineState& st, std::string_view, std::ostream& out) {
        out << "total " << st.pos.ownHandTotal << '\n';
        return engine::Answer::ok();
    });
    engine::EngineState state;
    state.pos.ownHandTotal = 3;
    std::ostringstream out;
    EXPECT_TRUE(engine::runCommand(state, table, "count", out));
    EXPECT_EQ(out.str(), "total 3\nok\n");
}

}  // namespace
