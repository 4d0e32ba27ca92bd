// A whole game as text a person can read, in the manner of a KIF file: header lines, then one
// numbered line per move with its origin square and the mover's clock, then the result.
//
//   開始日時：2026/12/07 17:14:20
//   手合割：平手
//   先手：MAN
//   後手：COM レベル3
//   中国軍の持駒打ち：なし
//   持ち時間：10分+30秒
//   手数----指手---------消費時間--
//     1 ７六歩(77)   0:01/00:00:01
//     2 ５五卒(54)   0:00/00:00:00
//
// Like the position notation it is written as the shogi army (先手) sees the board from the
// bottom, whichever way the record was turned; a start other than the usual one is written as
// its notation in a 開始局面 line. Clocks are whole seconds. The 持ち時間 line is there only for a
// game played to a time control.
#pragma once

#include <string>
#include <string_view>

#include "record/move_list.h"
#include "record/position_notation.h"
#include "record/texts.h"
#include "record/time_control.h"

namespace record {

// What the header lines tell besides the moves.
struct RecordInfo {
    std::string date;                // as dateText writes it; no line when empty
    rules::SideId computerSide = 0;  // the army the computer played; 0 for two people
    int comLevel = 0;
    int handicapGrade = 0;  // 0 for an even game
    bool chineseDrops = false;
    rules::SideId sideToMoveAtStart = rules::SENTE;
    int startMoveNumber = 1;  // the number the start's notation gives its first move
    TimeControl timeControl;
    rules::SideId timeLoser = 0;  // the army whose time ran out at the end; 0 for none

    bool operator==(const RecordInfo&) const = default;
};

// A date and time as the 開始日時 line writes it: "2026/12/07 17:14:20".
std::string dateText(int year, int month, int day, int hour, int minute, int second);

// Entries 0..list.lastMove as text. Entry 0 is the start; each later entry is written as the move
// that leads to it from the one before. The result line follows when a king has been taken or an
// army's time ran out.
std::string recordToText(const MoveList& list, const RecordInfo& info);

enum class RecordTextError {
    None,
    Empty,         // no header and no move
    BadStart,      // the 開始局面 line is not a notation the game can play (start: why)
    BadLine,       // a line that is neither a header, a move, a comment nor the result
    WrongNumber,   // a move line whose number is not the next one
    IllegalMove,   // a move the rules do not allow where it stands
    AfterTheEnd,   // a move after a king was taken
    TooManyMoves,  // more moves than the record holds
};

struct RecordTextRead {
    RecordTextError error = RecordTextError::None;
    int line = 0;        // 1-based line at fault
    NotationRead start;  // the start's notation, when that is the fault
    MoveList list;       // entries 0..lastMove, the cursors at the start; only when ok()
    RecordInfo info;

    bool ok() const { return error == RecordTextError::None; }
    explicit operator bool() const { return ok(); }
};

// Reads a record text back: every move is checked against the rules from the start on. Comment
// lines ('#', '*', '&'), blank lines and header lines it does not know are passed over.
RecordTextRead readRecordText(std::string_view text);

// A message for the player ("12行目: …"), in the given translation.
std::string describe(const RecordTextRead& read, const Translation& translation = {});

}  // namespace record
