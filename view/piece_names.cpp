#include "view/piece_names.h"

namespace view {

namespace {

// By kind 0..21. The Chinese kinds take letters no shogi kind uses: F the foot soldier, T the
// chariot, H the horse, E the elephant, A the advisor, C the cannon, M the marshal (将).
const char* const kLetters[rules::kind::count + 1] = {"",  "P",  "+P", "F", "L", "+L", "N", "+N",
                                                      "T", "S",  "+S", "H", "E", "G",  "B", "+B",
                                                      "R", "+R", "A",  "C", "K", "M"};

bool international(platform::PieceSet set) {
    return set == platform::PieceSet::International;
}

}  // namespace

const char* internationalName(int kind) {
    return rules::isKind(kind) ? kLetters[kind] : "";
}

record::MoveNotation moveNotation(platform::PieceSet set, int x, int y, rules::PieceCode piece) {
    if (!international(set)) return record::moveNotation(x, y, piece);
    record::MoveNotation n;
    if (x >= 1 && x <= 9) n.file = std::to_string(10 - x);
    n.rank = rankLabel(set, y);
    n.piece = internationalName(rules::magnitude(piece));
    return n;
}

std::string moveText(platform::PieceSet set, int x, int y, rules::PieceCode piece) {
    const record::MoveNotation n = moveNotation(set, x, y, piece);
    return n.file + n.rank + " " + n.piece;
}

const char* promotionMark(platform::PieceSet set) {
    return international(set) ? "+" : "成";
}

std::string rankLabel(platform::PieceSet set, int row) {
    if (row < 1 || row > 9) return "";
    if (international(set)) return std::string(1, static_cast<char>('a' + row - 1));
    return record::文字列変換(110 + row);
}

}  // namespace view
