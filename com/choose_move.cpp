#include "com/choose_move.h"

#include "com/influence_survey.h"
#include "com/lookahead_search.h"
#include "rules/board_flip.h"

namespace com {

bool chooseMove(rules::Position& pos, InfluenceMap& map, ComState& state,
                const SearchSettings& settings, SearchObserver* observer, SearchContext* context) {
    // The bottom king's escapes before the move are counted on this map, so it must describe the
    // board as it stands, whatever ran last (a mate test's trial, an earlier position).
    勢力調査(pos, map);
    if (looksAhead(settings.comLevel))
        return lookaheadBestMove(pos, state, settings, observer, context);
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

// chooseMove for the top army of pos, on a copy with a fresh map and state.
Choice chooseOnCopy(rules::Position pos, const SearchSettings& settings, SearchContext* context) {
    InfluenceMap map;
    ComState state;
    Choice c;
    c.found = chooseMove(pos, map, state, settings, nullptr, context);
    if (c.found) {
        c.move = state.best;
        c.score = state.bestScore;
    }
    return c;
}

}  // namespace

ComMove turnedMove(const ComMove& m) {
    ComMove t = m;
    if (m.fromX == rules::kTopHandX) {
        t.fromX = rules::kBottomHandX;
    } else if (m.fromX == rules::kBottomHandX) {
        t.fromX = rules::kTopHandX;
    } else {
        t.fromX = 10 - m.fromX;
        t.fromY = 10 - m.fromY;
    }
    t.toX = 10 - m.toX;
    t.toY = 10 - m.toY;
    t.before = -m.before;
    t.after = -m.after;
    return t;
}

Choice chooseMoveForBottom(const rules::Position& pos, const SearchSettings& settings,
                           SearchContext* context) {
    Choice c = chooseOnCopy(turnedPosition(pos), settings, context);
    if (c.found) c.move = turnedMove(c.move);
    return c;
}

Choice chooseMoveForSide(const rules::Position& pos, rules::SideId side,
                         const SearchSettings& settings, SearchContext* context) {
    if (side == pos.bottomSide) return chooseMoveForBottom(pos, settings, context);
    if (side != pos.topSide) return Choice{};
    return chooseOnCopy(pos, settings, context);
}

}  // namespace com
