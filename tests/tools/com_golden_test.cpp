// The computer's choices pinned: for every position of the benchmark suite, the engine's survey
// grids and its candidates (every evaluation and the best move) at levels 1..3, drops off and on,
// level 4's candidates (every root move's score) and, on the first positions, level 5's, compared
// exactly with the files in tests/data.
//
// A change of behaviour that is meant must be written again on purpose, and the diff reviewed:
//
//     KZ_WRITE_GOLDEN=1 build/tests/test_tools --gtest_filter='ComGolden.*'
//
// which rewrites tests/data/golden_survey.txt, golden_candidates.txt and golden_lookahead.txt in
// the source tree. On a mismatch the test names the first differing lines and leaves what it
// computed in golden_*.actual.txt in its working folder, for a diff.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "engine_session.h"

namespace {

using enginetest::Session;
using enginetest::words;

const std::string kRoot = [] {
    const std::string here = __FILE__;
    return here.substr(0, here.rfind("/tests/tools/"));
}();

std::vector<std::string> suiteLines() {
    std::ifstream in(kRoot + "/bench/data/positions.txt");
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty()) lines.push_back(line);
    }
    return lines;
}

// One character a square: '.' for 0, 1..9, a..z for 10..35, A..Z for -1..-26, '+' for 999 and
// '-' for -999 (the reset values); anything else in parentheses.
std::string squareChar(int v) {
    if (v == 0) return ".";
    if (v >= 1 && v <= 9) return std::string(1, static_cast<char>('0' + v));
    if (v >= 10 && v <= 35) return std::string(1, static_cast<char>('a' + v - 10));
    if (v <= -1 && v >= -26) return std::string(1, static_cast<char>('A' - v - 1));
    if (v == 999) return "+";
    if (v == -999) return "-";
    return "(" + std::to_string(v) + ")";
}

// 64-bit FNV-1a, folded to 32 bits for print.
struct Digest {
    std::uint64_t h = 14695981039346656037ull;
    void add(const std::string& text) {
        for (const unsigned char c : text) h = (h ^ c) * 1099511628211ull;
    }
    std::string hex() const {
        char buf[9];
        std::snprintf(buf, sizeof buf, "%08x", static_cast<unsigned>(h ^ (h >> 32)));
        return buf;
    }
};

// The breadth no handful of positions gives: every move and drop of either army the engine lists is
// played on a fresh copy of the position and surveyed, and each grid's lines over all of them are
// summed up in a digest (the line "moved", one digest a grid). The grids themselves are kept only
// for the position as it stands; the engine's survey shows any one of them.
std::string afterEveryMove(Session& s, const std::string& line) {
    s.send("position " + line);
    std::vector<std::string> moves;
    for (const std::string& l : s.send("legal")) {
        const std::vector<std::string> w = words(l);
        if (w.size() == 6) moves.push_back(l.substr(5));
    }
    std::vector<std::pair<std::string, Digest>> grids;
    for (const std::string& m : moves) {
        s.send("position " + line);
        s.send("play " + m);
        std::size_t i = 0;
        for (const std::string& l : s.send("survey")) {
            if (l == "ok") continue;
            if (i == grids.size()) grids.push_back({l.substr(0, l.find(' ')), Digest{}});
            grids[i++].second.add(l);
        }
    }
    std::string out = "moved " + std::to_string(moves.size());
    for (const auto& [name, digest] : grids) out += " " + name + ":" + digest.hex();
    return out + "\n";
}

// The survey's answer: one line per grid, "NAME" and nine columns (x = 1..9) of nine squares
// (y = 1..9 from the top), then the engine's own kings line.
std::string surveyBlock(Session& s, const std::string& line, std::size_t index) {
    s.send("position " + line);
    std::string out = "# " + std::to_string(index) + "\n";
    const std::string moved = afterEveryMove(s, line);
    s.send("position " + line);
    for (const std::string& l : s.send("survey")) {
        const std::vector<std::string> w = words(l);
        if (l == "ok") continue;
        if (w.size() != 82) {
            out += l + "\n";
            continue;
        }
        out += w[0];
        for (std::size_t i = 1; i < w.size(); ++i) {
            if ((i - 1) % 9 == 0) out += ' ';
            out += squareChar(std::stoi(w[i]));
        }
        out += '\n';
    }
    return out + moved;
}

// Scores as the engine prints them, without trailing zeros.
std::string trimmed(std::string score) {
    if (score.find('.') == std::string::npos) return score;
    while (score.back() == '0') score.pop_back();
    if (score.back() == '.') score.pop_back();
    return score;
}

// A candidate: "FFTT:P" with the from- and to-squares as digits (a drop's from is "d" and the hand
// index as a letter, a = 1) and the code standing on the destination while it was scored.
std::string candidateKey(const std::vector<std::string>& w) {
    std::string key;
    if (w[1] == "-1") {
        key = "d";
        key += static_cast<char>('a' + std::stoi(w[2]) - 1);
    } else {
        key = w[1] + w[2];
    }
    return key + w[3] + w[4] + ":" + w[5];
}

// The six runs of one position: for each candidate, in the order first met, one cell per level.
// A cell is the score when drops off and on agree, else "OFF/ON" with "x" for a run that did not
// evaluate it. The line "best" gives each run's answer: bestmove's six numbers and the score.
std::string candidatesBlock(Session& s, const std::string& line, std::size_t index) {
    std::vector<std::string> order;
    std::map<std::string, std::array<std::array<std::string, 2>, 3>> cells;
    std::string best = "best";
    for (int level = 1; level <= 3; ++level) {
        for (int drops = 0; drops < 2; ++drops) {
            s.send("setoption level " + std::to_string(level));
            s.send(std::string("setoption drops ") + (drops ? "on" : "off"));
            s.send("position " + line);
            for (const std::string& l : s.send("candidates")) {
                const std::vector<std::string> w = words(l);
                if (w.size() == 7 && w[0] == "eval") {
                    const std::string key = candidateKey(w);
                    if (!cells.count(key)) order.push_back(key);
                    cells[key][level - 1][drops] = trimmed(w[6]);
                } else if (w.size() == 9 && w[0] == "bestmove") {
                    best += " " + w[1] + "," + w[2] + "," + w[3] + "," + w[4] + "," + w[5] + "," +
                            w[6] + "=" + trimmed(w[8]);
                } else if (l != "ok") {
                    best += " " + l;
                }
            }
        }
    }
    std::string out = "# " + std::to_string(index) + "\n" + best + "\n";
    for (const std::string& key : order) {
        out += key;
        for (const auto& cell : cells[key]) {
            const std::string off = cell[0].empty() ? "x" : cell[0];
            const std::string on = cell[1].empty() ? "x" : cell[1];
            out += " " + (off == on ? off : off + "/" + on);
        }
        out += '\n';
    }
    return out;
}

// One look-ahead run: "level L drops D: BEST | CAND..." with the best move as in candidatesBlock
// and each root move as FFTT:P=SCORE, "<=" for a score that is only an upper bound.
std::string lookaheadLine(Session& s, const std::string& line, int level, bool drops) {
    s.send("setoption level " + std::to_string(level));
    s.send(std::string("setoption drops ") + (drops ? "on" : "off"));
    s.send("position " + line);
    std::string best, roots;
    for (const std::string& l : s.send("candidates")) {
        const std::vector<std::string> w = words(l);
        if (w[0] == "eval" && w.size() >= 7) {
            roots += " " + candidateKey(w) + (w.size() == 8 ? "<=" : "=") + trimmed(w[6]);
        } else if (w.size() == 9 && w[0] == "bestmove") {
            best = w[1] + "," + w[2] + "," + w[3] + "," + w[4] + "," + w[5] + "," + w[6] + "=" +
                   trimmed(w[8]);
        } else if (l != "ok") {
            best += l;
        }
    }
    return "level " + std::to_string(level) + " drops " + (drops ? "on" : "off") + ": " + best +
           " |" + roots + "\n";
}

std::string readFile(const std::string& path) {
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> linesOf(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> lines;
    for (std::string l; std::getline(in, l);) lines.push_back(l);
    return lines;
}

void writeFile(const std::string& path, const std::string& text) {
    std::ofstream out(path);
    out << text;
}

// Compares with the kept file, or writes it when KZ_WRITE_GOLDEN is set.
void expectGolden(const std::string& name, const std::string& header, const std::string& actual) {
    const std::string path = kRoot + "/tests/data/" + name + ".txt";
    const char* write = std::getenv("KZ_WRITE_GOLDEN");
    if (write != nullptr && *write != '\0') {
        writeFile(path, header + actual);
        return;
    }
    const std::string expected = readFile(path);
    if (expected == header + actual) return;
    writeFile(name + ".actual.txt", header + actual);
    const std::vector<std::string> kept = linesOf(expected);
    const std::vector<std::string> computed = linesOf(header + actual);
    int shown = 0;
    for (std::size_t n = 0; shown < 5 && n < std::max(kept.size(), computed.size()); ++n) {
        const std::string k = n < kept.size() ? kept[n] : "<end>";
        const std::string c = n < computed.size() ? computed[n] : "<end>";
        if (k == c) continue;
        ADD_FAILURE() << path << " line " << n + 1 << "\n  kept:     " << k
                      << "\n  computed: " << c;
        ++shown;
    }
    FAIL() << name << " differs from the kept file: see " << name << ".actual.txt";
}

TEST(ComGolden, SurveyGridsOfTheSuite) {
    const std::vector<std::string> suite = suiteLines();
    ASSERT_GE(suite.size(), 50u);
    Session s;
    std::string actual;
    for (std::size_t i = 0; i < suite.size(); ++i) actual += surveyBlock(s, suite[i], i);
    expectGolden(
        "golden_survey",
        "# The survey of each position of bench/data/positions.txt, from a reset map.\n"
        "# Grid lines: nine columns x = 1..9, each nine squares y = 1..9; '.' 0, digits,\n"
        "# a..z 10..35, A..Z -1..-26, '+' 999, '-' -999, other values in parentheses.\n"
        "# moved: how many moves and drops of either army were played from the position, each\n"
        "# surveyed on its own, and a digest a grid over all those surveys.\n",
        actual);
}

TEST(ComGolden, CandidatesOfTheSuite) {
    const std::vector<std::string> suite = suiteLines();
    ASSERT_GE(suite.size(), 50u);
    Session s;
    std::string actual;
    for (std::size_t i = 0; i < suite.size(); ++i) actual += candidatesBlock(s, suite[i], i);
    expectGolden(
        "golden_candidates",
        "# The engine's candidates for each position of bench/data/positions.txt.\n"
        "# best: the answer of the six runs (level 1 drops off, drops on, level 2 ...):\n"
        "#   FX,FY,TX,TY,BEFORE,AFTER=SCORE.\n"
        "# Then one line per evaluation: FFTT:P (from, to, the code scored on the destination; a\n"
        "# drop's from is d and the hand index as a letter, a = 1) and a cell per level 1..3: the\n"
        "# score when drops off and on agree, else OFF/ON with x where that run did not score "
        "it.\n",
        actual);
}

// Level 5 searches over a hundred times longer than level 4, so only the first positions are
// pinned.
TEST(ComGolden, LookaheadOfTheSuite) {
    const std::vector<std::string> suite = suiteLines();
    ASSERT_GE(suite.size(), 50u);
    Session s;
    std::string actual;
    for (std::size_t i = 0; i < suite.size(); ++i) {
        actual += "# " + std::to_string(i) + "\n";
        for (int level = 4; level <= (i < 3 ? 5 : 4); ++level) {
            for (const bool drops : {false, true})
                actual += lookaheadLine(s, suite[i], level, drops);
        }
    }
    expectGolden(
        "golden_lookahead",
        "# Levels 4 and 5 on each position of bench/data/positions.txt (level 5 on the\n"
        "# first three): the best move FX,FY,TX,TY,BEFORE,AFTER=SCORE, then every root move\n"
        "# FFTT:P (as in golden_candidates.txt) and its score, after \"<=\" when it is only\n"
        "# an upper bound.\n",
        actual);
}

}  // namespace
