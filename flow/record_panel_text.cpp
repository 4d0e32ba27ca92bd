// Plain helpers of the game-record panel: where a read record's header line is printed, and
// which file names a record may be saved under.
#include "flow/record_panel_text.h"

#include "view/layout.h"

namespace flow {

namespace {

// Characters of a UTF-8 text (continuation bytes are not counted).
int characters(const std::string& text) {
    int n = 0;
    for (const unsigned char c : text)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

}  // namespace

double 取得_棋譜のX座標(const std::string& text) {
    return view::kBoardLeft + (9 * view::kSquareWidth) / 2 - (45.0 * characters(text)) / 2;
}

bool usableRecordName(const std::string& name) {
    if (name.empty() || name == "." || name == "..") return false;
    return name.find_first_of(std::string("/\\\0", 3)) == std::string::npos;
}

}  // namespace flow
