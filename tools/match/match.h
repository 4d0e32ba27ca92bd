// kz-match: games between two computer players, to measure how strong a level is.
//
// Each player is a level with the drops option. Whichever end of the board its army stands at,
// a player asks the computer's single entry point (the position turned so that its army is on
// top when it stands at the bottom). Games come in pairs from one opening of random plies, the
// armies swapped in the second game of a pair; a game ends when a king is taken, when the player
// to move has no move (it loses), or when the record is full (a draw).
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "rules/position.h"

namespace match {

struct MatchOptions {
    int levelA = 4;
    int levelB = 3;
    long nodesA = 0;  // the look-ahead levels' node budgets; 0 for the level's own
    long nodesB = 0;
    int games = 2;
    bool drops = false;
    unsigned long long seed = 1;
    int randomPlies = 4;
    int jobs = 1;
    // When set, the file that gets every game's sampled positions (see sampleLine), one in
    // sampleEvery plies after the opening, but for one where the mover can take the king.
    std::string positionsFile;
    int sampleEvery = 1;
};

// The record's last entry: a game that reaches it is drawn.
constexpr int kMaxPlies = 400;

// The options from the command line (argv[0] is the program), or nothing when one is unknown,
// lacks its value or has a value out of range.
std::optional<MatchOptions> parseOptions(const std::vector<std::string>& args);
std::string usage();

enum class Outcome { Win, Draw, Loss };  // for player A

struct GameResult {
    bool aIsShogi = true;
    Outcome outcome = Outcome::Draw;
    int plies = 0;                     // the random opening plies included
    std::vector<std::string> samples;  // the sampled positions' lines, when asked for
};

// A sampled position for a fit of the look-ahead score: the result for the army at the top of
// the notation as it reads back (the Chinese army: 1 won, 0.5 drawn, 0 lost), the drops option
// and the position before a move, "0.5 off jheaxaehj/9/1c5c1/... b - 5".
std::string sampleLine(Outcome chineseOutcome, bool drops, const std::string& notation);

// Where a game starts: the position, the army to move (+1 top, -1 bottom) and the plies made.
struct Opening {
    rules::Position pos;
    int mover = -1;
    int plies = 0;
};

// The opening of pair `pair`: options.randomPlies random moves from the start position (never a
// king capture), drawn from a generator seeded by the match's seed and the pair.
Opening openingOf(const MatchOptions& options, int pair);

// A game played on from `from` to its end; aIsShogi says which army player A holds.
GameResult playOn(const MatchOptions& options, const Opening& from, bool aIsShogi);

// Game `index` (0-based) of the match: the opening of pair index / 2, A holding the shogi army in
// the even game and the Chinese army in the odd one.
GameResult playGame(const MatchOptions& options, int index);

// Every game, on options.jobs threads; the results do not depend on the number of threads.
// Each game's line (and its sampled positions, to `positions`) is written as soon as it and
// every game before it are done.
std::vector<GameResult> playMatch(const MatchOptions& options, std::ostream& out,
                                  std::ostream* positions = nullptr);

// "game I: A-shogi win plies P" (I counted from 1).
std::string gameLine(int index, const GameResult& r);

// The totals of one army's games, then of all: "A-shogi: W-D-L score P%", "A-chinese: ...", and
// last "result W-D-L score P% elo E +/- M", all from A's side.
std::string summaryLines(const std::vector<GameResult>& results);

// The whole program: parses, plays, prints. Returns the exit status (2 for a bad option).
int runMain(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace match
