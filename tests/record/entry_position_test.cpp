#include "record/entry_position.h"

#include <gtest/gtest.h>

#include <memory>

#include "rules/board_flip.h"
#include "rules/make_move.h"
#include "rules/setup.h"

using namespace record;
using namespace rules;

namespace {

TEST(EntryPosition, ARecordPlayedOnATurnedBoardStartsTurnedWithTheShogiArmyOnTop) {
    Position pos;
    layOutStartPosition(pos);
    flipPosition(pos);
    駒移動(pos, 7, 3, 7, 4, 敵歩);  // the shogi army's first move, from the top
    auto list = std::make_unique<MoveList>();
    (*list)[1] = MoveEntry{pos.board, pos.ownHand, pos.enemyHand};
    list->lastMove = 1;
    layOutStartEntry(*list);

    const std::vector<Position> game = positionsOf(*list, list->lastMove);
    ASSERT_EQ(game.size(), 2u);
    EXPECT_EQ(game[0].topSide, SENTE);
    EXPECT_EQ(game[0].board(7, 3), 敵歩);
    EXPECT_EQ(game[1].board, pos.board);
    // The bottom king is the 将, found for the search.
    EXPECT_EQ(std::pair(game[1].ownKingX, game[1].ownKingY), std::pair(5, 9));
}

}  // namespace
