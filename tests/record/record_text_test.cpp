#include "record/record_text.h"

#include <gtest/gtest.h>

#include "rules/board_flip.h"
#include "support/random_game.h"

namespace {

using namespace record;

TEST(RecordText, AShortGameReadsAndIsWrittenAsAKifu) {
    const RecordTextRead r = readRecordText(
        "開始日時：2026/12/07 17:14:20\n先手：MAN\n後手：COM レベル3\n"
        "手数----指手---------消費時間--\n"
        "  1 ７六歩(77)   0:01/00:00:01\n  2 ７五卒(74)   ( 0:02/00:00:02)\n"
        "  3 ３三角成(88)\n  4 同　馬(21)\n");
    ASSERT_TRUE(r.ok()) << describe(r);
    EXPECT_EQ(r.list.lastMove, 4);
    EXPECT_EQ(r.list[4].bottomBefore, 1);
    EXPECT_EQ(r.list[4].topAfter, 2);
    EXPECT_EQ(r.list[4].boardAt(7, 3), rules::敵馬);
    EXPECT_EQ(r.list[4].enemyHandAt[rules::hand::kBishop], 1);
    EXPECT_EQ(r.info.computerSide, rules::GOTE);
    EXPECT_EQ(r.info.comLevel, 3);

    EXPECT_EQ(recordToText(r.list, r.info),
              "開始日時：2026/12/07 17:14:20\n手合割：平手\n先手：MAN\n後手：COM レベル3\n"
              "中国軍の持駒打ち：なし\n手数----指手---------消費時間--\n"
              "  1 ７六歩(77)   0:01/00:00:01\n  2 ７五卒(74)   0:02/00:00:02\n"
              "  3 ３三角成(88)   0:00/00:00:01\n  4 ３三馬(21)   0:00/00:00:02\n");

    // A game lost on time keeps its result line.
    RecordInfo lost = r.info;
    lost.timeLoser = rules::SENTE;
    const std::string text = recordToText(r.list, lost);
    EXPECT_NE(text.find("\nまで4手で時間切れにより後手の勝ち\n"), std::string::npos) << text;
    EXPECT_EQ(readRecordText(text).info, lost);
}

// Record → text → record gives every entry back, clocks included.
TEST(RecordText, RandomGamesRoundTrip) {
    for (std::uint64_t seed = 1; seed <= 8; ++seed) {
        RecordInfo info;
        info.chineseDrops = seed % 2 == 0;
        info.computerSide = seed % 3 == 0 ? rules::SENTE : 0;
        info.comLevel = info.computerSide == 0 ? 0 : 4;
        info.handicapGrade = seed % 4 == 0 ? -3 : 0;
        info.date = "2026/12/07";
        if (seed % 2 == 1) info.timeControl = timeControlPresets()[seed / 2 % 4];
        const MoveList list = testsupport::randomRecord(seed, 200, info.chineseDrops);
        const std::string text = recordToText(list, info);
        const RecordTextRead back = readRecordText(text);
        ASSERT_TRUE(back.ok()) << describe(back) << "\n" << text;
        EXPECT_EQ(back.list, list) << text;
        EXPECT_EQ(back.info, info);
    }
    // A start other than the usual one, the Chinese army to move, a king taken at the end.
    const RecordTextRead r = readRecordText(
        "開始局面：4x4/9/9/9/9/9/9/4R4/4K4 w z 7\n  1 ５二将(51)\n  2 ５二飛成(58)   "
        "0:03/00:00:03\n");
    ASSERT_TRUE(r.ok()) << describe(r);
    const std::string text = recordToText(r.list, r.info);
    EXPECT_NE(text.find("まで2手で先手の勝ち"), std::string::npos) << text;
    EXPECT_EQ(readRecordText(text).list, r.list);
    EXPECT_EQ(readRecordText(text).info, r.info);
}

TEST(RecordText, ATurnedRecordIsWrittenAsTheUnturnedOne) {
    const MoveList list = testsupport::randomRecord(11, 40, true);
    MoveList turned = list;
    for (int n = 0; n <= list.lastMove; ++n) {
        rules::Position p;
        p.board = list[n].boardAt;
        p.ownHand = list[n].ownHandAt;
        p.enemyHand = list[n].enemyHandAt;
        rules::flipPosition(p);
        turned[n].boardAt = p.board;
        turned[n].ownHandAt = p.ownHand;
        turned[n].enemyHandAt = p.enemyHand;
        std::swap(turned[n].bottomBefore, turned[n].topBefore);
        std::swap(turned[n].bottomAfter, turned[n].topAfter);
    }
    EXPECT_EQ(recordToText(turned, {}), recordToText(list, {}));
}

TEST(RecordText, BadTextsAreRefusedWithTheirLine) {
    const struct {
        const char* text;
        const char* message;
    } rows[] = {
        {"\n \n", "棋譜がありません"},
        {"開始局面：9/9/9/9/9/9/9/9/4K4 b -\n", "1行目: 開始局面: 将がありません"},
        {"手合割：平手\n  1 ７六歩(77)\nこんにちは\n", "3行目: 読めない行です"},
        {"  1 ７六歩(77) 0:01\n", "1行目: 読めない行です"},
        {"  1 ７六歩(77)   0:05/00:00:01\n", "1行目: 読めない行です"},
        {"  1 同　歩(77)\n", "1行目: 読めない行です"},
        {"  1 ７六歩(77)\n  3 ５五卒(54)\n", "2行目: 手数が続いていません"},
        {"  1 ７五歩(77)\n", "1行目: 指せない手です"},
        {"  1 ５五卒(54)\n", "1行目: 指せない手です"},
        {"  1 ７六歩(77)\n  2 ７五歩(73)\n", "2行目: 指せない手です"},
        {"  1 ５五歩打\n", "1行目: 指せない手です"},
        {"開始局面：4x4/9/9/9/9/9/9/9/4K4 b P\n  1 ５一歩打\n", "2行目: 指せない手です"},
        // The Chinese army drops only with the option on; the shogi army drops any kind.
        {"開始局面：4x4/9/9/9/9/9/9/9/4K4 w z\n  1 ５五卒打\n", "2行目: 指せない手です"},
        {"開始局面：4x4/9/9/9/9/9/9/9/4K4 b Z\n  1 ５五卒打\n  2 ５九将(51)\n",
         "3行目: 指せない手です"},
        {"開始局面：4x4/9/9/9/9/9/9/4R4/4K4 w -\n  1 ５二将(51)\n  2 ５二飛成(58)\n"
         "  3 ５五歩打\n",
         "4行目: 玉を取った後に手があります"},
    };
    for (const auto& row : rows) {
        const RecordTextRead r = readRecordText(row.text);
        EXPECT_EQ(describe(r), row.message) << row.text;
        EXPECT_EQ(r.list.lastMove, 0) << row.text;
    }
}

}  // namespace
