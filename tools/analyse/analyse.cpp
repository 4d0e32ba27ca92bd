#include "tools/analyse/analyse.h"

#include <memory>
#include <ostream>

#include "com/analysis.h"
#include "record/entry_position.h"
#include "record/kifu_file.h"
#include "tools/option_values.h"

namespace analyse {

std::string usage() {
    return "usage: kz-analyse FILE [--nodes N] [--drops on|off] [--jobs J]\n"
           "  N: the node budget of each entry's search (default: the review's own);\n"
           "  --drops: whether the Chinese army may drop (default off); J threads (default: one\n"
           "  per core).\n";
}

std::optional<AnalyseOptions> parseOptions(const std::vector<std::string>& args) {
    AnalyseOptions o;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& name = args[i];
        if (name.rfind("--", 0) != 0) {
            if (!o.file.empty()) return std::nullopt;
            o.file = name;
            continue;
        }
        if (i + 1 >= args.size()) return std::nullopt;
        const std::string& value = args[++i];
        bool ok = false;
        if (name == "--nodes") {
            ok = tools::readNodeBudget(value, o.nodes);
        } else if (name == "--drops") {
            ok = tools::readOnOff(value, o.drops);
        } else if (name == "--jobs") {
            ok = tools::readJobs(value, o.jobs);
        }
        if (!ok) return std::nullopt;
    }
    if (o.file.empty()) return std::nullopt;
    return o;
}

int runMain(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const std::optional<AnalyseOptions> o = parseOptions(args);
    if (!o) {
        err << usage();
        return 2;
    }
    const record::KifuLoad loaded = record::load(o->file);
    if (!loaded.status) {
        err << record::describe(loaded.status) << '\n';
        return 1;
    }
    // The move list is large: it lives on the heap.
    auto list = std::make_unique<record::MoveList>();
    record::applyTo(loaded, *list);
    record::layOutStartEntry(*list);
    const std::vector<rules::Position> game = record::positionsOf(*list, list->lastMove);

    com::ReviewSettings settings;
    if (o->nodes > 0) settings.nodes = o->nodes;
    settings.chineseDrops = o->drops;
    settings.threads = o->jobs;
    std::vector<com::EntryAnalysis> results;
    com::reviewGame(game, results, settings);
    for (const com::EntryAnalysis& a : results) out << com::analysisLine(a) << '\n';
    out << com::marksLine(com::markMoves(game, results)) << '\n';
    return 0;
}

}  // namespace analyse
