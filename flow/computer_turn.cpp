#include "flow/game.h"

namespace flow {

// The computer's move is joined to the controller with the computer player's work.
void Game::com_ban() {}

}  // namespace flow
