// Games against the computer from positions shown out of a record file: a computer with no move at
// all, a captured computer king, and a record with no room left for the computer's move.
#include <string>

#include "computer_rig.h"
#include "record/kifu_file.h"
#include "rules/setup.h"
#include "support/diagram.h"

using namespace rules;
using platform::Answer;
using settings::Sound;

namespace {

class ComputerFromRecord : public testsupport::ComputerGameTest {
  protected:
    ComputerFromRecord() { start = moves()[0].boardAt; }

    record::MoveList& list() { return list_; }
    const record::MoveList& moves() { return game().moves(); }

    // Writes entries 1..lastMove of list() to a record file, loads it and steps to its end.
    void loadAndStepToTheEnd(int lastMove) {
        const std::string path = (rig.folder.path() / "pos.棋譜").string();
        ASSERT_TRUE(record::save(path, {"局面", "COM", "MAN"}, list_, lastMove));
        rig.dialogs.expect(" 読み込みました", "棋譜");
        rig.dialogs.expect("棋譜を '進 'で進めて下さい", "棋譜");
        game().KIFU_READ_Click();
        rig.panel.selected = "pos.棋譜";
        game().File1_Click();
        for (int n = 0; n < lastMove; ++n) game().AFTER_Click();
        rig.dialogs.verify();
        ASSERT_EQ(moves().currentMove, lastMove);
        heard();
    }
    // A record of one entry showing `diagram`.
    void show(const std::string& diagram) {
        list_[1].boardAt = testsupport::boardFrom(diagram);
        loadAndStepToTheEnd(1);
    }

    Board start;

  private:
    record::MoveList list_;
};

TEST_F(ComputerFromRecord, AComputerWithoutASingleMoveLoses) {
    // The 将 sits in the palace corner behind two files of its own 歩, every one of them blocked
    // or on the last row; the hand is empty. The bottom 歩 on the first file is the last move.
    show(
        ". . . v将 v歩 . . . .\n"
        ". . . v歩 v歩 . . . .\n"
        ". . . v歩 v歩 . . . .\n"
        ". . . v歩 v歩 . . . .\n"
        ". . . v歩 v歩 . . . .\n"
        ". . . v歩 v歩 . . . .\n"
        ". . . v歩 v歩 . . . .\n"
        "^歩 . . v歩 v歩 . . . .\n"
        ". . . v歩 v歩 . . . ^王\n");
    const Board shown = pos().board;
    expectWinner("あなた", Answer::Yes);
    game().START2_Click();
    rig.dialogs.verify();
    EXPECT_FALSE(rig.timer.on);
    EXPECT_EQ(moves().lastMove, 1) << "nothing was recorded";
    EXPECT_EQ(moves()[1].boardAt, shown);
    EXPECT_EQ(state().sideToMove, 0);
    EXPECT_EQ(pos().board, start);
}

TEST_F(ComputerFromRecord, TakingTheComputersKingWinsAtOnce) {
    // A 卒 on the first file moved last; the 飛 has an open file up to the 将.
    show(
        "v車 . . v士 v将 v士 . . .\n"
        ". . . . . . . . .\n"
        ". . . . . . . . .\n"
        ". . . . . . . . .\n"
        "v卒 . . . . . . . .\n"
        ". . . . . . . . .\n"
        ". . . . . . . . .\n"
        ". . . . ^飛 . . . .\n"
        ". . . ^金 ^王 ^金 . . .\n");
    startAgainstComputer();
    expectWinner("あなた", Answer::No);
    move(5, 8, 5, 1);
    EXPECT_EQ(pos().winnerSide, SENTE);
    EXPECT_EQ(pos().board(5, 1), 自飛);
    EXPECT_EQ(moves().moveCount, 2) << "the computer made no move";
}

TEST_F(ComputerFromRecord, AFullRecordKeepsTheComputerFromMoving) {
    // 400 entries: the last one a bottom 歩's step, so the computer is to move with no room left.
    for (int n = 1; n <= record::kMaxEntry; ++n) list()[n].boardAt = start;
    list()[record::kMaxEntry].boardAt(5, 7) = 空;
    list()[record::kMaxEntry].boardAt(5, 6) = 自歩;
    loadAndStepToTheEnd(record::kMaxEntry);
    const Board shown = pos().board;

    rig.dialogs.expect("これ以上記録できません", "棋譜");
    game().START2_Click();
    rig.dialogs.verify();
    EXPECT_EQ(heard(), std::vector<Sound>{Sound::禁止});
    EXPECT_EQ(pos().board, shown);
    EXPECT_EQ(moves().currentMove, record::kMaxEntry);
    EXPECT_EQ(moves().lastMove, record::kMaxEntry);
    EXPECT_EQ(moves()[record::kMaxEntry].boardAt, shown);
    EXPECT_FALSE(rig.timer.on);
    EXPECT_EQ(state().sideToMove, pos().topSide);
}

TEST_F(ComputerFromRecord, TheHumansMoveThatFillsTheRecordStopsTheGameUntilASteppedBackResume) {
    // 399 entries, the last a 卒's step: the human's next move is the record's last.
    for (int n = 1; n < record::kMaxEntry; ++n) list()[n].boardAt = start;
    list()[record::kMaxEntry - 1].boardAt(1, 4) = 空;
    list()[record::kMaxEntry - 1].boardAt(1, 5) = 敵卒;
    loadAndStepToTheEnd(record::kMaxEntry - 1);
    startAgainstComputer();

    rig.dialogs.expect("これ以上記録できません", "棋譜");
    move(7, 7, 7, 6);
    rig.dialogs.verify();
    EXPECT_EQ(moves().currentMove, record::kMaxEntry);
    EXPECT_FALSE(rig.timer.on);

    // A press neither asks the computer again nor takes up its piece.
    rig.dialogs.expect("これ以上記録できません", "棋譜");
    press(5, 1);
    rig.dialogs.verify();
    EXPECT_EQ(state().selectState, 0);
    EXPECT_FALSE(rig.timer.on);

    // 戻 makes room: the human plays another last move, and the game stops again.
    game().REPLAY_Click();
    rig.dialogs.expect("MANの番です", "対局");
    rig.dialogs.expect("これ以上記録できません", "棋譜");
    move(6, 7, 6, 6);
    rig.dialogs.verify();
    EXPECT_EQ(moves().currentMove, record::kMaxEntry);
    EXPECT_EQ(pos().board(6, 6), 自歩);
    EXPECT_EQ(pos().board(7, 7), 自歩) << "the move taken back is gone";
}

}  // namespace
