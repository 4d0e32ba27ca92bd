// The position notation's reader on arbitrary bytes.
//
// A refused text hands back no position and a message saying what and where; an accepted one is
// a position the game can play, and written again it reads back to the same position.
#include <cstdint>
#include <string>

#include "record/position_notation.h"
#include "rules/position_check.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace record;
    const std::string_view text = fuzz::asText(data, size);
    const NotationRead r = readNotation(text);
    FUZZ_CHECK(!describe(r).empty() == !r.ok());
    if (!r.ok()) {
        FUZZ_CHECK(r.value.position == rules::Position{});
        FUZZ_CHECK(r.error == NotationError::Position ||
                   (r.column >= 1 && r.column <= static_cast<int>(size) + 1));
        return 0;
    }
    const NotationPosition& v = r.value;
    FUZZ_CHECK(rules::checkPosition(v.position, v.sideToMove).ok());
    FUZZ_CHECK(v.moveNumber >= 1 && v.moveNumber <= 9999);
    const std::string written = positionToNotation(v.position, v.sideToMove, v.moveNumber);
    const NotationRead again = readNotation(written);
    FUZZ_CHECK(again.ok());
    FUZZ_CHECK(again.value.position == v.position);
    FUZZ_CHECK(again.value.sideToMove == v.sideToMove);
    FUZZ_CHECK(positionToNotation(again.value.position, v.sideToMove, v.moveNumber) == written);
    return 0;
}
