#include "flow/game.h"

namespace flow {

// The file panel's widgets come with the game-record work; until then loading and saving open
// nothing.
void Game::KIFU_READ_Click() {}
void Game::KIFU_WRITE_Click() {}
void Game::描画_可視(bool, bool, bool) {}
void Game::描画_棋譜_IO(int) {}

void Game::hideFilePanel() {
    描画_可視(false, false, false);
    描画_棋譜_IO(1);
}

void Game::描画_棋譜読込み部分消去() {
    screen_.描画_桝_数値();
    for (int x = 1; x <= 9; ++x) {
        screen_.描画_絵(options_.background, x, 10);
        screen_.描画_桝輪郭(kWindowColour, x, 9);
    }
}

}  // namespace flow
