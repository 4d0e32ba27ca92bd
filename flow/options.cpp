// The ｵﾌﾟｼｮﾝ menu's entries that pick one of several choices, and what the game finishes after an
// option: a piece held on a stand that closes, and the moves named in a new piece set.
#include "flow/game.h"
#include "flow/turn_queries.h"

namespace flow {

void OptionMenu::OPTION_Click() {
    panel_.hide();
}

void OptionMenu::MIDORI_Click() {
    backgroundClick(settings::kMidori);
}
void OptionMenu::TATAMI_Click() {
    backgroundClick(settings::kTatami);
}
void OptionMenu::TAKE_Click() {
    backgroundClick(settings::kTake);
}
void OptionMenu::UCHU_Click() {
    backgroundClick(settings::kUchu);
}
void OptionMenu::RENGA_Click() {
    backgroundClick(settings::kRenga);
}

void OptionMenu::JAPANESE_Click() {
    languageClick(lang::Language::Japanese);
}
void OptionMenu::ENGLISH_Click() {
    languageClick(lang::Language::English);
}

void OptionMenu::KANJI_PIECES_Click() {
    pieceSetClick(platform::PieceSet::Kanji);
}
void OptionMenu::INTERNATIONAL_PIECES_Click() {
    pieceSetClick(platform::PieceSet::International);
}

void Game::chineseDropsSwitched() {
    // A piece held on a stand that has just closed is let go: it may not be dropped now.
    if (state_.selectState && rules::isDropFrom(state_.fromX) &&
        !standCellOpen(position_, options_, state_.fromX, state_.fromCell())) {
        state_.selectState = false;
    }
    // A computer thinking on the worker thread starts again under the new rule: for its turn, its
    // clock running on, or for the hint, whose answer under the old rule would mislead.
    if (opponent_.computerThinking()) {
        opponent_.askComputer();
    } else if (opponent_.computer().searching()) {
        opponent_.HINT_Click();
    }
}

void Game::pieceSetChanged() {
    // The last moves beside the board and the move list named again in the set.
    lastMoves_.showLastMoves(moves_.currentMove);
    canvas_.repaintNow();
    recordView_.recordChanged();
}

}  // namespace flow
