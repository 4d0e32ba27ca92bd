#include "record/position_line.h"

#include "record/entry_position.h"

namespace record {

LineDecode readPosition(std::string_view line, rules::Position& out) {
    MoveEntry e;
    const LineDecode result = decodeEntryLine(line, e);
    if (result) out = positionOfEntry(e);
    return result;
}

}  // namespace record
