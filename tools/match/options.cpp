// kz-match's command line.
#include <string>

#include "com/com_state.h"
#include "tools/match/match.h"
#include "tools/option_values.h"

namespace match {

using tools::readNumber;

std::string usage() {
    return "usage: kz-match [--a LEVEL] [--b LEVEL] [--nodes-a N] [--nodes-b N] [--games N]\n"
           "                [--drops on|off] [--seed S] [--random-plies K] [--jobs J]\n"
           "                [--positions FILE [--sample-every P]]\n"
           "  LEVEL 1..5 (defaults: A 4, B 3); --nodes-a/-b: the node budget of a look-ahead\n"
           "  level (default: the level's own); N games in pairs from one opening (default 2);\n"
           "  K random plies open each pair (default 4); J games at once (default 1);\n"
           "  FILE gets a position every P plies after the opening (default 1), a line each:\n"
           "  the Chinese army's result (1, 0.5, 0), the drops option and the notation.\n";
}

std::optional<MatchOptions> parseOptions(const std::vector<std::string>& args) {
    MatchOptions o;
    for (std::size_t i = 1; i < args.size(); i += 2) {
        if (i + 1 >= args.size()) return std::nullopt;
        const std::string& name = args[i];
        const std::string& value = args[i + 1];
        bool ok = false;
        if (name == "--a") {
            ok = readNumber(value, o.levelA, com::kMinLevel, com::kMaxLevel);
        } else if (name == "--b") {
            ok = readNumber(value, o.levelB, com::kMinLevel, com::kMaxLevel);
        } else if (name == "--nodes-a") {
            ok = tools::readNodeBudget(value, o.nodesA);
        } else if (name == "--nodes-b") {
            ok = tools::readNodeBudget(value, o.nodesB);
        } else if (name == "--games") {
            ok = readNumber(value, o.games, 1, 1000000);
        } else if (name == "--drops") {
            ok = tools::readOnOff(value, o.drops);
        } else if (name == "--seed") {
            ok = readNumber(value, o.seed, 0ULL, ~0ULL);
        } else if (name == "--random-plies") {
            ok = readNumber(value, o.randomPlies, 0, kMaxPlies);
        } else if (name == "--jobs") {
            ok = tools::readJobs(value, o.jobs);
        } else if (name == "--positions") {
            o.positionsFile = value;
            ok = !value.empty();
        } else if (name == "--sample-every") {
            ok = readNumber(value, o.sampleEvery, 1, kMaxPlies);
        }
        if (!ok) return std::nullopt;
    }
    return o;
}

}  // namespace match
