// The headless engine: commands read line by line, answers written line by line.
//
// Every answer ends with a line "ok", or "error <text>" for a command that could not be carried
// out; the engine then goes on reading. Commands live in a table of handlers, so a group of
// commands is added in a file of its own (see commands.h).
#pragma once

#include <functional>
#include <iosfwd>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "com/com_state.h"
#include "com/influence_map.h"
#include "rules/position.h"

namespace engine {

// Everything the engine keeps between commands.
struct EngineState {
    rules::Position pos;           // the game: board, hands, sides, king square, two-pawn tables
    com::InfluenceMap map;         // the influence map of the last survey, all 0 after a reset
    int level = com::kStartLevel;  // the computer's strength, 1..5
    bool drops = false;            // whether the Chinese army may drop from its hand
    long nodes = 0;                // the look-ahead levels' node budget; 0 for the level's own
    com::ComState comState;        // what the computer's turn keeps (kingDistance, snapshots, ...)
    rules::SideId sideToMove = rules::SENTE;  // for the notation: the army to move, the move
    int moveNumber = 1;                       // number; play advances both
};

// Puts every piece of game state back to its program-start value. The options (level, drops,
// nodes) are kept: they are settings, not game state.
void resetGame(EngineState& state);

// What a handler reports besides the lines it wrote.
struct Answer {
    std::string error;  // empty on success
    bool quit = false;  // stop reading after this answer

    static Answer ok() { return {}; }
    static Answer fail(std::string text) { return {std::move(text), false}; }
};

// A command's handler: gets the text after the command word and one blank, writes its answer
// lines (not the closing "ok") and says whether it succeeded. A failing handler writes nothing
// and leaves the state as it was.
using Handler = std::function<Answer(EngineState&, std::string_view args, std::ostream& out)>;

class CommandTable {
  public:
    void add(std::string name, Handler handler);
    const Handler* find(std::string_view name) const;

  private:
    std::map<std::string, Handler, std::less<>> handlers_;
};

// Runs one input line: writes the answer and returns false when the engine should stop. Blank
// lines are ignored; a trailing CR is dropped.
bool runCommand(EngineState& state, const CommandTable& table, std::string_view line,
                std::ostream& out);

// Reads commands until "quit" or the end of the input.
void runSession(EngineState& state, const CommandTable& table, std::istream& in, std::ostream& out);

// Helpers for handlers.
// The blank-separated words of a text.
std::vector<std::string_view> splitWords(std::string_view text);
// A whole decimal integer (optional sign); false for anything else.
bool parseInt(std::string_view text, int& value);

}  // namespace engine
