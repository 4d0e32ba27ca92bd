// The display list drops only what later drawings hide completely.
#include <gtest/gtest.h>

#include "platform/display_list.h"

using platform::DisplayList;
using platform::DrawOp;

namespace {

DrawOp op(DrawOp::Kind kind, QRect bounds) {
    DrawOp o;
    o.kind = kind;
    o.bounds = bounds;
    return o;
}

TEST(DisplayList, DropsWhatAnOpaqueDrawingCoversAndKeepsWhatPeeksOut) {
    DisplayList list(QRect(0, 0, 100, 100));
    list.add(op(DrawOp::Kind::Text, QRect(10, 10, 20, 10)));   // wholly under the fill
    list.add(op(DrawOp::Kind::Text, QRect(35, 10, 20, 10)));   // half outside it
    list.add(op(DrawOp::Kind::Outline, QRect(0, 0, 41, 41)));  // one pixel past it
    list.add(op(DrawOp::Kind::Fill, QRect(0, 0, 40, 40)));
    ASSERT_EQ(list.ops().size(), 3u);
    EXPECT_EQ(list.ops()[0].bounds, QRect(35, 10, 20, 10));

    // The same outline again replaces the old one; another outline does not.
    list.add(op(DrawOp::Kind::Outline, QRect(0, 0, 41, 41)));
    list.add(op(DrawOp::Kind::Outline, QRect(0, 0, 42, 41)));
    EXPECT_EQ(list.ops().size(), 4u);

    // Wholly off the surface: never kept.
    list.add(op(DrawOp::Kind::Fill, QRect(200, 0, 10, 10)));
    EXPECT_EQ(list.ops().size(), 4u);
}

TEST(DisplayList, ADrawingHiddenBySeveralLaterOnesGoesWhenTheListGrowsLong) {
    DisplayList list(QRect(0, 0, 1000, 1000));
    // A text across two tiles is covered by neither alone; the tiles are redrawn many times.
    list.add(op(DrawOp::Kind::Text, QRect(30, 5, 20, 10)));
    for (int round = 0; round < 3000; ++round) {
        list.add(op(DrawOp::Kind::Text, QRect(30, 5, 20, 10)));
        for (int t = 0; t < 2; ++t) list.add(op(DrawOp::Kind::Fill, QRect(t * 40, 0, 40, 40)));
    }
    EXPECT_LT(list.ops().size(), 2100u);
    // The newest text over the tiles is kept.
    list.add(op(DrawOp::Kind::Text, QRect(30, 5, 20, 10)));
    EXPECT_EQ(list.ops().back().kind, DrawOp::Kind::Text);
}

}  // namespace
