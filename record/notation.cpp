#include "record/notation.h"

namespace record {

namespace {

const char* const kFileDigits[10] = {"", "１", "２", "３", "４", "５", "６", "７", "８", "９"};
const char* const kRankNumerals[10] = {"", "一", "二", "三", "四", "五", "六", "七", "八", "九"};

// Names by kind 0..21; the advisor (18) has none.
const char* const kKindNames[rules::kind::count + 1] = {
    "",   "歩", "と", "卒", "香",   "香成", "桂",   "桂成", "車", "銀", "銀成",
    "馬", "象", "金", "角", "角成", "飛",   "飛成", "",     "砲", "王", "将"};

}  // namespace

std::string 文字列変換(int code) {
    if (code >= 101 && code <= 109) return kFileDigits[code - 100];
    if (code >= 111 && code <= 119) return kRankNumerals[code - 110];
    const int k = rules::magnitude(code);
    if (k <= rules::kind::count) return kKindNames[k];
    return "";
}

std::string pieceName(rules::PieceCode piece) {
    return rules::magnitude(piece) == rules::kind::士 ? "士" : 文字列変換(rules::magnitude(piece));
}

MoveNotation moveNotation(int x, int y, rules::PieceCode piece) {
    return {文字列変換(100 + (10 - x)), 文字列変換(110 + y), 文字列変換(piece)};
}

std::string moveText(int x, int y, rules::PieceCode piece) {
    const MoveNotation n = moveNotation(x, y, piece);
    return n.file + n.rank + " " + n.piece;
}

}  // namespace record
