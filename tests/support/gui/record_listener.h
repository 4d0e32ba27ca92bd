// A record listener for tests: counts the changes it is told of; and the game's move list as one
// line of text per row.
#pragma once

#include <string>
#include <vector>

#include "flow/game.h"

namespace testsupport {

struct CountingListener : flow::RecordListener {
    int changes = 0;
    void recordChanged() override { ++changes; }
};

// "number move clock" for each row, e.g. "1 ５八 王 00:01:05".
inline std::vector<std::string> rowTexts(flow::Game& game) {
    std::vector<std::string> out;
    for (const record::MoveListRow& r : game.recordView().moveListRows())
        out.push_back(std::to_string(r.number) + " " + r.move + " " + r.clock);
    return out;
}

}  // namespace testsupport
