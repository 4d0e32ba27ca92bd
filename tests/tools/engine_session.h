// Drives one engine in-process: positions as entry lines, each answer handed back as its lines.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "record/entry_line.h"
#include "rules/setup.h"
#include "tools/engine/commands.h"

namespace enginetest {

inline std::string lineOf(const rules::Board& board, const rules::Hand& own = {},
                          const rules::Hand& enemy = {}) {
    record::MoveEntry e;
    e.boardAt = board;
    e.ownHandAt = own;
    e.enemyHandAt = enemy;
    return record::encodeEntryLine(e);
}

inline std::string startLine() {
    rules::Position pos;
    rules::layOutStartPosition(pos);
    return lineOf(pos.board);
}

inline std::vector<std::string> words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> w;
    for (std::string s; in >> s;) w.push_back(s);
    return w;
}

struct Session {
    engine::EngineState state;
    engine::CommandTable table = engine::defaultCommands();

    std::vector<std::string> send(const std::string& command) {
        std::ostringstream out;
        engine::runCommand(state, table, command, out);
        std::vector<std::string> lines;
        std::istringstream in(out.str());
        for (std::string l; std::getline(in, l);) lines.push_back(l);
        return lines;
    }
    // The answer when it is a single line.
    std::string one(const std::string& command) {
        const auto lines = send(command);
        if (lines.size() == 1) return lines[0];
        // Appended: GCC 12 at -O3 warns falsely (-Wrestrict) of "<" + std::to_string(…).
        std::string many = "<";
        many += std::to_string(lines.size());
        return many + " lines>";
    }
};

}  // namespace enginetest
