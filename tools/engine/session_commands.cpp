#include <string>

#include "tools/engine/commands.h"

namespace engine {
namespace {

Answer quit(EngineState&, std::string_view, std::ostream&) {
    Answer a;
    a.quit = true;
    return a;
}

Answer setoption(EngineState& state, std::string_view args, std::ostream&) {
    const std::vector<std::string_view> w = splitWords(args);
    if (w.size() != 2) {
        return Answer::fail(
            "usage: setoption level N | setoption drops on|off | setoption nodes N");
    }
    if (w[0] == "level") {
        int level = 0;
        if (!parseInt(w[1], level) || level < com::kMinLevel || level > com::kMaxLevel) {
            return Answer::fail("level must be 1, 2, 3, 4 or 5");
        }
        state.level = level;
        return Answer::ok();
    }
    if (w[0] == "drops") {
        if (w[1] != "on" && w[1] != "off") return Answer::fail("drops must be on or off");
        state.drops = w[1] == "on";
        return Answer::ok();
    }
    if (w[0] == "nodes") {
        // 0 gives each look-ahead level its own budget back.
        int nodes = 0;
        if (!parseInt(w[1], nodes) || nodes < 0) {
            return Answer::fail("nodes must be a whole number, 0 or more");
        }
        state.nodes = nodes;
        return Answer::ok();
    }
    return Answer::fail("unknown option: " + std::string(w[0]));
}

}  // namespace

void addSessionCommands(CommandTable& table) {
    table.add("quit", quit);
    table.add("setoption", setoption);
}

}  // namespace engine
