// The move list beside the board: its rows and a jump to one of its entries.
#include "flow/game.h"
#include "flow/texts.h"
#include "record/entry_position.h"
#include "view/piece_names.h"

namespace flow {

namespace {

// The first row of the list, before any move.
const char* const kStartText = KZ_TEXT("Game", "開始");

}  // namespace

void Game::setRecordListener(RecordListener* listener) {
    recordListener_ = listener;
}

void Game::recordChanged() {
    // Results found on another record are dropped.
    if (review_.hasResults()) review_.follow(record::positionsOf(moves_, moves_.lastMove));
    followBetterMove();
    if (recordListener_ != nullptr) recordListener_->recordChanged();
}

std::vector<record::MoveListRow> Game::moveListRows() const {
    std::string start = translated("Game", kStartText);
    // The handicap grade, as it is labelled beside the board.
    if (state_.handicapSet) {
        start += ' ';
        start += view::stringText(state_.handicapGrade);
    }
    const platform::PieceSet set = options_.pieceSet;
    return record::moveListRows(moves_, start, [set](int x, int y, rules::PieceCode piece) {
        return view::moveText(set, x, y, piece);
    });
}

void Game::stepToEntry(int n) {
    // One step of 戻 or 進 at a time, each with its own sound, until entry n is shown or a step
    // is refused.
    while (n != moves_.currentMove && !shutDown_) {
        const int before = moves_.currentMove;
        if (n < before) {
            REPLAY_Click();
        } else {
            AFTER_Click();
        }
        if (moves_.currentMove == before) break;
    }
}

}  // namespace flow
