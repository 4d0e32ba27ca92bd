// The ｵﾌﾟｼｮﾝ menu, その他 and the language, carried out by the option menu; the game finishes
// what an option changes of the game itself: the clocks, and a piece held on a stand that closes.
#include "flow/game.h"

namespace flow {

void Game::OPTION_Click() {
    panel_.hide();
}

void Game::MIDORI_Click() {
    menu_.backgroundClick(settings::kMidori);
}
void Game::TATAMI_Click() {
    menu_.backgroundClick(settings::kTatami);
}
void Game::TAKE_Click() {
    menu_.backgroundClick(settings::kTake);
}
void Game::UCHU_Click() {
    menu_.backgroundClick(settings::kUchu);
}
void Game::RENGA_Click() {
    menu_.backgroundClick(settings::kRenga);
}

void Game::SIDOU_Click() {
    menu_.SIDOU_Click();
}

void Game::KEIKA_Click() {
    menu_.KEIKA_Click();
    clocks_.showElapsedTime(options_.elapsedTime, gameBeingPlayed());
}

void Game::CHESS_MOCHIKOMA_Click() {
    menu_.CHESS_MOCHIKOMA_Click();
    // A piece held on a stand that has just closed is let go: it may not be dropped now.
    if (state_.selectState && rules::isDropFrom(state_.fromX) &&
        !standCellOpen(state_.fromX, state_.fromCell())) {
        state_.selectState = false;
    }
    // A computer thinking on the worker thread starts again under the new rule, its clock running
    // on.
    if (computerThinking()) askComputer();
}

void Game::BGM_Click() {
    menu_.BGM_Click();
}

void Game::VER_Click() {
    panel_.hide();
    menu_.VER_Click();
}

void Game::setTimeControl(const record::TimeControl& control) {
    menu_.setTimeControl(control);
}

void Game::TIME_CONTROL_Click(const TimeControlAsker& ask) {
    clocks_.pause();
    const std::optional<record::TimeControl> chosen = ask(options_.timeControl);
    clocks_.resume();
    if (chosen) setTimeControl(*chosen);
}

void Game::JAPANESE_Click() {
    menu_.languageClick(lang::Language::Japanese);
}
void Game::ENGLISH_Click() {
    menu_.languageClick(lang::Language::English);
}

void Game::KANJI_PIECES_Click() {
    pieceSetClick(platform::PieceSet::Kanji);
}
void Game::INTERNATIONAL_PIECES_Click() {
    pieceSetClick(platform::PieceSet::International);
}

void Game::pieceSetClick(platform::PieceSet set) {
    menu_.pieceSetClick(set);
    // The last moves beside the board and the move list named again in the set.
    showLastMoves(moves_.currentMove);
    canvas_.repaintNow();
    recordChanged();
}

void Game::MOVE_LIST_Click() {
    menu_.MOVE_LIST_Click();
}

}  // namespace flow
