// The background music: a gentle pentatonic tune over a soft bass and a quiet harp, made to loop.
#pragma once

#include "synth.h"

namespace wavegen {

// Sixteen bars at 120 beats a minute: exactly 32 seconds. The tune dies away before the end and
// every echo that runs past the end is folded onto the beginning, so the loop has no seam.
Samples backgroundMusic();

}  // namespace wavegen
