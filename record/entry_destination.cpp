#include "record/entry_destination.h"

#include "rules/move_destination.h"

namespace record {

bool 調査_移動結果(const MoveList& list, int n, int& x, int& y, rules::PieceCode& code) {
    if (n < 1 || n > kMaxEntry) return false;
    return rules::調査_移動結果(list[n - 1].boardAt, list[n].boardAt, x, y, code);
}

}  // namespace record
