// The ｵﾌﾟｼｮﾝ menu's entries that pick one of several choices, and what the game finishes after an
// option: the clocks, a piece held on a stand that closes, and the moves named in a new piece set.
#include "flow/game.h"

namespace flow {

void OptionMenu::OPTION_Click() {
    game_.hideFilePanel();
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

void Game::hideFilePanel() {
    panel_.hide();
}

void Game::elapsedTimeSwitched() {
    clocks_.showElapsedTime(options_.elapsedTime, gameBeingPlayed());
}

void Game::chineseDropsSwitched() {
    // A piece held on a stand that has just closed is let go: it may not be dropped now.
    if (state_.selectState && rules::isDropFrom(state_.fromX) &&
        !standCellOpen(state_.fromX, state_.fromCell())) {
        state_.selectState = false;
    }
    // A computer thinking on the worker thread starts again under the new rule, its clock running
    // on.
    if (computerThinking()) askComputer();
}

void Game::TIME_CONTROL_Click(const TimeControlAsker& ask) {
    // The dialog counts against no one: the clocks wait while it is open.
    clocks_.pause();
    const std::optional<record::TimeControl> chosen = ask(options_.timeControl);
    clocks_.resume();
    if (chosen) menu_.setTimeControl(*chosen);
}

void Game::pieceSetChanged() {
    // The last moves beside the board and the move list named again in the set.
    lastMoves_.showLastMoves(moves_.currentMove);
    canvas_.repaintNow();
    recordChanged();
}

}  // namespace flow
