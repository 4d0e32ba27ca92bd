// The move list beside the board: its rows, and the view told of every change.
#include "flow/record_view.h"
#include "flow/texts.h"
#include "record/entry_position.h"
#include "view/piece_names.h"

namespace flow {

namespace {

// The first row of the list, before any move.
const char* const kStartText = KZ_TEXT("Game", "開始");

}  // namespace

RecordView::RecordView(const record::MoveList& moves, const rules::Position& position,
                       const GameState& state, const settings::Options& options,
                       const PositionEditing& editing, view::Screen& screen,
                       platform::Canvas& canvas, platform::GuiThread* gui, long reviewNodes)
    : moves_(moves),
      position_(position),
      state_(state),
      options_(options),
      editing_(editing),
      betterMove_(screen, canvas),
      review_(gui, reviewNodes, [this] { recordChanged(); }) {}

void RecordView::setRecordListener(RecordListener* listener) {
    recordListener_ = listener;
}

void RecordView::recordChanged() {
    // Results found on another record are dropped.
    if (review_.hasResults()) review_.follow(record::positionsOf(moves_, moves_.lastMove));
    followBetterMove();
    if (recordListener_ != nullptr) recordListener_->recordChanged();
}

std::vector<record::MoveListRow> RecordView::moveListRows() const {
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

}  // namespace flow
