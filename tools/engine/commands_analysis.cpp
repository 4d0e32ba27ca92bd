// A review of the engine's position: the look-ahead with the review's budget, from the shogi
// army's side.
#include <ostream>
#include <string>
#include <vector>

#include "com/analysis.h"
#include "tools/engine/commands.h"

namespace engine {
namespace {

// analyse [NODES] [top|bottom]: for the army to move (the shogi army after a position line, the
// notation's or the one after the last play) unless told which end moves.
Answer analyse(EngineState& state, std::string_view args, std::ostream& out) {
    const std::vector<std::string_view> w = splitWords(args);
    if (w.size() > 2) return Answer::fail("usage: analyse [NODES] [top|bottom]");
    long nodes = com::kAnalysisNodes;
    rules::SideId mover = state.sideToMove;
    for (std::string_view word : w) {
        int n = 0;
        if (word == "top") {
            mover = state.pos.topSide;
        } else if (word == "bottom") {
            mover = state.pos.bottomSide;
        } else if (parseInt(word, n) && n > 0) {
            nodes = n;
        } else {
            return Answer::fail("usage: analyse [NODES] [top|bottom]");
        }
    }
    com::SearchSettings settings;
    settings.chineseDrops = state.drops;
    settings.nodes = nodes;
    com::SearchContext context;
    out << com::analysisLine(com::analysePosition(state.pos, mover, settings, context)) << '\n';
    return Answer::ok();
}

}  // namespace

void addAnalysisCommands(CommandTable& table) {
    table.add("analyse", analyse);
}

}  // namespace engine
