// The short effects.
#pragma once

#include "synth.h"

namespace wavegen {

Samples woodenClack();   // a shogi piece put down on the wooden board
Samples stoneClack();    // a Chinese piece: harder, higher and with a small second bounce
Samples buzz();          // a refused click or command
Samples chime();         // the about box: two soft bell strokes
Samples fallingSweep();  // a piece taken off the board
Samples clockTick();     // one of the last ten seconds of a clock: a short, dry, high click
Samples timeUp();        // a clock has run out: a low gong stroke struck twice

}  // namespace wavegen
