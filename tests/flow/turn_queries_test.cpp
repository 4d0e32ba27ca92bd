// Which stand cells take presses: with Chinese drops off the Chinese army never drops, at either
// end, and the shogi army at the bottom drops only the Chinese pieces it took.
#include <gtest/gtest.h>

#include "flow/turn_queries.h"

namespace {

TEST(TurnQueries, StandCellsOpenToPresses) {
    using rules::hand::kLastChinese;
    constexpr int B = rules::kBottomHandX, T = rules::kTopHandX;
    struct Row {
        bool drops;
        rules::SideId bottom;
        int standX, k;
        bool open;
    } rows[] = {
        {true, rules::GOTE, B, rules::kHandSize, true},
        {false, rules::SENTE, B, 1, true},
        {false, rules::SENTE, B, kLastChinese, true},
        {false, rules::SENTE, B, kLastChinese + 1, false},
        {false, rules::SENTE, T, 1, false},
        {false, rules::GOTE, B, 1, false},
        {false, rules::GOTE, T, rules::kHandSize, true},
    };
    for (const Row& r : rows) {
        rules::Position position;
        position.bottomSide = r.bottom;
        settings::Options options;
        options.chineseDrops = r.drops;
        EXPECT_EQ(flow::standCellOpen(position, options, r.standX, r.k), r.open)
            << "drops " << r.drops << " bottom " << r.bottom << " stand " << r.standX << " cell "
            << r.k;
    }
}

}  // namespace
