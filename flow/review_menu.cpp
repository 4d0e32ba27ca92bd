// 棋譜 → 棋譜解析: the review of the record in memory, as far as it is recorded.
#include <optional>

#include "flow/record_view.h"
#include "record/entry_position.h"

namespace flow {

void RecordView::KIFU_ANALYSE_Click() {
    review_.toggle(record::positionsOf(moves_, moves_.lastMove), options_.chineseDrops);
}

std::vector<ReviewRow> RecordView::reviewRows() const {
    return review_.rows(options_.pieceSet);
}

void RecordView::turnRound() {
    review_.turnRound(record::positionsOf(moves_, moves_.lastMove));
}

void RecordView::followBetterMove() {
    betterMove_.erase(position_, state_);
    // The editor's board is its own, and a piece held means play has gone on.
    if (editing_.editing() || state_.selectState) return;
    if (const std::optional<com::ComMove> m = review_.betterMoveAt(moves_.currentMove)) {
        betterMove_.show(kBetterMoveColour, *m);
    }
}

}  // namespace flow
