// The game record: one whole position per move, entries 0..400.
#pragma once

#include <array>
#include <string>

#include "rules/position.h"

namespace record {

constexpr int kMaxEntry = 400;

struct MoveEntry {
    rules::Board boardAt;  // the board after the move
    rules::Hand ownHandAt{};
    rules::Hand enemyHandAt{};
    double bottomBefore = 0;
    double bottomAfter = 0;
    double topBefore = 0;
    double topAfter = 0;

    bool operator==(const MoveEntry&) const = default;
};

struct MoveList {
    std::array<MoveEntry, kMaxEntry + 1> entries{};
    int currentMove = 0;  // the entry that matches the board on screen
    int lastMove = 0;     // the last entry that belongs to the record
    int moveCount = 0;    // the move number shown on screen
    // A record set up in the position editor starts from entry 0 as it was set up, with either
    // army to move; any other record starts from the usual position, the shogi army to move.
    bool setUpStart = false;
    rules::SideId startSide = rules::SENTE;
    // The number of the move after entry 0: a pasted position may go on from move 37, the record
    // still counting its entries from 1.
    int startMoveNumber = 1;
    // When the game was begun ("2026/12/07 17:14:20"); empty when nobody knows, as for a record
    // read from a file.
    std::string startDate;
    // The army whose time ran out after the last entry, which ended the game; 0 for none.
    rules::SideId timeLoser = 0;

    MoveEntry& operator[](int n) { return entries[n]; }
    const MoveEntry& operator[](int n) const { return entries[n]; }

    bool operator==(const MoveList&) const = default;
};

}  // namespace record
