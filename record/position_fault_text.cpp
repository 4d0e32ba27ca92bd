#include "record/position_fault_text.h"

#include "record/notation.h"

namespace record {

std::string describe(const rules::PositionFault& f, const Translation& tr) {
    using K = rules::PositionFaultKind;
    const MoveNotation square = moveNotation(f.x, f.y, f.code);
    const char* text = "";
    switch (f.fault) {
        case K::None:
            return "";
        case K::MissingKing:
            text = KZ_TEXT("Position", "%1がありません");
            break;
        case K::TwoKings:
            text = KZ_TEXT("Position", "%1が二枚あります");
            break;
        case K::KingOutsidePalace:
            text = KZ_TEXT("Position", "%2%3の将が九宮の外にあります");
            break;
        case K::PieceCannotMove:
            text = KZ_TEXT("Position", "%2%3の%4はもう動けません");
            break;
        case K::TwoPawnsOnAFile:
            text = KZ_TEXT("Position", "%2筋に同じ側の歩が二枚あります");
            break;
        case K::TooManyOfAKind:
            text = KZ_TEXT("Position", "%1が多すぎます（%5枚まで）");
            break;
        case K::KingCanBeTaken:
            text = KZ_TEXT("Position", "手番の側が相手の玉をすぐに取れます");
            break;
    }
    return fillIn(textOf(tr, "Position", text), {pieceName(f.kind), square.file, square.rank,
                                                 pieceName(f.code), std::to_string(f.limit)});
}

}  // namespace record
