// COM対局ﾚﾍﾞﾙ: the computer's level, ticked in the menu, shown beside the board in a game against
// the computer, and kept for the next start.
#include "com/com_state.h"
#include "flow/computer_opponent.h"

namespace flow {

void ComputerOpponent::LEVEL1_Click() {
    levelClick(1);
}
void ComputerOpponent::LEVEL2_Click() {
    levelClick(2);
}
void ComputerOpponent::LEVEL3_Click() {
    levelClick(3);
}
void ComputerOpponent::LEVEL4_Click() {
    levelClick(4);
}
void ComputerOpponent::LEVEL5_Click() {
    levelClick(5);
}

void ComputerOpponent::levelClick(int n) {
    screen_.eraseLevel();
    レベル_設定(n);
    menu_.keepLevel(n);
}

void ComputerOpponent::レベル_設定(int n) {
    state_.checkedLevel = 0;
    if (n >= com::kMinLevel && n <= com::kMaxLevel) {
        state_.checkedLevel = n;
        state_.comLevel = n;
    }
    if (state_.gameMode == GameMode::AgainstComputer) screen_.描画_レベル(state_.comLevel);
}

}  // namespace flow
