// Games against the computer driven through the window as a player drives them: positions are
// reached by two humans pressing moves, or shown from a record file, and then the computer takes
// over the top army.
#pragma once

#include <initializer_list>
#include <string>

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

    // The piece the computer moved last, as the record shows it.
    const record::MoveEntry& lastEntry() { return game().moves()[game().moves().currentMove]; }
};

}  // namespace testsupport
