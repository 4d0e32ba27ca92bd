// Which kind of text a pasted string is: a position notation, a record text, or the content of a
// game-record file. The caller then hands it to the reader of that kind.
#pragma once

#include <string_view>

namespace record {

enum class PastedKind { Unknown, PositionNotation, RecordText, RecordFile };

// Told by the text's form alone, nothing is read: a line of 243 or more blanks, digits and signs
// is a record file's entry line; a numbered move line, the moves' heading or a known header line
// marks a record text; one line with eight '/' is a notation.
PastedKind kindOfPastedText(std::string_view text);

}  // namespace record
