#include "record/move_list_rows.h"

#include <algorithm>

#include "record/clock_text.h"
#include "record/entry_destination.h"

namespace record {

std::vector<MoveListRow> moveListRows(const MoveList& list, const std::string& startText,
                                      const MoveNamer& name) {
    const int last = std::clamp(list.lastMove, 0, kMaxEntry);
    std::vector<MoveListRow> rows;
    rows.reserve(last + 1);
    rows.push_back({0, startText, ""});
    for (int n = 1; n <= last; ++n) {
        MoveListRow row{n, "", ""};
        int x = 0, y = 0;
        rules::PieceCode piece = rules::空;
        if (調査_移動結果(list, n, x, y, piece)) {
            row.move = name(x, y, piece);
            const MoveEntry& e = list[n];
            row.clock = 調査_時間秒追加結果(rules::isTop(piece) ? e.topAfter : e.bottomAfter);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace record
