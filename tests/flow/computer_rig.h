// Games against the computer driven through the window as a player drives them: positions are
// reached by two humans pressing moves, or shown from a record file, and then the computer takes
// over the top army.
#pragma once

#include <initializer_list>
#include <string>

#include "record/kifu_file.h"
#include "two_player_rig.h"

namespace testsupport {

class ComputerGameTest : public TwoPlayerTest {
  protected:
    struct Move {
        int fc, fr, tc, tr;
    };

    // 対局(COM) with the human to move.
    void startAgainstComputer() {
        rig.dialogs.expect("MANの番です", " ");
        game().START2_Click();
        rig.dialogs.verify();
    }

    // Two humans press out the moves from the start (the shogi army first, whichever end it is).
    void playByHand(std::initializer_list<Move> moves) {
        startGame();
        for (const Move& m : moves) move(m.fc, m.fr, m.tc, m.tr);
        rig.dialogs.verify();
    }

    // The two boxes of a finished game; `again` answers "続けますか？".
    void expectWinner(const std::string& name, platform::Answer again) {
        rig.dialogs.expect(name + "の勝ちです", "終了");
        rig.dialogs.expect("続けますか？", "再ゲーム", platform::Buttons::YesNo, again);
    }

    // Writes entries 1..lastMove of `list` to a record file, loads it and steps to its end.
    void showRecord(const record::MoveList& list, int lastMove) {
        const std::string path = (rig.folder.path() / "pos.棋譜").string();
        ASSERT_TRUE(record::save(path, {"局面", "COM", "MAN"}, list, lastMove));
        rig.dialogs.expect(" 読み込みました", "棋譜");
        rig.dialogs.expect("棋譜を '進 'で進めて下さい", "棋譜");
        game().KIFU_READ_Click();
        rig.panel.selected = "pos.棋譜";
        game().recordPanel().File1_Click();
        for (int n = 0; n < lastMove; ++n) game().AFTER_Click();
        rig.dialogs.verify();
        ASSERT_EQ(game().moves().currentMove, lastMove);
        heard();
    }

    // The piece the computer moved last, as the record shows it.
    const record::MoveEntry& lastEntry() { return game().moves()[game().moves().currentMove]; }
};

}  // namespace testsupport
