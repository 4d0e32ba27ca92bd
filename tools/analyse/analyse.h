// kz-analyse: the review of a game-record file, one line per entry as the engine's analyse
// prints it (entry 0, the start, first), then a line of the marked moves.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace analyse {

struct AnalyseOptions {
    std::string file;
    long nodes = 0;  // 0: the review's own budget
    bool drops = false;
    int jobs = 0;  // 0: one thread per core
};

// The options from the command line (argv[0] is the program), or nothing when the file is
// missing or an option is unknown, lacks its value or has a value out of range.
std::optional<AnalyseOptions> parseOptions(const std::vector<std::string>& args);
std::string usage();

// The whole program: parses, reads the record, reviews it, prints. Returns the exit status (2 for
// a bad option, 1 for a record that cannot be read).
int runMain(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace analyse
