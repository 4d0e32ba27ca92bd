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

void Game::levelClick(int n) {
    const double lx = options_.levelColumn, ly = options_.levelRow;
    for (int i = 0; i < 3; ++i) screen_.描画_絵(options_.background, lx + i, ly);
    レベル_設定(n);
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
