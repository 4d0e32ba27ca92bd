// kz-match: how a game ends, the pairs, repeatability, the totals and the command line.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <utility>

#include "record/position_notation.h"
#include "rules/setup.h"
#include "support/diagram.h"
#include "support/temp_folder.h"
#include "tools/match/match.h"

namespace {

using match::Outcome;

match::MatchOptions levels(int a, int b) {
    match::MatchOptions o;
    o.levelA = a;
    o.levelB = b;
    return o;
}

TEST(MatchGame, TakingAKingWinsForTheTaker) {
    // The bottom (shogi) army to move, its 飛 facing the 将 down an open column.
    match::Opening from;
    from.pos = testsupport::positionFrom(
        ". . . . v将 . . . .\n. . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
        ". . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n. . . . ^飛 . . . .\n"
        ". . . . . . . . ^王\n");
    from.mover = -1;
    from.plies = 10;
    for (const bool aIsShogi : {true, false}) {
        const match::GameResult r = match::playOn(levels(1, 1), from, aIsShogi);
        EXPECT_EQ(r.outcome, aIsShogi ? Outcome::Win : Outcome::Loss);
        EXPECT_EQ(r.plies, 11);
    }
}

TEST(MatchGame, AnArmyWithNoMoveLoses) {
    // The bottom 王 in the corner behind three 香 that cannot move, nothing in hand.
    match::Opening from;
    from.pos = testsupport::positionFrom(
        "^王 ^香 . . . . . . .\n^香 ^香 . . . . . . .\n. . . . v将 . . . .\n"
        ". . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
        ". . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n");
    from.mover = -1;
    for (const bool aIsShogi : {true, false}) {
        const match::GameResult r = match::playOn(levels(1, 1), from, aIsShogi);
        EXPECT_EQ(r.outcome, aIsShogi ? Outcome::Loss : Outcome::Win);
        EXPECT_EQ(r.plies, 0);
    }
}

TEST(MatchGame, TheFullRecordIsADraw) {
    match::Opening from = match::openingOf(levels(1, 1), 0);
    from.plies = match::kMaxPlies - 2;
    const match::GameResult r = match::playOn(levels(1, 1), from, true);
    EXPECT_EQ(r.outcome, Outcome::Draw);
    EXPECT_EQ(r.plies, match::kMaxPlies);
}

TEST(MatchGame, APairSharesItsSeededOpeningWithTheArmiesSwapped) {
    match::MatchOptions o = levels(1, 1);
    o.randomPlies = 5;
    const match::Opening first = match::openingOf(o, 3);
    EXPECT_EQ(first.plies, 5);
    EXPECT_EQ(first.mover, 1) << "the Chinese army moves after five plies";
    EXPECT_EQ(match::openingOf(o, 3).pos.board, first.pos.board);
    EXPECT_NE(match::openingOf(o, 4).pos.board, first.pos.board);
    rules::Position start;
    rules::layOutStartPosition(start);
    EXPECT_NE(first.pos.board, start.board);
    o.games = 2;
    EXPECT_TRUE(match::playGame(o, 6).aIsShogi);
    EXPECT_FALSE(match::playGame(o, 7).aIsShogi);
}

TEST(MatchGame, ThePairsPlayOneOpeningAndConsecutiveSeedsShareNone) {
    // Equal players on one opening play one game twice: the same length, the result turned round.
    match::MatchOptions o = levels(1, 1);
    o.randomPlies = 6;
    for (int pair = 0; pair < 2; ++pair) {
        const match::GameResult first = match::playGame(o, 2 * pair);
        const match::GameResult second = match::playGame(o, 2 * pair + 1);
        EXPECT_EQ(first.plies, second.plies) << "pair " << pair;
        EXPECT_EQ(static_cast<int>(first.outcome) + static_cast<int>(second.outcome), 2);
    }
    std::set<std::pair<std::string, rules::Hand>> seen;
    for (const unsigned long long seed : {1ULL, 2ULL}) {
        o.seed = seed;
        for (int pair = 0; pair < 50; ++pair) {
            const match::Opening opening = match::openingOf(o, pair);
            const std::string board = testsupport::diagramOf(opening.pos.board);
            EXPECT_TRUE(seen.insert({board, opening.pos.ownHand}).second)
                << "seed " << seed << " pair " << pair;
        }
    }
}

TEST(MatchRun, TheSameSeedGivesTheSameGamesWhateverTheThreads) {
    match::MatchOptions o = levels(2, 1);
    o.games = 4;
    o.randomPlies = 6;
    o.seed = 3;
    std::ostringstream one, two, other;
    match::playMatch(o, one);
    o.jobs = 2;
    match::playMatch(o, two);
    o.seed = 4;
    match::playMatch(o, other);
    EXPECT_EQ(one.str(), two.str());
    EXPECT_NE(one.str(), other.str());
    EXPECT_EQ(one.str().rfind("game 1: A-shogi ", 0), 0u) << one.str();
    EXPECT_NE(one.str().find("\ngame 4: A-chinese "), std::string::npos) << one.str();
}

TEST(MatchRun, SampledPositionsAreTheSameWhateverTheThreads) {
    // Level 1 against itself: the two games of a pair end alike for the same army.
    testsupport::TempFolder folder;
    std::string written[2];
    for (const int jobs : {1, 2}) {
        const std::string name = folder.file(jobs == 1 ? "one" : "two");
        std::ostringstream out, err;
        ASSERT_EQ(match::runMain({"kz-match", "--a", "1", "--b", "1", "--games", "4", "--drops",
                                  "on", "--seed", "5", "--random-plies", "6", "--jobs",
                                  std::to_string(jobs), "--positions", name, "--sample-every", "3"},
                                 out, err),
                  0);
        written[jobs - 1] = testsupport::TempFolder::readBytes(name);
    }
    EXPECT_EQ(written[0], written[1]);
    std::istringstream lines(written[0]);
    int n = 0;
    for (std::string line; std::getline(lines, line); ++n) {
        const std::size_t notation = line.find(" on ");
        ASSERT_NE(notation, std::string::npos) << line;
        EXPECT_TRUE(record::readNotation(line.substr(notation + 4))) << line;
        if (n == 0) {
            EXPECT_EQ(line.substr(line.size() - 2), " 7") << "the first ply after six";
        }
    }
    EXPECT_GT(n, 4);
}

TEST(MatchRun, TotalsPerArmyThenTheResultWithItsElo) {
    const auto game = [](bool aIsShogi, Outcome o) {
        return match::GameResult{aIsShogi, o, 50, {}};
    };
    // Pairs: won both, won and lost, two draws, won and drew.
    const std::vector<match::GameResult> results = {
        game(true, Outcome::Win),   game(false, Outcome::Win), game(true, Outcome::Win),
        game(false, Outcome::Loss), game(true, Outcome::Draw), game(false, Outcome::Draw),
        game(true, Outcome::Win),   game(false, Outcome::Draw)};
    EXPECT_EQ(match::summaryLines(results),
              "A-shogi: 3-1-0 score 87.5%\n"
              "A-chinese: 1-2-1 score 50.0%\n"
              "result 4-3-1 score 68.8% elo 137.0 +/- 231.0\n");
    EXPECT_EQ(match::gameLine(0, results[3]), "game 1: A-chinese loss plies 50");
}

TEST(MatchRun, OptionsAreReadAsWritten) {
    const auto parse = [](std::vector<std::string> args) {
        args.insert(args.begin(), "kz-match");
        return match::parseOptions(args).value();
    };
    EXPECT_TRUE(parse({"--drops", "on"}).drops);
    EXPECT_FALSE(parse({"--drops", "on", "--drops", "off"}).drops);
    const match::MatchOptions o =
        parse({"--a", "5", "--b", "2", "--nodes-a", "500", "--nodes-b", "700", "--games", "6",
               "--seed", "9", "--random-plies", "3", "--jobs", "2"});
    EXPECT_EQ(std::vector<long long>({o.levelA, o.levelB, o.nodesA, o.nodesB, o.games,
                                      static_cast<long long>(o.seed), o.randomPlies, o.jobs}),
              std::vector<long long>({5, 2, 500, 700, 6, 9, 3, 2}));
}

TEST(MatchRun, ABadOptionPrintsTheUsageAndExitsWithTwo) {
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"kz-match", "--a", "6"},
                                               {"kz-match", "--games", "0"},
                                               {"kz-match", "--nodes-b", "0"},
                                               {"kz-match", "--drops", "maybe"},
                                               {"kz-match", "--jobs"},
                                               {"kz-match", "--speed", "3"}}) {
        std::ostringstream out, err;
        EXPECT_EQ(match::runMain(args, out, err), 2) << args[1];
        EXPECT_EQ(err.str().rfind("usage: kz-match", 0), 0u);
        EXPECT_EQ(out.str(), "");
    }
}

}  // namespace
