// The influence map: which pieces of which army attack which squares.
//
// "own" is the bottom army (negative codes), "enemy" the top army (positive codes). Every grid is
// addressed (x, y) exactly like rules::Board: x = column 1..9 from the left, y = row 1..9 from the
// top; row and column 0 exist and are never used.
//
// The survey (勢力調査) rebuilds the map from the board; it resets the grids listed in
// resetSurveyGrids() and leaves the others (the guard/attacker squares of the top army, the king
// squares, the escape marks) as an earlier survey left them. Readers use those together with the
// code grid beside them and accept that they may be stale. The bottom king's square is not kept
// here: the position holds it (rules::Position::ownKingX/Y).
#pragma once

#include <array>
#include <cstdint>

namespace com {

// A 10×10 grid of small signed values addressed (x, y). Every value the survey and the computer's
// turn keep lies within ±999, so two bytes a square do; the map then fits the cache twice over.
struct InfluenceGrid {
    using Value = std::int16_t;
    std::array<std::array<Value, 10>, 10> v{};

    Value& operator()(int x, int y) { return v[x][y]; }
    int operator()(int x, int y) const { return v[x][y]; }

    constexpr void fill(int value) {
        for (auto& column : v) column.fill(static_cast<Value>(value));
    }
    bool operator==(const InfluenceGrid&) const = default;

    // A grid holding one value everywhere.
    static constexpr InfluenceGrid filled(int value) {
        InfluenceGrid g;
        g.fill(value);
        return g;
    }
};

// Reset values of the grids the survey resets.
constexpr int kNoGuard = 999;          // ownGuard, enemyGuard: no guard recorded
constexpr int kNoOwnAttacker = -999;   // ownAttacker: no bottom attacker recorded
constexpr int kNoEnemyAttacker = 999;  // enemyAttacker: no top attacker recorded
constexpr int kCheckPiece = 9;         // check mark: a piece attacking the other army's king
constexpr int kCheckLine = 1;          // check mark: a square between a slider and that king

struct InfluenceMap {
    // Attacks by bottom / top pieces on the square, whatever stands there. Reset 0.
    InfluenceGrid ownAttacks;
    InfluenceGrid enemyAttacks;

    // On a square holding a bottom piece: the lowest code among the bottom pieces attacking it
    // (the most valuable guard). Reset 999.
    InfluenceGrid ownGuard;
    // On a square holding a top piece: the lowest code among the top pieces attacking it (the
    // cheapest guard). Reset 999.
    InfluenceGrid enemyGuard;
    // Square of the guard in enemyGuard, for the registrations that record it. Never reset.
    InfluenceGrid enemyGuardX;
    InfluenceGrid enemyGuardY;

    // On a square holding a top piece: number of bottom attacks on it. Reset 0.
    InfluenceGrid ownHits;
    // On a square holding a top piece: the highest code (the cheapest piece) among the bottom
    // pieces attacking it. Reset -999.
    InfluenceGrid ownAttacker;
    // Square of the attacker in ownAttacker. Reset 0.
    InfluenceGrid ownAttackerX;
    InfluenceGrid ownAttackerY;

    // On a square holding a bottom piece: the lowest code (the cheapest piece) among the top
    // pieces attacking it, for the kinds that record it. Reset 999.
    InfluenceGrid enemyAttacker;
    // Square of the attacker in enemyAttacker, for the registrations that record it. Never reset.
    InfluenceGrid enemyAttackerX;
    InfluenceGrid enemyAttackerY;

    // 9 on the square of every bottom piece attacking the top king; 1 on every square strictly
    // between a bottom slider and the top king it attacks; a bottom 桂 checking also puts 9 on the
    // king's square. Reset 0.
    InfluenceGrid ownCheck;
    // The same for top pieces attacking the bottom king. Reset 0.
    InfluenceGrid enemyCheck;

    // 1 on each escape square of the bottom king counted by 調査_自王逃道. Never cleared by the
    // survey nor by 調査_自王逃道; the computer's turn clears it.
    InfluenceGrid ownKingEscapeMarks;

    // King squares, overwritten whenever the survey meets that king, never reset by it.
    int enemyKingX = 0;  // the top army's 王
    int enemyKingY = 0;
    int ownGeneralX = 0;  // the bottom army's 将
    int ownGeneralY = 0;
    int enemyGeneralX = 0;  // the top army's 将
    int enemyGeneralY = 0;

    // Step 1 of the survey: the grids that describe only the current board. Copied from grids
    // filled once, which is several times quicker than filling them square by square.
    void resetSurveyGrids() {
        static constexpr InfluenceGrid kZero = InfluenceGrid::filled(0);
        static constexpr InfluenceGrid kNoOwn = InfluenceGrid::filled(kNoOwnAttacker);
        static constexpr InfluenceGrid kNoEnemy = InfluenceGrid::filled(kNoEnemyAttacker);
        static constexpr InfluenceGrid kNone = InfluenceGrid::filled(kNoGuard);
        ownAttacks = kZero;
        enemyAttacks = kZero;
        ownHits = kZero;
        ownCheck = kZero;
        enemyCheck = kZero;
        ownAttackerX = kZero;
        ownAttackerY = kZero;
        ownAttacker = kNoOwn;
        enemyAttacker = kNoEnemy;
        ownGuard = kNone;
        enemyGuard = kNone;
    }

    // Everything to 0, as at load: also the never-reset grids and the king squares kept here.
    void clearAll() { *this = InfluenceMap{}; }

    bool operator==(const InfluenceMap&) const = default;
};

}  // namespace com
