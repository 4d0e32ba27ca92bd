#include "support/bench_positions.h"

#include <fstream>
#include <string>

#include "record/entry_line.h"
#include "rules/setup.h"

namespace testsupport {

std::vector<rules::Position> benchPositions() {
    const std::string here = __FILE__;
    std::ifstream in(here.substr(0, here.rfind("/tests/support/")) + "/bench/data/positions.txt");
    std::vector<rules::Position> positions;
    for (std::string line; std::getline(in, line);) {
        record::MoveEntry e;
        if (line.empty() || !record::decodeEntryLine(line, e)) continue;
        rules::Position pos;
        pos.board = e.boardAt;
        pos.ownHand = e.ownHandAt;
        pos.enemyHand = e.enemyHandAt;
        pos.ownHandTotal = rules::handSum(pos.ownHand);
        pos.enemyHandTotal = rules::handSum(pos.enemyHand);
        rules::調査_先手後手(pos);
        positions.push_back(pos);
    }
    return positions;
}

}  // namespace testsupport
