// Plain helpers of the game-record panel: where a loaded record's header line is printed, and
// which file names a record may be saved under.
#pragma once

#include <string>

namespace flow {

// The X (twips) at which a header line of a loaded record is printed: centred over the board by
// its number of characters, 45 twips to a character.
double 取得_棋譜のX座標(const std::string& text);

// True when `name` may name a record in the panel's folder: not empty, not "." or "..", and
// without a folder separator (a record is always saved beside the others).
bool usableRecordName(const std::string& name);

}  // namespace flow
