// Copy and paste through the clipboard: the position shown and the record go out as text, and a
// pasted notation, record text or record file comes back as a read record; anything else is
// refused with a message and changes nothing.
#include "record/entry_line.h"
#include "record/kifu_file.h"
#include "record/position_notation.h"
#include "two_player_rig.h"

using platform::Answer;
using platform::Buttons;

namespace {

constexpr const char* kStart = "jheaxaehj/9/1c5c1/z1z1z1z1z/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1";

class Clipboard : public testsupport::TwoPlayerTest {
  protected:
    std::string& held() { return rig.clipboard.held; }
    // Two moves of a game between two humans: a 歩 and a 卒 step forward.
    void playTwoMoves() {
        startGame();
        move(3, 7, 3, 6);
        move(3, 4, 3, 5);
    }
    // A paste over the game in progress, answering the question whether to end it.
    void paste(Answer endGame = Answer::Yes) {
        rig.dialogs.expect("対局中のゲームを終えて貼り付けますか？", "貼り付け", Buttons::YesNo,
                           endGame);
        game().clipboard().PASTE_Click();
    }
    void pasteExpectingRead() {
        rig.dialogs.expect("対局中のゲームを終えて貼り付けますか？", "貼り付け", Buttons::YesNo,
                           Answer::Yes);
        rig.dialogs.expect(" 読み込みました", "棋譜");
        rig.dialogs.expect("棋譜を '進 'で進めて下さい", "棋譜");
        game().clipboard().PASTE_Click();
        rig.dialogs.verify();
    }
};

TEST_F(Clipboard, CopiesThePositionShownFromTheShogiArmysSide) {
    game().clipboard().COPY_POSITION_Click();
    EXPECT_EQ(held(), kStart);
    playTwoMoves();
    game().clipboard().COPY_POSITION_Click();
    const std::string afterTwo = held();
    EXPECT_EQ(afterTwo, "jheaxaehj/9/1c5c1/z3z1z1z/2z6/2P6/PP1PPPPPP/1B5R1/LNSGKGSNL b - 3");
    game().REVERSE_Click();
    game().clipboard().COPY_POSITION_Click();
    EXPECT_EQ(held(), afterTwo);
}

TEST_F(Clipboard, APastedRecordTextIsTheGameAgainInRecordMode) {
    playTwoMoves();
    const record::MoveList played = game().moves();
    game().clipboard().COPY_RECORD_Click();
    pasteExpectingRead();
    EXPECT_TRUE(state().kifuMode);
    EXPECT_EQ(state().sideToMove, rules::SENTE);
    ASSERT_EQ(game().moves().lastMove, 2);
    for (int n = 0; n <= 2; ++n)
        EXPECT_EQ(game().moves()[n].boardAt, played[n].boardAt) << "entry " << n;
    game().AFTER_Click();
    EXPECT_EQ(pos().board, played[1].boardAt);
}

// The header names the control the game was played to, not the one chosen since; a pasted text
// keeps the one it names, and a record file names none.
TEST_F(Clipboard, TheCopiedRecordNamesTheTimeControlOfItsGame) {
    constexpr const char* kLine = "持ち時間：10分+30秒\n";
    game().optionMenu().setTimeControl({record::TimeControlKind::Byoyomi, 600, 30});
    playTwoMoves();
    game().optionMenu().setTimeControl({});
    game().clipboard().COPY_RECORD_Click();
    EXPECT_NE(held().find(kLine), std::string::npos) << held();
    const record::MoveList played = game().moves();

    pasteExpectingRead();
    game().clipboard().COPY_RECORD_Click();
    EXPECT_NE(held().find(kLine), std::string::npos) << held();

    held() = "練習対局\n李\n山田\n" + record::encodeEntryLine(played[1]) + "\r\n";
    rig.dialogs.expect(" 読み込みました", "棋譜");
    rig.dialogs.expect("棋譜を '進 'で進めて下さい", "棋譜");
    game().clipboard().PASTE_Click();
    rig.dialogs.verify();
    game().clipboard().COPY_RECORD_Click();
    EXPECT_EQ(held().find("持ち時間"), std::string::npos) << held();
}

// A position becomes a record of its start alone, with its own side to move.
TEST_F(Clipboard, APastedPositionIsShownWithItsSideToMove) {
    held() = "jheaxaehj/9/1c5c1/z3z1z1z/2z6/2P6/PP1PPPPPP/1B5R1/LNSGKGSNL w - 2";
    const record::NotationRead expected = record::readNotation(held());
    game().clipboard().PASTE_Click();
    rig.dialogs.verify();
    EXPECT_TRUE(state().kifuMode);
    EXPECT_EQ(game().moves().lastMove, 0);
    EXPECT_EQ(pos().board, expected.value.position.board);
    EXPECT_EQ(state().sideToMove, rules::GOTE);
}

TEST_F(Clipboard, APastedRecordFileIsReadAsTheFileWouldBe) {
    playTwoMoves();
    const record::MoveList played = game().moves();
    held() = "練習対局\n李\n山田\n" + record::encodeEntryLine(played[1]) + "\r\n" +
             record::encodeEntryLine(played[2]) + "\r\n";
    pasteExpectingRead();
    ASSERT_EQ(game().moves().lastMove, 2);
    EXPECT_EQ(game().moves()[2], played[2]);
    // A file does not tell when its game was played.
    game().clipboard().COPY_RECORD_Click();
    EXPECT_EQ(held().find("開始日時"), std::string::npos) << held();
}

// A pasted start goes on from its own move number, and the record played from it is dated when
// its game began; pasted back, the record keeps both.
TEST_F(Clipboard, APastedStartKeepsItsMoveNumberAndTheGameItsDate) {
    const std::string start = "jheaxaehj/9/1c5c1/z3z1z1z/2z6/2P6/PP1PPPPPP/1B5R1/LNSGKGSNL w - 37";
    held() = start;
    game().clipboard().PASTE_Click();
    game().clipboard().COPY_POSITION_Click();
    EXPECT_EQ(held(), start);
    game().clipboard().COPY_RECORD_Click();
    EXPECT_NE(held().find("開始局面：" + start + "\n"), std::string::npos) << held();

    rig.clock.now = 17 * 3600 + 4 * 60 + 9;
    startGame("後手の番です");
    move(1, 4, 1, 5);
    game().clipboard().COPY_POSITION_Click();
    EXPECT_EQ(held(), "jheaxaehj/9/1c5c1/4z1z1z/z1z6/2P6/PP1PPPPPP/1B5R1/LNSGKGSNL b - 38");
    game().clipboard().COPY_RECORD_Click();
    const std::string text = held();
    EXPECT_EQ(text.rfind("開始日時：2026/12/07 17:04:09\n", 0), 0u) << text;
    EXPECT_NE(text.find("開始局面：" + start + "\n"), std::string::npos) << text;

    rig.clock.now += 3600;
    pasteExpectingRead();
    game().clipboard().COPY_RECORD_Click();
    EXPECT_EQ(held(), text);
}

// Every text that does not read is refused with a message; the game goes on untouched.
TEST_F(Clipboard, WhatDoesNotReadChangesNothing) {
    playTwoMoves();
    const std::string entryLine = record::encodeEntryLine(game().moves()[1]);
    const struct {
        std::string text;
        std::string message;
    } rows[] = {
        {"こんにちは", "貼り付けられるのは局面の表記、棋譜の文、棋譜ﾌｧｲﾙの中身です"},
        {"jheaxaehj/9/1c5c1/z1z1z1z1z/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL x",
         "59文字目: 手番は b か w で書いて下さい"},
        {"  1 ５五歩(57)\n", "1行目: 指せない手です"},
        {"a\nb\nc\n999" + entryLine.substr(3) + "\n",
         "棋譜ﾌｧｲﾙの4行目が正しくありません: 貼り付けた文 (1桁目: 駒の番号が正しくありません)"},
    };
    for (const auto& row : rows) {
        const record::MoveList before = game().moves();
        held() = row.text;
        rig.dialogs.expect(row.message, "貼り付け");
        game().clipboard().PASTE_Click();
        rig.dialogs.verify();
        EXPECT_EQ(rig.dialogs.shown.back().icon, platform::Icon::Warning) << row.text;
        EXPECT_EQ(game().moves(), before) << row.text;
        EXPECT_FALSE(state().kifuMode) << row.text;
    }
}

TEST_F(Clipboard, NoToTheQuestionKeepsTheGame) {
    playTwoMoves();
    const record::MoveList before = game().moves();
    held() = kStart;
    paste(Answer::No);
    rig.dialogs.verify();
    EXPECT_EQ(game().moves(), before);
    EXPECT_FALSE(state().kifuMode);
}

}  // namespace
