#include "record/entry_destination.h"

#include "rules/board_flip.h"
#include "rules/move_destination.h"

namespace record {

bool 調査_移動結果(const MoveList& list, int n, int& x, int& y, rules::PieceCode& code) {
    if (n < 1 || n > kMaxEntry) return false;
    // A record turned part-way (an older file) is compared the same way up.
    const rules::Board before = rules::turnedLike(list[n - 1].boardAt, list[n].boardAt);
    return rules::調査_移動結果(before, list[n].boardAt, x, y, code);
}

}  // namespace record
