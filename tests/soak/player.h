// The soak's player: picks the next event from the game's random stream, biased so that games
// progress: most of the time it presses a piece of the side to move and then one of the squares
// that piece may go to; now and then it presses anywhere, steps through the record, turns the
// board, changes options and the handicap, saves and loads records, and starts new games.
#pragma once

#include <deque>
#include <vector>

#include "rules/position.h"
#include "soak/events.h"
#include "soak/random.h"
#include "soak/soak_rig.h"

namespace soak {

// How one game of the soak leans: chosen once per game from its stream.
struct Style {
    int maxEvents = 300;
    double avoidKingCapture = 0.8;  // how often a move that takes a king is passed over
    double preferCapture = 0.3;     // how often a capture is taken when there is one
    double wildPress = 0.12;        // share of presses anywhere on or off the grid
    double computer = 0.5;          // how often a new game is one against the computer
    double wander = 1;              // weight of stepping, starting over and new games

    static Style pick(Random& r);
};

// A move the side to move may make: its from-cell as pressed (a stand cell's display row for
// the top stand) and its destination.
struct PlannedMove {
    int fromC = 0, fromR = 0;
    int toX = 0, toY = 0;
    rules::PieceCode piece = 0;
    bool mustPromote = false;
    bool takesKing = false;
    bool captures = false;
};

// Every move the next press would let the side to move make, as the rules allow it (a king may
// be left attacked, as on the board).
std::vector<PlannedMove> movesOf(const flow::Game& game);

class Player {
  public:
    Player(Random& random, const Style& style) : random_(random), style_(style) {}

    Event next(SoakRig& rig);

  private:
    Event press(const SoakRig& rig, int c, int r, int button, std::string note);
    Event command(Command c);
    Event wildPress(const SoakRig& rig);
    Event save();
    Event load(const SoakRig& rig);
    Event optionToggle();
    // Something done between taking up a piece and putting it down.
    Event interlude(const SoakRig& rig);
    Event inGame(SoakRig& rig);
    Event noGame(SoakRig& rig);
    Event recordMode(SoakRig& rig);
    bool planMove(SoakRig& rig);

    Random& random_;
    Style style_;
    std::deque<Event> queue_;
};

}  // namespace soak
