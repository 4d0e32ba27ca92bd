// The record text's reader on arbitrary bytes.
//
// A refused text hands back an empty record and a message naming the line; an accepted one holds
// only entries the game can show, and written again it reads back to the same record.
#include <cstdint>
#include <string>

#include "record/record_text.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace record;
    const std::string_view text = fuzz::asText(data, size);
    const RecordTextRead r = readRecordText(text);
    FUZZ_CHECK(!describe(r).empty() == !r.ok());
    if (!r.ok()) {
        FUZZ_CHECK(r.list == MoveList{});
        FUZZ_CHECK(r.error == RecordTextError::Empty || r.line >= 1);
        return 0;
    }
    FUZZ_CHECK(r.list.lastMove >= 0 && r.list.lastMove <= kMaxEntry);
    FUZZ_CHECK(r.list.currentMove == 0 && r.list.moveCount == 0);
    for (int n = 0; n <= r.list.lastMove; ++n) {
        for (int k = 1; k <= rules::kHandSize; ++k)
            FUZZ_CHECK(r.list[n].ownHandAt[k] >= 0 && r.list[n].ownHandAt[k] <= 9);
    }
    const RecordTextRead again = readRecordText(recordToText(r.list, r.info));
    FUZZ_CHECK(again.ok());
    FUZZ_CHECK(again.list == r.list);
    return 0;
}
