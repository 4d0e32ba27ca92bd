// What must hold after every event of the soak: the pieces all accounted for, the board and the
// hands well formed, the record's cursors in range and its entries changed only where a move, a
// reset, a handicap step, a flip or a load may change them, the side to move the one the record
// gives, every message box one the game shows, and the sound library used as it was opened.
#pragma once

#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "record/move_list.h"
#include "soak/events.h"
#include "soak/soak_rig.h"

namespace soak {

// Pieces by hand index 1..13 (a promoted piece counts as its unpromoted kind), kings apart.
struct PieceTally {
    std::array<int, rules::kHandSize + 1> kinds{};
    int 王 = 0;
    int 将 = 0;
    int total() const;
    bool operator==(const PieceTally&) const = default;
};

// The board's pieces and both hands.
PieceTally tally(const rules::Board& board, const rules::Hand& own, const rules::Hand& enemy);
std::string describe(const PieceTally& t);

class Checker {
  public:
    // Takes the state of a game program that has just loaded.
    explicit Checker(const SoakRig& rig);

    // Before each event: what the event may be compared with.
    void before(const SoakRig& rig);
    // After it: every fault found, as sentences (empty when all holds).
    std::vector<std::string> after(const SoakRig& rig, const Event& e);
    // At the end of a game whose program ended: the sounds were freed and the library closed.
    std::vector<std::string> atEnd(const SoakRig& rig);

  private:
    struct SavedRecord {
        std::vector<record::MoveEntry> entries;  // 1..N
        std::vector<PieceTally> tallies;
    };

    void checkPosition(const SoakRig& rig, std::vector<std::string>& faults) const;
    void checkState(const SoakRig& rig, const Event& e, std::vector<std::string>& faults) const;
    void checkEntries(const SoakRig& rig, const Event& e, bool loaded,
                      std::vector<std::string>& faults);
    void checkStart(const SoakRig& rig, std::vector<std::string>& faults);
    void checkBoxes(const SoakRig& rig, const Event& e, std::vector<std::string>& faults) const;
    void checkSounds(const SoakRig& rig, std::vector<std::string>& faults);
    bool savedNow(const SoakRig& rig, const Event& e, std::vector<std::string>& faults);
    bool loadedNow(const SoakRig& rig, const Event& e, std::vector<std::string>& faults);

    std::unique_ptr<record::MoveList> before_;
    std::array<PieceTally, record::kMaxEntry + 1> ledger_{};
    std::map<std::string, SavedRecord> saved_;
    std::size_t boxesBefore_ = 0;
    std::size_t soundsBefore_ = 0;
    bool terminated_ = false;
};

}  // namespace soak
