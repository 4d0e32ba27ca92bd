#include "com/choose_move.h"

#include "com/influence_survey.h"
#include "com/lookahead_search.h"
#include "rules/board_flip.h"

namespace com {

bool chooseMove(rules::Position& pos, InfluenceMap& map, ComState& state,
                const SearchSettings& settings, SearchObserver* observer) {
    // The bottom king's escapes before the move are counted on this map, so it must describe the
    // board as it stands, whatever ran last (a mate test's trial, an earlier position).
    勢力調査(pos, map);
    if (settings.comLevel == kLookaheadLevel)
        return lookaheadBestMove(pos, state, settings, observer);
    return searchBestMove(pos, map, state, settings, observer);
}

rules::Position turnedPosition(const rules::Position& pos) {
    rules::Position t = pos;
    rules::flipPosition(t);
    t.bottomSide = pos.topSide;
    t.topSide = pos.bottomSide;
    t.ownKingX = 0;
    t.ownKingY = 0;
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            if (rules::isBottom(t.board(x, y)) &&
                rules::isKingKind(rules::magnitude(t.board(x, y)))) {
                t.ownKingX = x;
                t.ownKingY = y;
            }
        }
    }
    return t;
}

ComMove turnedBack(const ComMove& m) {
    ComMove b = m;
    if (m.isDrop()) {
        b.fromX = rules::kBottomHandX;
        b.fromY = m.fromY;
    } else {
        b.fromX = 10 - m.fromX;
        b.fromY = 10 - m.fromY;
    }
    b.toX = 10 - m.toX;
    b.toY = 10 - m.toY;
    b.before = -m.before;
    b.after = -m.after;
    return b;
}

Choice chooseMoveForBottom(const rules::Position& pos, const SearchSettings& settings) {
    rules::Position turned = turnedPosition(pos);
    InfluenceMap map;
    ComState state;
    Choice c;
    c.found = chooseMove(turned, map, state, settings);
    if (c.found) {
        c.move = turnedBack(state.best);
        c.score = state.bestScore;
    }
    return c;
}

Choice chooseMoveForSide(const rules::Position& pos, rules::SideId side,
                         const SearchSettings& settings) {
    if (side == pos.bottomSide) return chooseMoveForBottom(pos, settings);
    Choice c;
    if (side != pos.topSide) return c;
    rules::Position copy = pos;
    InfluenceMap map;
    ComState state;
    c.found = chooseMove(copy, map, state, settings);
    if (c.found) {
        c.move = state.best;
        c.score = state.bestScore;
    }
    return c;
}

}  // namespace com
