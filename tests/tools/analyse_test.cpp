// kz-analyse on a record file: one line per entry (the start first), the marks last.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

#include "record/kifu_file.h"
#include "rules/make_move.h"
#include "rules/setup.h"
#include "support/temp_folder.h"
#include "tools/analyse/analyse.h"

namespace {

using namespace rules;

TEST(Analyse, ReviewsEveryEntryOfARecordAndRefusesWhatItCannotRead) {
    // Three moves from the start; the third leaves the 車 in the corner to the 角.
    Position pos;
    layOutStartPosition(pos);
    auto list = std::make_unique<record::MoveList>();
    const int steps[3][4] = {{3, 7, 3, 6}, {5, 4, 5, 5}, {2, 8, 9, 1}};
    for (int n = 1; n <= 3; ++n) {
        const auto [fx, fy, tx, ty] = steps[n - 1];
        駒移動(pos, fx, fy, tx, ty, pos.board(fx, fy) == 自角 ? 自角成 : pos.board(fx, fy));
        (*list)[n] = record::MoveEntry{pos.board, pos.ownHand, pos.enemyHand};
    }
    testsupport::TempFolder folder;
    const std::string file = folder.file("game.棋譜");
    ASSERT_TRUE(record::save(file, {"", "", ""}, *list, 3));

    std::ostringstream out, err;
    EXPECT_EQ(analyse::runMain({"kz-analyse", file, "--nodes", "20000"}, out, err), 0);
    std::istringstream lines(out.str());
    std::string line;
    for (int n = 0; n <= 3; ++n) {
        ASSERT_TRUE(std::getline(lines, line));
        EXPECT_EQ(line.rfind("analysis score ", 0), 0u) << line;
    }
    ASSERT_TRUE(std::getline(lines, line));
    EXPECT_EQ(line, "marked 2??");
    EXPECT_EQ(err.str(), "");

    EXPECT_EQ(analyse::runMain({"kz-analyse", file, "--nodes"}, out, err), 2);
    EXPECT_EQ(analyse::runMain({"kz-analyse"}, out, err), 2);
    EXPECT_EQ(analyse::runMain({"kz-analyse", folder.file("none.棋譜")}, out, err), 1);
}

}  // namespace
