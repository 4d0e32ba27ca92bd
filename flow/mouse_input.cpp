#include "flow/game.h"

namespace flow {

void Game::Form_MouseDown(int, double, double) {
    hideFilePanel();
    if (state_.kifuMode == 1) {
        const platform::Answer a =
            dialogs_.show("棋譜を '進 'で進めて下さい", "棋譜", platform::Buttons::YesNo);
        if (a == platform::Answer::No) {
            sounds_.play(settings::Sound::禁止);
            初期設定();
        }
        return;
    }
    if (state_.sideToMove == 0) {
        sounds_.play(settings::Sound::禁止);
        dialogs_.show("「対局」で始めて下さい", "開始", platform::Buttons::Ok);
        return;
    }
    // Selecting and moving pieces come with the mouse-input work.
}

}  // namespace flow
