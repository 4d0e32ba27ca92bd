#include "support/bench_positions.h"

#include <fstream>
#include <string>

#include "record/position_line.h"

namespace testsupport {

std::vector<rules::Position> benchPositions() {
    const std::string here = __FILE__;
    std::ifstream in(here.substr(0, here.rfind("/tests/support/")) + "/bench/data/positions.txt");
    std::vector<rules::Position> positions;
    for (std::string line; std::getline(in, line);) {
        rules::Position pos;
        if (!line.empty() && record::readPosition(line, pos)) positions.push_back(pos);
    }
    return positions;
}

}  // namespace testsupport
