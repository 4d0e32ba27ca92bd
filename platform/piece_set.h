// The piece set the player reads the pieces in, for every layer (no Qt here): the kanji of a
// real set, or international pictures with a Western letter on each piece.
#pragma once

namespace platform {

enum class PieceSet { Kanji, International };

}  // namespace platform
