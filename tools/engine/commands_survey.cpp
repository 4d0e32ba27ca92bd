// The influence survey and the mate tests on the engine's position.
#include <ostream>

#include "com/influence_survey.h"
#include "com/mate.h"
#include "tools/engine/commands.h"

namespace engine {
namespace {

struct NamedGrid {
    const char* name;
    com::InfluenceGrid com::InfluenceMap::*grid;
};

constexpr NamedGrid kGrids[] = {
    {"ownAttacks", &com::InfluenceMap::ownAttacks},
    {"enemyAttacks", &com::InfluenceMap::enemyAttacks},
    {"ownGuard", &com::InfluenceMap::ownGuard},
    {"enemyGuard", &com::InfluenceMap::enemyGuard},
    {"ownHits", &com::InfluenceMap::ownHits},
    {"ownAttacker", &com::InfluenceMap::ownAttacker},
    {"ownAttackerX", &com::InfluenceMap::ownAttackerX},
    {"ownAttackerY", &com::InfluenceMap::ownAttackerY},
    {"enemyAttacker", &com::InfluenceMap::enemyAttacker},
    {"ownCheck", &com::InfluenceMap::ownCheck},
    {"enemyCheck", &com::InfluenceMap::enemyCheck},
    {"enemyGuardX", &com::InfluenceMap::enemyGuardX},
    {"enemyGuardY", &com::InfluenceMap::enemyGuardY},
    {"enemyAttackerX", &com::InfluenceMap::enemyAttackerX},
    {"enemyAttackerY", &com::InfluenceMap::enemyAttackerY},
};

// One line per grid, squares x outer and y inner; then the king squares.
Answer survey(EngineState& state, std::string_view args, std::ostream& out) {
    if (!splitWords(args).empty()) return Answer::fail("survey takes no arguments");
    com::勢力調査(state.pos, state.map);
    const com::InfluenceMap& m = state.map;
    for (const NamedGrid& g : kGrids) {
        out << g.name;
        const com::InfluenceGrid& grid = m.*g.grid;
        for (int x = 1; x <= 9; ++x) {
            for (int y = 1; y <= 9; ++y) out << ' ' << grid(x, y);
        }
        out << '\n';
    }
    out << "kings " << state.pos.ownKingX << ' ' << state.pos.ownKingY << ' ' << m.enemyKingX << ' '
        << m.enemyKingY << ' ' << m.ownGeneralX << ' ' << m.ownGeneralY << ' ' << m.enemyGeneralX
        << ' ' << m.enemyGeneralY << '\n';
    return Answer::ok();
}

// The human's mate test, the human king's escape count, then the computer's mate test, which
// leaves the map of its last trial in the engine's state.
Answer mate(EngineState& state, std::string_view args, std::ostream& out) {
    if (!splitWords(args).empty()) return Answer::fail("mate takes no arguments");
    com::勢力調査(state.pos, state.map);
    const int man = com::詰めかMAN(state.pos, state.map);
    const int escapes = com::調査_自王逃道(state.pos, state.map);
    const int comMate = com::詰めかCOM(state.pos, state.map, state.pos.topSide);
    out << "mate man " << man << " com " << comMate << " escapes " << escapes << '\n';
    return Answer::ok();
}

}  // namespace

void addSurveyCommands(CommandTable& table) {
    table.add("survey", survey);
    table.add("mate", mate);
}

}  // namespace engine
