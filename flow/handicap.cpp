#include "flow/game.h"

namespace flow {

// The handicap grades come with their own work; until then the buttons do nothing.
void Game::LBEL_UP_Click() {}
void Game::LEBEL_DOWN_Click() {}

}  // namespace flow
