#include "com/com_state.h"
#include "flow/game.h"

namespace flow {

void Game::LEVEL1_Click() {
    levelClick(1);
}
void Game::LEVEL2_Click() {
    levelClick(2);
}
void Game::LEVEL3_Click() {
    levelClick(3);
}
void Game::LEVEL4_Click() {
    levelClick(4);
}
void Game::LEVEL5_Click() {
    levelClick(5);
}

void Game::levelClick(int n) {
    screen_.eraseLevel();
    レベル_設定(n);
    menu_.keepLevel(n);
}

void Game::レベル_設定(int n) {
    state_.checkedLevel = 0;
    if (n >= com::kMinLevel && n <= com::kMaxLevel) {
        state_.checkedLevel = n;
        state_.comLevel = n;
    }
    if (state_.gameMode == GameMode::AgainstComputer) screen_.描画_レベル(state_.comLevel);
}

}  // namespace flow
