// The text forms of a review.
#include <cmath>
#include <string>

#include "com/analysis.h"

namespace com {

std::string analysisLine(const EntryAnalysis& a) {
    std::string line = "analysis ";
    if (a.mateArmy != 0) {
        line += "mate " + std::to_string(a.mateArmy * a.matePlies);
    } else {
        line += "score " + std::to_string(std::lround(a.score * 100));
    }
    if (!a.hasMove) return line + " best none";
    const ComMove& m = a.best;
    return line + " best " + std::to_string(m.fromX) + ' ' + std::to_string(m.fromY) + ' ' +
           std::to_string(m.toX) + ' ' + std::to_string(m.toY);
}

std::string marksLine(const std::vector<MoveMark>& marks) {
    std::string line = "marked";
    for (std::size_t n = 0; n < marks.size(); ++n) {
        if (marks[n] == MoveMark::None) continue;
        line += ' ' + std::to_string(n) + (marks[n] == MoveMark::Blunder ? "??" : "?");
    }
    return line == "marked" ? "marked none" : line;
}

}  // namespace com
