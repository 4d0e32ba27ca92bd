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
        return lookaheadBestMove(pos, state, settings, observer,
                                 settings.nodeBudget.value_or(kLookaheadNodes));
    return searchBestMove(pos, map, state, settings, observer);
}

namespace {

// pos turned round with its sides: the board and hands as flipPosition turns them, bottomSide and
// topSide exchanged. The bottom king's square is left for chooseMove's survey to find.
rules::Position turnedPosition(const rules::Position& pos) {
    rules::Position t = pos;
    rules::flipPosition(t);
    t.bottomSide = pos.topSide;
    t.topSide = pos.bottomSide;
    t.ownKingX = 0;
    t.ownKingY = 0;
    return t;
}

// A move of the top army of a turned position, in the coordinates of the position before turning.
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

// chooseMove for the top army of pos, on a copy with a fresh map and state.
Choice chooseOnCopy(rules::Position pos, const SearchSettings& settings) {
    InfluenceMap map;
    ComState state;
    Choice c;
    c.found = chooseMove(pos, map, state, settings);
    if (c.found) {
        c.move = state.best;
        c.score = state.bestScore;
    }
    return c;
}

}  // namespace

Choice chooseMoveForBottom(const rules::Position& pos, const SearchSettings& settings) {
    Choice c = chooseOnCopy(turnedPosition(pos), settings);
    if (c.found) c.move = turnedBack(c.move);
    return c;
}

Choice chooseMoveForSide(const rules::Position& pos, rules::SideId side,
                         const SearchSettings& settings) {
    if (side == pos.bottomSide) return chooseMoveForBottom(pos, settings);
    if (side != pos.topSide) return Choice{};
    return chooseOnCopy(pos, settings);
}

}  // namespace com
