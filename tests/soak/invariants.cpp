#include "soak/invariants.h"

#include <cmath>
#include <sstream>

#include "record/entry_line.h"
#include "record/kifu_file.h"
#include "rules/move_destination.h"
#include "rules/setup.h"
#include "view/layout.h"

namespace soak {

namespace {

// The starting position's pieces by hand index: 卒 車 馬 士 象 砲 歩 香 桂 銀 金 角 飛.
constexpr std::array<int, rules::kHandSize + 1> kStartKinds = {0, 5, 2, 2, 2, 2, 2,
                                                               9, 2, 2, 2, 2, 1, 1};
constexpr int kStartPieces = 34;  // the kings apart

std::string at(int x, int y) {
    // Appended piece by piece: GCC 12 at -O3 sees a false overlap in "(" + text.
    std::string text = "(";
    text += std::to_string(x);
    text += ',';
    text += std::to_string(y);
    text += ')';
    return text;
}

bool wellFormedBoard(const rules::Board& b, std::string& why) {
    for (int x = 0; x <= 9; ++x) {
        for (int y = 0; y <= 9; ++y) {
            const rules::PieceCode c = b.sq[x][y];
            if (!rules::Board::onBoard(x, y)) {
                if (c != rules::空) {
                    why = "the unused cell " + at(x, y) + " holds " + std::to_string(c);
                    return false;
                }
            } else if (!rules::isValidCode(c)) {
                why = "square " + at(x, y) + " holds the code " + std::to_string(c);
                return false;
            }
        }
    }
    return true;
}

bool wellFormedHand(const rules::Hand& h, const char* name, std::string& why) {
    if (h[0] != 0) {
        why = std::string(name) + "[0] is " + std::to_string(h[0]);
        return false;
    }
    for (int k = 1; k <= rules::kHandSize; ++k) {
        if (h[k] < 0 || h[k] > kStartKinds[k]) {
            why = std::string(name) + "[" + std::to_string(k) + "] is " + std::to_string(h[k]);
            return false;
        }
    }
    return true;
}

// A clock as the record file keeps it: whole seconds, at most five digits.
double asFiled(double seconds) {
    if (seconds >= record::kMaxClockField) return record::kMaxClockField;
    return std::trunc(seconds);
}

bool sameAsFiled(const record::MoveEntry& kept, const record::MoveEntry& read) {
    return kept.boardAt == read.boardAt && kept.ownHandAt == read.ownHandAt &&
           kept.enemyHandAt == read.enemyHandAt &&
           asFiled(kept.bottomBefore) == read.bottomBefore &&
           asFiled(kept.bottomAfter) == read.bottomAfter &&
           asFiled(kept.topBefore) == read.topBefore && asFiled(kept.topAfter) == read.topAfter;
}

bool finiteClock(double v) {
    return std::isfinite(v) && v >= 0;
}

// The boxes shown during the event.
bool showed(const SoakRig& rig, std::size_t from, const std::string& text) {
    for (std::size_t i = from; i < rig.dialogs.shown.size(); ++i)
        if (rig.dialogs.shown[i].text == text) return true;
    return false;
}

// A drop from a stand that presses may not take up, as the move from one entry to the next
// shows it (empty when the move was no such drop).
std::string closedStandDrop(const SoakRig& rig, const record::MoveEntry& before,
                            const record::MoveEntry& after) {
    const flow::Game& g = *rig.game;
    if (g.options().chineseDrops) return "";
    const rules::SideId bottom = g.position().bottomSide;
    for (int k = 1; k <= rules::kHandSize; ++k) {
        if (after.ownHandAt[k] < before.ownHandAt[k] &&
            !(bottom == rules::SENTE && k <= rules::hand::kLastChinese)) {
            return "the bottom army dropped from cell " + std::to_string(k) +
                   " with Chinese drops off";
        }
        if (after.enemyHandAt[k] < before.enemyHandAt[k] && bottom == rules::SENTE) {
            return "the Chinese army on top dropped with Chinese drops off";
        }
    }
    return "";
}

}  // namespace

int PieceTally::total() const {
    int t = 0;
    for (int k = 1; k <= rules::kHandSize; ++k) t += kinds[k];
    return t;
}

PieceTally tally(const rules::Board& board, const rules::Hand& own, const rules::Hand& enemy) {
    PieceTally t;
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            const int k = rules::magnitude(board(x, y));
            if (k == rules::kind::王) {
                ++t.王;
            } else if (k == rules::kind::将) {
                ++t.将;
            } else if (rules::isKind(k)) {
                ++t.kinds[rules::handIndexOfKind(k)];
            }
        }
    }
    for (int k = 1; k <= rules::kHandSize; ++k) t.kinds[k] += own[k] + enemy[k];
    return t;
}

std::string describe(const PieceTally& t) {
    std::ostringstream out;
    out << "[";
    for (int k = 1; k <= rules::kHandSize; ++k) out << (k > 1 ? " " : "") << t.kinds[k];
    out << "] 王" << t.王 << " 将" << t.将;
    return out.str();
}

Checker::Checker(const SoakRig& rig) : before_(std::make_unique<record::MoveList>()) {
    const record::MoveEntry& start = rig.game->moves()[0];
    ledger_[0] = tally(start.boardAt, start.ownHandAt, start.enemyHandAt);
    *before_ = rig.game->moves();
    boxesBefore_ = rig.dialogs.shown.size();
    soundsBefore_ = rig.sound.calls.size();
}

void Checker::before(const SoakRig& rig) {
    *before_ = rig.game->moves();
    boxesBefore_ = rig.dialogs.shown.size();
    soundsBefore_ = rig.sound.calls.size();
}

std::vector<std::string> Checker::after(const SoakRig& rig, const Event& e) {
    std::vector<std::string> faults;
    checkBoxes(rig, e, faults);
    checkSounds(rig, faults);
    savedNow(rig, e, faults);
    const bool loaded = loadedNow(rig, e, faults);
    checkEntries(rig, e, loaded, faults);
    checkState(rig, e, faults);
    checkPosition(rig, faults);
    return faults;
}

std::vector<std::string> Checker::atEnd(const SoakRig& rig) {
    std::vector<std::string> faults;
    if (rig.sound.argsOf("dsFree").size() != 6)
        faults.push_back("the six sounds were not all freed");
    if (rig.sound.argsOf("dsTerminate").size() != 1)
        faults.push_back("the sound library was not closed once");
    return faults;
}

void Checker::checkPosition(const SoakRig& rig, std::vector<std::string>& faults) const {
    const flow::Game& g = *rig.game;
    const rules::Position& p = g.position();
    const record::MoveList& m = g.moves();
    std::string why;
    if (!wellFormedBoard(p.board, why)) faults.push_back("board: " + why);
    if (!wellFormedHand(p.ownHand, "ownHand", why)) faults.push_back("hand: " + why);
    if (!wellFormedHand(p.enemyHand, "enemyHand", why)) faults.push_back("hand: " + why);

    // Every piece is on the board, in a hand, or is a king that was taken.
    const PieceTally now = tally(p.board, p.ownHand, p.enemyHand);
    const int n = m.currentMove;
    if (n >= 0 && n <= record::kMaxEntry) {
        const PieceTally& want = ledger_[n];
        if (now.kinds != want.kinds) {
            faults.push_back("pieces on the board and in hand " + describe(now) +
                             " differ from the game's " + describe(want) + " at entry " +
                             std::to_string(n));
        }
    }
    if (now.王 > 1 || now.将 > 1) faults.push_back("a king twice on the board: " + describe(now));

    // The totals count the hands, and a taken king in the captor's total.
    const int ownExtra = p.ownHandTotal - rules::handSum(p.ownHand);
    const int enemyExtra = p.enemyHandTotal - rules::handSum(p.enemyHand);
    bool topKing = false, bottomKing = false;
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            const rules::PieceCode c = p.board(x, y);
            if (!rules::isKingKind(rules::magnitude(c))) continue;
            (rules::isTop(c) ? topKing : bottomKing) = true;
        }
    }
    if (!(ownExtra == 0 || (ownExtra == 1 && !topKing))) {
        faults.push_back("ownHandTotal " + std::to_string(p.ownHandTotal) + " but the hand holds " +
                         std::to_string(rules::handSum(p.ownHand)));
    }
    if (!(enemyExtra == 0 || (enemyExtra == 1 && !bottomKing))) {
        faults.push_back("enemyHandTotal " + std::to_string(p.enemyHandTotal) +
                         " but the hand holds " + std::to_string(rules::handSum(p.enemyHand)));
    }

    // The screen shows the record's current entry.
    if (n >= 0 && n <= record::kMaxEntry) {
        const record::MoveEntry& e = m[n];
        if (!(e.boardAt == p.board)) {
            faults.push_back("the board differs from entry " + std::to_string(n));
        } else if (e.ownHandAt != p.ownHand || e.enemyHandAt != p.enemyHand) {
            faults.push_back("the hands differ from entry " + std::to_string(n) + ": shown " +
                             describe(tally({}, p.ownHand, {})) + " / " +
                             describe(tally({}, {}, p.enemyHand)) + ", recorded " +
                             describe(tally({}, e.ownHandAt, {})) + " / " +
                             describe(tally({}, {}, e.enemyHandAt)));
        }
    }

    // A selection points at its piece.
    const flow::GameState& s = g.state();
    if (s.selectState) {
        const flow::SelectionFrom from =
            s.fromX == rules::kBottomHandX ? flow::SelectionFrom::BottomStand
            : s.fromX == rules::kTopHandX  ? flow::SelectionFrom::TopStand
                                           : flow::SelectionFrom::Board;
        if (s.from != from)
            faults.push_back("the selection " + at(s.fromX, s.fromY) + " names another origin");
        if (rules::Board::onBoard(s.fromX, s.fromY)) {
            if (p.board(s.fromX, s.fromY) != s.movePiece) {
                faults.push_back("the selection " + at(s.fromX, s.fromY) + " holds " +
                                 std::to_string(p.board(s.fromX, s.fromY)) + ", not the selected " +
                                 std::to_string(s.movePiece));
            }
        } else if (s.fromX == rules::kBottomHandX) {
            const int k = s.fromY;
            if (k < 1 || k > rules::kHandSize || p.ownHand[k] <= 0 ||
                s.movePiece != -rules::kHandKind[k]) {
                faults.push_back("the bottom stand selection " + std::to_string(k) + " is empty");
            }
        } else if (s.fromX == rules::kTopHandX) {
            const int k = view::topStandCell(s.fromY);
            if (k < 1 || k > rules::kHandSize || p.enemyHand[k] <= 0 ||
                s.movePiece != rules::kHandKind[k]) {
                faults.push_back("the top stand selection " + std::to_string(k) + " is empty");
            }
        } else {
            faults.push_back("a selection off the board and the stands " + at(s.fromX, s.fromY));
        }
    }
}

void Checker::checkState(const SoakRig& rig, const Event& e,
                         std::vector<std::string>& faults) const {
    const flow::Game& g = *rig.game;
    const flow::GameState& s = g.state();
    const record::MoveList& m = g.moves();
    const rules::Position& p = g.position();
    auto bad = [&](const std::string& what) { faults.push_back(what); };

    if (m.currentMove < 0 || m.currentMove > record::kMaxEntry || m.lastMove < 0 ||
        m.lastMove > record::kMaxEntry || m.currentMove > m.lastMove) {
        bad("cursors out of order: currentMove " + std::to_string(m.currentMove) + ", lastMove " +
            std::to_string(m.lastMove));
    }
    if (m.moveCount != m.currentMove) {
        bad("moveCount " + std::to_string(m.moveCount) + " but currentMove " +
            std::to_string(m.currentMove));
    }
    if (s.sideToMove < -1 || s.sideToMove > 1) bad("sideToMove " + std::to_string(s.sideToMove));
    if (s.gameMode != flow::GameMode::TwoHumans && s.gameMode != flow::GameMode::AgainstComputer)
        bad("gameMode " + std::to_string(static_cast<int>(s.gameMode)));
    if (s.comLevel < 1 || s.comLevel > 3) bad("comLevel " + std::to_string(s.comLevel));
    if (s.handicapGrade < -10 || s.handicapGrade > 10)
        bad("handicapGrade " + std::to_string(s.handicapGrade));
    if (!(p.bottomSide == -p.topSide && (p.bottomSide == 1 || p.bottomSide == -1)))
        bad("bottomSide " + std::to_string(p.bottomSide) + ", topSide " +
            std::to_string(p.topSide));
    const flow::ClockTimes& t = g.clocks().times();
    if (!finiteClock(t.bottomClock) || !finiteClock(t.topClock) || !finiteClock(t.turnSeconds))
        bad("a clock is negative or not a number");

    // While a game runs the side to move is the one the record gives. (A program that is
    // ending keeps the state its last game left.)
    if (!g.shutDown() && s.sideToMove != 0 && !s.resumePending && m.currentMove >= 0 &&
        m.currentMove <= record::kMaxEntry) {
        rules::Position sides;
        const rules::SideId want = sideForNextPress(g, sides);
        if (want != s.sideToMove) {
            // Which move of the record tells, as the press would read it.
            const int n = m.currentMove;
            int x = 0, y = 0;
            rules::PieceCode moved = 0;
            if (n > 0) rules::調査_移動結果(m[n - 1].boardAt, m[n].boardAt, x, y, moved);
            bad("sideToMove " + std::to_string(s.sideToMove) + " but the record gives " +
                std::to_string(want) + " (entry " + std::to_string(n) + ": " +
                std::to_string(moved) + " on " + at(x, y) + "; bottomSide " +
                std::to_string(p.bottomSide) + ")");
        }
        // Against the computer the human is to move once a press or the start of the game is
        // over, unless the record is full and the computer could not move. (After stepping or
        // turning the board the computer moves at the next press.)
        const bool turnTaken = e.kind == Event::Kind::Press ||
                               (e.kind == Event::Kind::Command && e.command == Command::Start2);
        if (turnTaken && s.gameMode == flow::GameMode::AgainstComputer && !s.kifuMode &&
            s.sideToMove == p.topSide && !rig.game->shutDown() &&
            m.currentMove < record::kMaxEntry) {
            bad("the computer is to move but did not");
        }
    }
}

void Checker::checkStart(const SoakRig& rig, std::vector<std::string>& faults) {
    const record::MoveEntry& e = rig.game->moves()[0];
    const PieceTally t = tally(e.boardAt, e.ownHandAt, e.enemyHandAt);
    const int grade = rig.game->state().handicapGrade;
    std::string why;
    if (!wellFormedBoard(e.boardAt, why)) faults.push_back("start entry: " + why);
    if (t.王 != 1 || t.将 != 1) faults.push_back("the start entry lacks a king: " + describe(t));
    for (int k = 1; k <= rules::kHandSize; ++k) {
        if (t.kinds[k] > kStartKinds[k])
            faults.push_back("the start entry has too many pieces: " + describe(t));
    }
    if (t.total() != kStartPieces - std::abs(grade)) {
        faults.push_back("the start entry holds " + std::to_string(t.total()) +
                         " pieces besides the kings at handicap grade " + std::to_string(grade));
    }
    ledger_[0] = t;
}

void Checker::checkEntries(const SoakRig& rig, const Event& e, bool loaded,
                           std::vector<std::string>& faults) {
    const record::MoveList& m = rig.game->moves();
    const int oldCurrent = before_->currentMove;
    const bool flip = e.kind == Event::Kind::Command && e.command == Command::Reverse;
    const int loadedUpTo = loaded ? m.lastMove : 0;
    for (int n = 1; n <= record::kMaxEntry; ++n) {
        if (m[n] == (*before_)[n] || n <= loadedUpTo) continue;
        const PieceTally t = tally(m[n].boardAt, m[n].ownHandAt, m[n].enemyHandAt);
        std::string why;
        if (!wellFormedBoard(m[n].boardAt, why))
            faults.push_back("entry " + std::to_string(n) + ": " + why);
        if (flip) {
            // The whole record turns with the board; no piece changes its kind.
            if (t.kinds != ledger_[n].kinds) {
                faults.push_back("the flip changed the pieces of entry " + std::to_string(n));
            }
        } else if (!loaded && n > oldCurrent) {
            // A move recorded now: its pieces are those of the entry before.
            const std::string closed = closedStandDrop(rig, m[n - 1], m[n]);
            if (!closed.empty()) faults.push_back("entry " + std::to_string(n) + ": " + closed);
            ledger_[n] = ledger_[n - 1];
            if (t.kinds != ledger_[n].kinds || t.王 > 1 || t.将 > 1) {
                faults.push_back("the move recorded as entry " + std::to_string(n) + " leaves " +
                                 describe(t) + " where entry " + std::to_string(n - 1) + " had " +
                                 describe(ledger_[n - 1]));
            }
        } else {
            faults.push_back("entry " + std::to_string(n) + " changed (currentMove was " +
                             std::to_string(oldCurrent) + ")");
        }
    }
    if (!(m[0] == (*before_)[0])) checkStart(rig, faults);
}

void Checker::checkBoxes(const SoakRig& rig, const Event& e,
                         std::vector<std::string>& faults) const {
    for (std::size_t i = boxesBefore_; i < rig.dialogs.shown.size(); ++i) {
        const AutoDialogs::Box& b = rig.dialogs.shown[i];
        if (b.afterEnd)
            faults.push_back("a box after the program was told to end: \"" + b.text + "\"");
        const std::string why = unknownBox(b);
        if (why.empty()) continue;
        const bool badHeader = e.kind == Event::Kind::Save && e.badText && b.title == "棋譜保存" &&
                               b.text.find("の文字が正しくありません") != std::string::npos;
        const bool missing = e.kind == Event::Kind::Load && e.missingFile && b.title == "棋譜" &&
                             b.text.rfind("棋譜ﾌｧｲﾙを開けません", 0) == 0;
        if (badHeader || missing) continue;
        faults.push_back(why + ": \"" + b.text + "\" (title \"" + b.title + "\")");
    }
}

void Checker::checkSounds(const SoakRig& rig, std::vector<std::string>& faults) {
    constexpr int kFirst = testsupport::FakeSoundLibrary::kFirstId;
    for (std::size_t i = soundsBefore_; i < rig.sound.calls.size(); ++i) {
        const testsupport::FakeSoundLibrary::Call& c = rig.sound.calls[i];
        if (terminated_) faults.push_back(c.name + " after the library was closed");
        if (c.name == "dsInitialize" || c.name == "dsCreateDSB") {
            faults.push_back(c.name + " after start-up");
        } else if (c.name == "dsTerminate") {
            terminated_ = true;
        } else if (c.arg < kFirst || c.arg >= kFirst + 6) {
            faults.push_back(c.name + " of the unknown buffer " + std::to_string(c.arg));
        }
    }
    soundsBefore_ = rig.sound.calls.size();
}

bool Checker::savedNow(const SoakRig& rig, const Event& e, std::vector<std::string>& faults) {
    if (e.kind != Event::Kind::Save || !showed(rig, boxesBefore_, "棋譜を書き込みました"))
        return false;
    const record::MoveList& m = rig.game->moves();
    const std::string name = e.fileName + record::kKifuExtension;
    const std::string bytes = rig.folder.read(name);  // empty when it cannot be read
    int lines = 0;
    for (std::size_t i = 0; i + 1 < bytes.size(); ++i)
        if (bytes[i] == '\r' && bytes[i + 1] == '\n') ++lines;
    if (lines != m.lastMove + 3) {
        faults.push_back("the saved record " + name + " has " + std::to_string(lines) +
                         " lines for " + std::to_string(m.lastMove) + " moves");
    }
    SavedRecord& r = saved_[name];
    r.entries.assign(m.entries.begin() + 1, m.entries.begin() + 1 + m.lastMove);
    r.tallies.assign(ledger_.begin() + 1, ledger_.begin() + 1 + m.lastMove);
    return true;
}

bool Checker::loadedNow(const SoakRig& rig, const Event& e, std::vector<std::string>& faults) {
    if (e.kind != Event::Kind::Load) return false;
    if (!showed(rig, boxesBefore_, " 読み込みました") &&
        !showed(rig, boxesBefore_, "棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません")) {
        return false;
    }
    const record::MoveList& m = rig.game->moves();
    const auto it = saved_.find(e.fileName);
    if (it == saved_.end()) {
        faults.push_back("loaded " + e.fileName + ", which was never saved");
        return true;
    }
    const SavedRecord& r = it->second;
    if (static_cast<int>(r.entries.size()) != m.lastMove) {
        faults.push_back("loaded " + std::to_string(m.lastMove) + " moves of " + e.fileName +
                         ", saved " + std::to_string(r.entries.size()));
        return true;
    }
    for (int n = 1; n <= m.lastMove; ++n) {
        if (!sameAsFiled(r.entries[n - 1], m[n])) {
            faults.push_back("entry " + std::to_string(n) + " of " + e.fileName +
                             " reads back differently");
        }
        ledger_[n] = r.tallies[n - 1];
    }
    return true;
}

}  // namespace soak
