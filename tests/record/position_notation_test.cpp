#include "record/position_notation.h"

#include <gtest/gtest.h>

#include <tuple>

#include "record/entry_position.h"
#include "record/pasted_text.h"
#include "rules/board_flip.h"
#include "rules/setup.h"
#include "support/bench_positions.h"
#include "support/random_game.h"

namespace {

using namespace record;
using rules::Position;

const char* const kStart = "jheaxaehj/9/1c5c1/z1z1z1z1z/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1";

// The board and hands as the shogi army sees them from the bottom.
Position seenFromSente(Position p) {
    if (p.bottomSide != rules::SENTE) rules::flipPosition(p);
    return p;
}

TEST(PositionNotation, StartIsWrittenTheSameWhicheverWayTheBoardIsTurned) {
    Position start;
    rules::layOutStartPosition(start);
    EXPECT_EQ(positionToNotation(start, rules::SENTE, 1), kStart);
    rules::flipPosition(start);
    rules::調査_先手後手(start);
    EXPECT_EQ(positionToNotation(start, rules::SENTE, 1), kStart);

    const NotationRead r = readNotation(std::string("  ") + kStart + " \r\n");
    ASSERT_TRUE(r.ok()) << describe(r);
    EXPECT_EQ(r.value.position.ownKingX, 5);
    EXPECT_EQ(r.value.position.ownPawnFiles[3], 1);
    EXPECT_EQ(readNotation("jheaxaehj/9/1c5c1/z1z1z1z1z/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w -")
                  .value.sideToMove,
              rules::GOTE);
}

// Every position the game can play reads back to itself, side to move and move number included.
// The position check finds the same fault whichever way the board is turned.
void expectRoundTrip(const Position& pos, rules::SideId side, int number) {
    Position turned = pos;
    rules::flipPosition(turned);
    rules::調査_先手後手(turned);
    EXPECT_EQ(rules::checkPosition(turned, side).fault, rules::checkPosition(pos, side).fault);
    const std::string text = positionToNotation(pos, side, number);
    const NotationRead r = readNotation(text);
    if (!r.ok()) {
        EXPECT_EQ(r.error, NotationError::Position) << text;
        return;
    }
    const Position want = seenFromSente(pos);
    EXPECT_EQ(r.value.position.board, want.board) << text;
    EXPECT_EQ(r.value.position.ownHand, want.ownHand) << text;
    EXPECT_EQ(r.value.position.enemyHand, want.enemyHand) << text;
    EXPECT_EQ(r.value.sideToMove, side);
    EXPECT_EQ(r.value.moveNumber, number);
    EXPECT_EQ(positionToNotation(r.value.position, side, number), text);
    if (pos.bottomSide == rules::SENTE) {
        // What a reader derives comes back as a recorded entry gives it.
        const Position& back = r.value.position;
        EXPECT_EQ(std::tie(back.ownKingX, back.ownKingY, back.ownHandTotal, back.enemyHandTotal),
                  std::tie(pos.ownKingX, pos.ownKingY, pos.ownHandTotal, pos.enemyHandTotal))
            << text;
    }
}

TEST(PositionNotation, BenchmarkPositionsAndRandomGamesRoundTrip) {
    int read = 0;
    for (const Position& pos : testsupport::benchPositions()) {
        expectRoundTrip(pos, rules::GOTE, 40);
        read += readNotation(positionToNotation(pos, rules::GOTE, 1)).ok();
    }
    EXPECT_GE(read, 40);
    for (std::uint64_t seed = 1; seed <= 6; ++seed) {
        const MoveList list = testsupport::randomRecord(seed, 160, seed % 2 == 0);
        for (int n = 0; n <= list.lastMove; ++n)
            expectRoundTrip(positionOfEntry(list[n]), n % 2 == 0 ? rules::SENTE : rules::GOTE,
                            n + 1);
    }
}

TEST(PositionNotation, BadStringsAreRefusedWithWhatAndWhere) {
    const struct {
        const char* text;
        const char* message;
    } rows[] = {
        {"  ", "局面の表記がありません"},
        {"4x4/9/9/9/9/9/9/4K4 b -", "20文字目: 盤面が'/'で区切った9段になっていません"},
        {"4x4/9/9/9/9/9/9/9/9/4K4 b -", "20文字目: 盤面が'/'で区切った9段になっていません"},
        {"4x4/9/9/9/9/9/9/9/4Q4 b -", "20文字目: 駒を表さない文字があります"},
        {"4x4/9/9/9/9/9/9/9/4+G4 b -", "21文字目: 駒を表さない文字があります"},
        {"4x4/9/9/9/9/9/9/9/4K3 b -", "22文字目: 9段目が9マスになっていません"},
        {"4x5/9/9/9/9/9/9/9/4K4 b -", "3文字目: 1段目が9マスになっていません"},
        {"4x4/9/9/9/9/9/9/9/4K4 x -", "23文字目: 手番は b か w で書いて下さい"},
        {"4x4/9/9/9/9/9/9/9/4K4 b", "24文字目: 持駒が正しく書かれていません"},
        {"4x4/9/9/9/9/9/9/9/4K4 b P2P", "26文字目: 持駒が正しく書かれていません"},
        {"4x4/9/9/9/9/9/9/9/4K4 b +B", "25文字目: 持駒が正しく書かれていません"},
        {"4x4/9/9/9/9/9/9/9/4K4 b K", "25文字目: 持駒が正しく書かれていません"},
        {"4x4/9/9/9/9/9/9/9/4K4 b - 0", "27文字目: 手数は1から9999までの数で書いて下さい"},
        {"4x4/9/9/9/9/9/9/9/4K4 b - 3 x", "29文字目: 手数の後に余分な文字があります"},
        // Well written, but not a position the game can play.
        {"9/9/9/9/9/9/9/9/4K4 b -", "将がありません"},
        {"4x4/9/9/9/9/9/9/9/9 b -", "王がありません"},
        {"4x4/9/9/9/9/9/9/9/3KK4 b -", "王が二枚あります"},
        {"4x3x/9/9/9/9/9/9/9/4K4 b -", "将が二枚あります"},
        {"4X4/9/9/9/9/9/9/9/4K4 b -", "将がありません"},
        {"x8/9/9/9/9/9/9/9/4K4 b -", "９一の将が九宮の外にあります"},
        {"4x3P/9/9/9/9/9/9/9/4K4 b -", "１一の歩はもう動けません"},
        {"4x3L/9/9/9/9/9/9/9/4K4 b -", "１一の香はもう動けません"},
        {"4x4/8N/9/9/9/9/9/9/4K4 b -", "１二の桂はもう動けません"},
        {"4x4/9/9/9/9/9/9/9/p3K4 b -", "９九の歩はもう動けません"},
        {"Z3x4/9/9/9/9/9/9/9/4K4 b -", ""},  // a 卒 may stand anywhere
        {"4x4/9/9/9/9/P8/9/P8/4K4 b -", "９筋に同じ側の歩が二枚あります"},
        {"4x4/9/9/9/9/P8/9/+P8/4K4 b -", ""},  // a と is no 歩
        {"4x4/9/9/9/9/9/9/9/4K4 b 9Pp", "歩が多すぎます（9枚まで）"},
        {"4x4/9/9/9/9/9/9/B8/4K4 b b", "角が多すぎます（1枚まで）"},
        {"4x4/9/9/9/9/9/9/9/4K4 b 2A2a", "士が多すぎます（2枚まで）"},
        {"4x4/9/9/9/9/9/9/9/4K4 b 3Cz", "砲が多すぎます（2枚まで）"},
        {"4x4/9/9/4R4/9/9/9/9/4K4 b -", "手番の側が相手の玉をすぐに取れます"},
        {"4x4/9/9/4R4/9/9/9/9/4K4 w -", ""},
        {"4x4/9/9/9/9/9/9/4j4/4K4 w -", "手番の側が相手の玉をすぐに取れます"},
    };
    for (const auto& row : rows) {
        const NotationRead r = readNotation(row.text);
        EXPECT_EQ(describe(r), row.message) << row.text;
        if (!r.ok()) {
            EXPECT_EQ(r.value.position, Position{}) << row.text;
        }
    }
}

TEST(PastedText, IsToldByItsForm) {
    const struct {
        std::string text;
        PastedKind kind;
    } rows[] = {
        {kStart, PastedKind::PositionNotation},
        {"\n  4x4/9/9/9/9/9/9/9/4K4 b -\n", PastedKind::PositionNotation},
        {"手合割：平手\n  1 ７六歩(77)   0:01/00:00:01\n", PastedKind::RecordText},
        {"   1 ７六歩(77)\n", PastedKind::RecordText},
        {"name\ntop\nbottom\n" + std::string(289, '0') + "\r\n", PastedKind::RecordFile},
        {"hello/world", PastedKind::Unknown},
        {"", PastedKind::Unknown},
    };
    for (const auto& row : rows) EXPECT_EQ(kindOfPastedText(row.text), row.kind) << row.text;
}

}  // namespace
