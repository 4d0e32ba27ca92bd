// Helpers for the influence and mate tests: survey a diagram, and compare a whole grid with the
// few squares a test expects to differ from a background value.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <sstream>
#include <string>

#include "com/influence_map.h"
#include "com/influence_survey.h"
#include "support/diagram.h"

namespace surveyed {

struct Surveyed {
    rules::Position pos;
    com::InfluenceMap map;
};

inline Surveyed survey(const std::string& diagram) {
    Surveyed s{testsupport::positionFrom(diagram), {}};
    com::勢力調査(s.pos, s.map);
    return s;
}

struct Cell {
    int x, y, value;
};

// Every square (1..9, 1..9) of the grid holds `background` except the cells listed.
inline testing::AssertionResult gridIs(const com::InfluenceGrid& grid, int background,
                                       std::initializer_list<Cell> cells) {
    std::ostringstream diff;
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            int want = background;
            for (const Cell& c : cells) {
                if (c.x == x && c.y == y) want = c.value;
            }
            if (grid(x, y) != want) {
                diff << " (" << x << "," << y << ")=" << grid(x, y) << " want " << want;
            }
        }
    }
    if (diff.str().empty()) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "grid differs:" << diff.str();
}

// The squares of a board that hold `value` in the grid, for cells built in a loop.
inline testing::AssertionResult gridHas(const com::InfluenceGrid& grid,
                                        std::initializer_list<Cell> cells) {
    std::ostringstream diff;
    for (const Cell& c : cells) {
        if (grid(c.x, c.y) != c.value) {
            diff << " (" << c.x << "," << c.y << ")=" << grid(c.x, c.y) << " want " << c.value;
        }
    }
    if (diff.str().empty()) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "grid differs:" << diff.str();
}

}  // namespace surveyed
