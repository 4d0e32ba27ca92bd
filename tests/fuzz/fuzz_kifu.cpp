// The game-record reader on arbitrary bytes.
//
// Each input is tried three ways:
//  - as a whole record file: loading never crashes, a refused file hands back nothing, and a
//    loaded record holds only what the game can show (piece codes, hand digits, at most 400
//    entries); it is then saved under a name taken from its first header line and loaded again,
//    which must give back every header and entry unchanged and leave no other file behind;
//  - as one entry line: the decoder accepts only sound entries, leaves its output alone when it
//    refuses, and a decoded entry survives being written and read again exactly.
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "record/entry_line.h"
#include "record/kifu_file.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

using namespace record;

// What any entry the game accepts from a file must look like.
void checkEntry(const MoveEntry& e) {
    for (int x = 0; x <= 9; ++x) {
        for (int y = 0; y <= 9; ++y) {
            const rules::PieceCode c = e.boardAt(x, y);
            if (rules::Board::onBoard(x, y))
                FUZZ_CHECK(rules::isValidCode(c));
            else
                FUZZ_CHECK(c == rules::空);  // the unused row and column stay empty
        }
    }
    FUZZ_CHECK(e.ownHandAt[0] == 0 && e.enemyHandAt[0] == 0);
    for (int k = 1; k <= rules::kHandSize; ++k) {
        FUZZ_CHECK(e.ownHandAt[k] >= 0 && e.ownHandAt[k] <= 9);
        FUZZ_CHECK(e.enemyHandAt[k] >= 0 && e.enemyHandAt[k] <= 9);
    }
    for (double clock : {e.bottomBefore, e.bottomAfter, e.topBefore, e.topAfter})
        FUZZ_CHECK(clock >= -9999 && clock <= kMaxClockField);
}

void entryLine(std::string_view bytes) {
    MoveEntry sentinel;
    sentinel.boardAt(5, 5) = rules::敵将;
    sentinel.bottomAfter = 0.5;
    MoveEntry e = sentinel;
    const LineDecode r = decodeEntryLine(bytes, e);
    if (!r) {
        FUZZ_CHECK(e == sentinel);
        FUZZ_CHECK(r.column >= 1 && r.column <= kEntryLineLength + 1);
        FUZZ_CHECK(!describe(r).empty());
        return;
    }
    checkEntry(e);
    const std::string line = encodeEntryLine(e);
    FUZZ_CHECK(line.size() == static_cast<std::size_t>(kEntryLineLength));
    MoveEntry back;
    FUZZ_CHECK(decodeEntryLine(line, back).ok());
    FUZZ_CHECK(back == e);
}

// The longest file name the system takes, in bytes.
constexpr std::size_t kNameMax = 255;

// The first header line as a file name inside the sandbox. A '/' would leave the sandbox, so it
// is replaced; everything else, odd bytes and all, is left for the save to cope with.
std::string nameFrom(const std::string& header) {
    std::string name = header.substr(0, 300);
    for (char& c : name)
        if (c == '/') c = '_';
    return name + kKifuExtension;
}

void recordFile(std::string_view bytes) {
    const std::string& dir = fuzz::sandbox();
    const std::string input = dir + "/input";
    FUZZ_CHECK(fuzz::writeFile(input, bytes));

    const KifuLoad loaded = load(input);
    if (!loaded.status) {
        FUZZ_CHECK(loaded.entries.empty());
        FUZZ_CHECK(loaded.headers == KifuHeaders{});
        FUZZ_CHECK(!describe(loaded.status).empty());
        FUZZ_CHECK(fuzz::filesIn(dir) == std::vector<std::string>{"input"});
        return;
    }
    FUZZ_CHECK(loaded.entries.size() <= static_cast<std::size_t>(kMaxEntry));
    for (const MoveEntry& e : loaded.entries) checkEntry(e);
    if (loaded.start) checkEntry(*loaded.start);

    MoveList list;
    list.currentMove = 7;
    applyTo(loaded, list);
    const int n = static_cast<int>(loaded.entries.size());
    FUZZ_CHECK(list.lastMove == n && list.currentMove == 0 && list.moveCount == 0);

    // Saved again under a name of the player's making, the record must come back whole.
    const std::string name = nameFrom(loaded.headers[0]);
    const std::string path = dir + "/" + name;
    const KifuStatus saved = save(path, loaded.headers, list, n);
    std::vector<std::string> expected{"input"};
    if (saved) {
        const KifuLoad again = load(path);
        FUZZ_CHECK(again.status.ok());
        FUZZ_CHECK(again.headers == loaded.headers);
        FUZZ_CHECK(again.entries == loaded.entries);
        FUZZ_CHECK(again.start == loaded.start && again.startSide == loaded.startSide);
        expected.push_back(name);
    } else {
        // Headers read from a file can always be written back; only a name the system cannot
        // hold may stop the save.
        FUZZ_CHECK(saved.error == KifuError::CannotCreate);
        FUZZ_CHECK(name.size() > kNameMax || name.find('\0') != std::string::npos);
    }
    std::sort(expected.begin(), expected.end());
    FUZZ_CHECK(fuzz::filesIn(dir) == expected);  // nothing else was written
    if (saved) ::unlink(path.c_str());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzz::asText(data, size);
    entryLine(bytes);
    recordFile(bytes);
    return 0;
}
