// How the piece sets name a move, and the legend's diagrams, which the move check draws.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "view/legend.h"
#include "view/piece_names.h"

using namespace rules;
using platform::PieceSet;

namespace {

TEST(PieceNames, EachSetNamesTheSquareAndThePiece) {
    const struct {
        PieceSet set;
        int x, y;
        PieceCode piece;
        const char* text;
    } rows[] = {
        {PieceSet::Kanji, 3, 6, 自歩, "７六 歩"},
        {PieceSet::International, 3, 6, 自歩, "7f P"},
        {PieceSet::International, 9, 1, 敵角成, "1a +B"},
        {PieceSet::International, 6, 2, 敵士, "4b A"},
        {PieceSet::International, 5, 9, 自将, "5i M"},
        {PieceSet::International, 1, 8, 敵車, "9h T"},
    };
    for (const auto& r : rows) EXPECT_EQ(view::moveText(r.set, r.x, r.y, r.piece), r.text);
}

TEST(PieceNames, NoTwoKindsShareALetter) {
    std::set<std::string> letters;
    for (int k = 1; k <= kind::count; ++k)
        EXPECT_TRUE(letters.insert(view::internationalName(k)).second) << k;
}

// Every kind has its place in the legend, standing where it has moves to show.
TEST(Legend, EveryKindOnceAndEachWithSquaresToGoTo) {
    std::set<int> kinds;
    for (const view::LegendEntry& e : view::legendEntries()) {
        EXPECT_TRUE(kinds.insert(e.kind).second) << e.kind;
        const view::LegendDiagram d = view::legendDiagram(e);
        int reached = 0;
        for (const auto& column : d.reach)
            for (const bool r : column) reached += r;
        EXPECT_GT(reached, 0) << e.kind;
    }
    EXPECT_EQ(kinds.size(), static_cast<std::size_t>(kind::count));

    // The cannon slides up to its screen and takes the piece beyond it.
    const view::LegendDiagram cannon = view::legendDiagram(
        *std::find_if(view::legendEntries().begin(), view::legendEntries().end(),
                      [](const view::LegendEntry& e) { return e.kind == kind::砲; }));
    EXPECT_TRUE(cannon.reach[5][4]);
    EXPECT_FALSE(cannon.reach[5][6]);
    EXPECT_TRUE(cannon.reach[5][8]);
}

}  // namespace
