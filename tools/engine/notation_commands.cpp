// The position notation in the engine: `position notation STRING` sets the position it gives,
// `notation` answers the current position's.
#include <ostream>
#include <string>

#include "record/position_notation.h"
#include "tools/engine/commands.h"

namespace engine {

Answer positionFromNotation(EngineState& state, std::string_view text) {
    const record::NotationRead r = record::readNotation(text);
    if (!r) return Answer::fail("bad notation: " + record::describe(r));
    resetGame(state);
    state.pos = r.value.position;
    state.sideToMove = r.value.sideToMove;
    state.moveNumber = r.value.moveNumber;
    return Answer::ok();
}

namespace {

Answer notation(EngineState& state, std::string_view args, std::ostream& out) {
    if (!splitWords(args).empty()) return Answer::fail("notation takes no arguments");
    out << "notation " << record::positionToNotation(state.pos, state.sideToMove, state.moveNumber)
        << '\n';
    return Answer::ok();
}

}  // namespace

void addNotationCommands(CommandTable& table) {
    table.add("notation", notation);
}

}  // namespace engine
