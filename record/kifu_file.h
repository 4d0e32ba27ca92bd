// The game-record file (*.棋譜): three header lines (the game's name, the top army's player, the
// bottom army's player) and one 289-character entry line per recorded move, entries 1..lastMove.
// Lines end with CR LF; the text is CP932. Blank entry lines are passed over when reading.
// A record set up in the position editor has two more lines after the headers: a marker line that
// names the army to move first, and its start (entry 0) as an entry line. A record from the usual
// start has neither, so it is written exactly as it always was.
//
// Both directions are all-or-nothing: saving writes a temporary file beside the target and
// renames it over the old one, and loading reads and checks the whole file before anything is
// handed back, so a faulty file never replaces the record being shown.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "record/entry_line.h"
#include "record/move_list.h"
#include "record/texts.h"
#include "rules/piece.h"

namespace record {

inline const char* const kKifuExtension = ".棋譜";

using KifuHeaders = std::array<std::string, 3>;  // UTF-8, in file order

enum class KifuError {
    None,
    CannotOpen,      // the file cannot be opened for reading
    CannotCreate,    // the file cannot be created or replaced
    CannotWrite,     // writing or replacing the file failed part-way
    BadText,         // a header is not CP932 text (or, when saving, holds a line break)
    TooManyEntries,  // more entry lines than the move list holds
    BadEntryLine,    // an entry line the entry-line codec refuses
};

struct KifuStatus {
    KifuError error = KifuError::None;
    std::string path;    // the file concerned
    int line = 0;        // 1-based line of the file at fault; 0 when none
    std::string detail;  // the system's reason, or what is wrong in the line
    LineDecode fault;    // what is wrong in the line, when that is the detail
    int entries = 0;     // the entries a record too long to save holds, when that is the detail

    bool ok() const { return error == KifuError::None; }
    explicit operator bool() const { return ok(); }
};

// A message for the player, naming the file, in the given translation (Japanese without one).
std::string describe(const KifuStatus& status, const Translation& translation = {});

// The three header lines from the panel's boxes: the game's name, then the top army's player and
// the bottom army's player. `bottomSide` is +1 when the shogi army (先手) is at the bottom.
KifuHeaders headerLines(const std::string& gameName, const std::string& senteName,
                        const std::string& goteName, rules::SideId bottomSide);

// The marker line of a set-up start, the shogi army (SENTE) or the other (GOTE) to move first.
std::string startMarker(rules::SideId startSide);

// Writes the headers (and, for a set-up start, its marker and entry 0) and entries 1..lastMove of
// `list` to `path`, replacing any file there. On
// failure the old file, if any, is left as it was. A clock of 100000 s or more is written as
// 99999.
KifuStatus save(const std::string& path, const KifuHeaders& headers, const MoveList& list,
                int lastMove);

struct KifuLoad {
    KifuHeaders headers;             // missing header lines are empty
    std::vector<MoveEntry> entries;  // entries 1..N in order
    std::optional<MoveEntry> start;  // entry 0 of a set-up start
    rules::SideId startSide = rules::SENTE;
    // What a pasted record text may tell and a file never does: the number of the start's move
    // and when the game was begun.
    int startMoveNumber = 1;
    std::string startDate;
    KifuStatus status;
};

// Reads and checks the whole file. On failure `headers` and `entries` are empty.
KifuLoad load(const std::string& path);

// Reads a record file's content given as text, as a paste brings it: UTF-8 rather than CP932,
// lines ending with LF or CR LF, checked as a file is. The status names it `name`.
KifuLoad loadText(std::string_view text, const std::string& name);

// Puts a successfully loaded record into the list: entries 1..N, lastMove = N, and the cursors at
// the start. A set-up start becomes entry 0; otherwise entry 0 (the usual start) is the caller's
// and is not touched. The start's move number and date go with the record.
void applyTo(const KifuLoad& loaded, MoveList& list);

}  // namespace record
