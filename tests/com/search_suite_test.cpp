// The search over the benchmark suite (positions of seeded random play, both orientations, with
// and without pieces in hand): at every level, with drops on and off, it restores the position,
// answers the same move twice, and picks the first candidate of the highest score.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "com_turn.h"
#include "record/position_line.h"

namespace {
using namespace rules;

std::vector<Position> suite() {
    const std::string here = __FILE__;
    const std::string root = here.substr(0, here.rfind("/tests/com/"));
    std::ifstream in(root + "/bench/data/positions.txt");
    std::vector<Position> positions;
    for (std::string line; std::getline(in, line);) {
        Position pos;
        if (line.empty() || !record::readPosition(line, pos)) continue;
        positions.push_back(pos);
    }
    return positions;
}

TEST(SearchSuite, EveryPositionAtEveryLevel) {
    const std::vector<Position> positions = suite();
    ASSERT_GE(positions.size(), 50u);
    for (std::size_t i = 0; i < positions.size(); ++i) {
        for (int level = 1; level <= 3; ++level) {
            for (const bool drops : {false, true}) {
                comtest::Turn t(positions[i], level);
                t.settings.chineseDrops = drops;
                t.run();
                SCOPED_TRACE("position " + std::to_string(i) + " level " + std::to_string(level));
                EXPECT_EQ(t.pos.board, positions[i].board);
                EXPECT_EQ(t.pos.enemyHand, positions[i].enemyHand);
                ASSERT_EQ(t.found, !t.rec.lines.empty());
                if (!t.found) continue;
                const auto first = std::max_element(
                    t.rec.lines.begin(), t.rec.lines.end(),
                    [](const auto& a, const auto& b) { return a.score < b.score; });
                EXPECT_EQ(t.state.bestScore, first->score);
                EXPECT_EQ(t.best().toX, first->tx);
                EXPECT_EQ(t.best().toY, first->ty);

                const com::ComMove chosen = t.best();
                t.run();
                EXPECT_EQ(t.best(), chosen);
            }
        }
    }
}

}  // namespace
