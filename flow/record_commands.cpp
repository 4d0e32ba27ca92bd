#include "flow/game.h"

namespace flow {

void Game::STOP_Click() {
    hideFilePanel();
}

void Game::CANCEL_Click() {
    初期設定();
    sounds_.play(settings::Sound::駒打音);
}

// Stepping through the record and turning the board come with the move list.
void Game::REVERSE_Click() {}
void Game::REPLAY_Click() {}
void Game::AFTER_Click() {}

}  // namespace flow
