// The recovery record: the game in progress kept after every recorded move, offered at the next
// start, shown at its last entry on Yes, removed on No, set aside unasked when it does not read,
// and removed once the game is over, saved, or begun again from the start.
#include <filesystem>
#include <functional>
#include <utility>
#include <vector>

#include "record/kifu_file.h"
#include "rules/setup.h"
#include "two_player_rig.h"

using platform::Answer;
using platform::Buttons;
using platform::PanelBox;

namespace {

namespace fs = std::filesystem;

class Recovery : public testsupport::TwoPlayerTest {
  protected:
    Recovery() { restart(); }

    // A new run of the program in the same folder; the run before ended at once, as by Esc.
    void restart() {
        rig.game = rig.makeGame(true);
        rig.game->Form_Load();
    }
    fs::path file() const { return rig.folder.path() / flow::kRecoveryFileName; }
    std::size_t keptMoves() const { return record::load(file().string()).entries.size(); }
    void playTwoMoves() {
        startGame();
        move(7, 7, 7, 6);
        move(3, 4, 3, 5);
    }
    void offer(Answer answer) {
        rig.dialogs.expect("前回の対局を再開しますか？", "KZ ソラワ", Buttons::YesNo, answer);
        game().offerRecovery();
        rig.dialogs.verify();
    }
};

TEST_F(Recovery, EveryMoveIsKeptAndYesAtTheNextStartShowsTheGameAtItsLastEntry) {
    startGame();
    move(7, 7, 7, 6);
    EXPECT_EQ(keptMoves(), 1u);
    move(3, 4, 3, 5);
    EXPECT_EQ(keptMoves(), 2u);
    const rules::Board reached = pos().board;
    game().Form_KeyPress(flow::kEscapeKey);
    ASSERT_TRUE(game().shutDown());

    restart();
    offer(Answer::Yes);
    EXPECT_TRUE(state().kifuMode);
    EXPECT_EQ(game().moves().lastMove, 2);
    EXPECT_EQ(game().moves().currentMove, 2);
    EXPECT_EQ(pos().board, reached);
    EXPECT_TRUE(fs::exists(file())) << "kept until the game goes on or ends";

    // The players go on from there as from any record.
    startGame();
    move(6, 7, 6, 6);
    EXPECT_EQ(keptMoves(), 3u);
}

TEST_F(Recovery, AResumedGameShowsEachArmysClockAndLastMoveInItsOwnPlace) {
    startGame();
    rig.clock.now += 5;
    game().Timer1_Timer();
    move(7, 7, 7, 6);
    rig.clock.now += 70;
    game().Timer1_Timer();
    move(3, 4, 3, 5);
    const Beside atEsc = beside();
    game().Form_KeyPress(flow::kEscapeKey);

    restart();
    offer(Answer::Yes);
    EXPECT_TRUE(beside() == atEsc);
}

TEST_F(Recovery, AGameAgainstTheComputerIsKeptWithItsReply) {
    rig.dialogs.expect("MANの番です", " ");
    game().START2_Click();
    move(5, 9, 5, 8);
    ASSERT_EQ(game().moves().lastMove, 2);
    EXPECT_EQ(keptMoves(), 2u);
}

TEST_F(Recovery, NoRemovesItAndAnUnreadableOneIsSetAsideWithoutAQuestion) {
    playTwoMoves();
    restart();
    offer(Answer::No);
    EXPECT_FALSE(fs::exists(file()));
    EXPECT_FALSE(state().kifuMode);
    rules::Position start;
    rules::layOutStartPosition(start);
    EXPECT_EQ(pos().board, start.board);

    // An older one set aside before is kept too.
    const std::string bad = std::string(flow::kRecoveryFileName) + ".bad";
    rig.folder.write(bad, "older");
    rig.folder.write(flow::kRecoveryFileName, "a\r\nb\r\nc\r\nnot an entry\r\n");
    game().offerRecovery();
    EXPECT_FALSE(fs::exists(file()));
    EXPECT_TRUE(fs::exists(rig.folder.path() / bad));
    EXPECT_TRUE(fs::exists(rig.folder.path() / (bad + "2")));
    EXPECT_FALSE(state().kifuMode);
}

TEST_F(Recovery, RemovedWhenTheGameIsOverSavedOrBegunAgainButNotWhenResumedPartWay) {
    const std::vector<std::pair<const char*, std::function<void()>>> removals = {
        {"playing on after a win",
         [&] {
             rig.dialogs.expect("先手の勝ちです", "終了");
             rig.dialogs.expect("続けますか？", "再ゲーム", Buttons::YesNo, Answer::Yes);
             game().終了("先手");
         }},
        {"stopping after a win",
         [&] {
             rig.dialogs.expect("後手の勝ちです", "終了");
             rig.dialogs.expect("続けますか？", "再ゲーム", Buttons::YesNo, Answer::No);
             game().終了("後手");
         }},
        {"a save",
         [&] {
             game().recordPanel().KIFU_WRITE_Click();
             rig.panel.type(PanelBox::FileName, "mine");
             rig.dialogs.expect("棋譜を書き込みました", "  ");
             game().recordPanel().Command1_Click();
         }},
        {"a new game",
         [&] {
             game().CANCEL_Click();
             startGame();
         }},
    };
    for (const auto& [way, act] : removals) {
        restart();
        playTwoMoves();
        ASSERT_TRUE(fs::exists(file())) << way;
        act();
        rig.dialogs.verify();
        EXPECT_FALSE(fs::exists(file())) << way;
    }

    restart();
    playTwoMoves();
    game().REPLAY_Click();
    startGame("後手の番です");
    EXPECT_TRUE(fs::exists(file())) << "a game resumed part-way keeps it until its next move";
}

}  // namespace
