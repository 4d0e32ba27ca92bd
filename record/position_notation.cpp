#include "record/position_notation.h"

#include <cctype>
#include <vector>

#include "record/entry_position.h"
#include "record/position_fault_text.h"
#include "rules/board_flip.h"
#include "rules/pawn_files.h"

namespace record {

namespace {

using namespace rules;

// The letter of each kind, as the shogi army's piece (upper case); a promoted shogi kind is its
// unpromoted letter after '+'.
constexpr char kLetters[kind::count + 1] = {0,   'P', 'P', 'Z', 'L', 'L', 'N', 'N', 'J', 'S', 'S',
                                            'H', 'E', 'G', 'B', 'B', 'R', 'R', 'A', 'C', 'K', 'X'};
constexpr bool isPromoted(int k) {
    return k == kind::と || k == kind::香成 || k == kind::桂成 || k == kind::銀成 ||
           k == kind::角成 || k == kind::飛成;
}
// Kinds by hand index in the order hands are written: the shogi kinds strongest first, then the
// Chinese kinds.
constexpr int kHandOrder[kHandSize] = {
    hand::kRook,  hand::kBishop,  hand::kGold,   hand::kSilver,   hand::kKnight,
    hand::kLance, hand::kPawn,    hand::kCannon, hand::kElephant, hand::kAdvisor,
    hand::kHorse, hand::kChariot, hand::kSoldier};

// The unpromoted kind a letter names (either case), 0 for none.
int kindOfLetter(char c) {
    const char up = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (int k = 1; k <= kind::count; ++k)
        if (kLetters[k] == up && !isPromoted(k)) return k;
    return 0;
}

int promotedOf(int k) {
    for (int p = 1; p <= kind::count; ++p)
        if (isPromoted(p) && kLetters[p] == kLetters[k]) return p;
    return 0;
}

char letterOf(PieceCode c, bool shogiArmy) {
    const char up = kLetters[magnitude(c)];
    return shogiArmy ? up : static_cast<char>(std::tolower(static_cast<unsigned char>(up)));
}

void writeHand(std::string& out, const Hand& h, bool shogiArmy) {
    for (const int i : kHandOrder) {
        if (h[i] <= 0) continue;
        if (h[i] > 1) out += std::to_string(h[i]);
        out += letterOf(kHandKind[i], shogiArmy);
    }
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The text's characters counted from 1 up to byte `at` (UTF-8 lead bytes only).
int columnOf(std::string_view text, std::size_t at) {
    int column = 1;
    for (std::size_t i = 0; i < at && i < text.size(); ++i)
        column += (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
    return column;
}

struct Field {
    std::string_view text;
    std::size_t at = 0;  // byte offset in the whole text
};

class Reader {
  public:
    explicit Reader(std::string_view text) : text_(text) {}

    NotationRead read() {
        std::vector<Field> fields;
        for (std::size_t i = 0; i < text_.size();) {
            while (i < text_.size() && isBlank(text_[i])) ++i;
            const std::size_t start = i;
            while (i < text_.size() && !isBlank(text_[i])) ++i;
            if (i > start) fields.push_back({text_.substr(start, i - start), start});
        }
        if (fields.empty()) return fail(NotationError::Empty, 0);
        NotationPosition& v = result_.value;
        v.position.bottomSide = SENTE;
        v.position.topSide = GOTE;
        if (!readBoard(fields[0])) return result_;
        if (fields.size() < 2) return fail(NotationError::BadSide, text_.size());
        if (fields[1].text == "b") {
            v.sideToMove = SENTE;
        } else if (fields[1].text == "w") {
            v.sideToMove = GOTE;
        } else {
            return fail(NotationError::BadSide, fields[1].at);
        }
        if (fields.size() < 3) return fail(NotationError::BadHand, text_.size());
        if (!readHands(fields[2])) return result_;
        if (fields.size() >= 4 && !readMoveNumber(fields[3])) return result_;
        if (fields.size() >= 5) return fail(NotationError::Extra, fields[4].at);
        return finish();
    }

  private:
    NotationRead fail(NotationError e, std::size_t at) {
        result_.error = e;
        result_.column = columnOf(text_, at);
        return result_;
    }

    bool readBoard(const Field& f) {
        Board& b = result_.value.position.board;
        int x = 1, y = 1;
        bool promoted = false;
        for (std::size_t i = 0; i < f.text.size(); ++i) {
            const char c = f.text[i];
            const std::size_t at = f.at + i;
            if (c == '/') {
                if (promoted || x != 10) return rowFault(y, at);
                if (++y > 9) return fail(NotationError::BadRows, at), false;
                x = 1;
            } else if (c >= '1' && c <= '9' && !promoted) {
                x += c - '0';
                if (x > 10) return rowFault(y, at);
            } else if (c == '+' && !promoted) {
                promoted = true;
            } else {
                int k = kindOfLetter(c);
                if (promoted && k != 0) k = promotedOf(k);
                if (k == 0) return fail(NotationError::BadPiece, at), false;
                if (x > 9) return rowFault(y, at);
                const bool shogiArmy = std::isupper(static_cast<unsigned char>(c)) != 0;
                b(x++, y) = shogiArmy ? -k : k;
                promoted = false;
            }
        }
        const std::size_t end = f.at + f.text.size();
        if (promoted) return fail(NotationError::BadPiece, end), false;
        if (y != 9) return fail(NotationError::BadRows, end), false;
        if (x != 10) return rowFault(y, end);
        return true;
    }

    bool rowFault(int y, std::size_t at) {
        result_.row = y;
        fail(NotationError::RowLength, at);
        return false;
    }

    bool readHands(const Field& f) {
        if (f.text == "-") return true;
        Position& p = result_.value.position;
        for (std::size_t i = 0; i < f.text.size();) {
            const std::size_t start = i;
            int count = 0;
            while (i < f.text.size() && f.text[i] >= '0' && f.text[i] <= '9' && count < 100)
                count = count * 10 + (f.text[i++] - '0');
            if (i == start) count = 1;
            const int k = i < f.text.size() ? kindOfLetter(f.text[i]) : 0;
            const int index = handIndexOfKind(k);
            if (index == 0 || count < 1 || count > 99 || k != kHandKind[index])
                return fail(NotationError::BadHand, f.at + start), false;
            const bool shogiArmy = std::isupper(static_cast<unsigned char>(f.text[i])) != 0;
            int& held = (shogiArmy ? p.ownHand : p.enemyHand)[index];
            if (held != 0) return fail(NotationError::BadHand, f.at + start), false;
            held = count;
            ++i;
        }
        return true;
    }

    bool readMoveNumber(const Field& f) {
        int n = 0;
        for (const char c : f.text) {
            if (c < '0' || c > '9' || n > 999)
                return fail(NotationError::BadMoveNumber, f.at), false;
            n = n * 10 + (c - '0');
        }
        if (n < 1) return fail(NotationError::BadMoveNumber, f.at), false;
        result_.value.moveNumber = n;
        return true;
    }

    NotationRead finish() {
        Position& p = result_.value.position;
        result_.fault = checkPosition(p, result_.value.sideToMove);
        if (!result_.fault.ok()) {
            NotationRead r;
            r.error = NotationError::Position;
            r.fault = result_.fault;
            return r;
        }
        // The totals, the armies' ends and the king's square as a recorded entry gives them.
        p = positionOfEntry(MoveEntry{p.board, p.ownHand, p.enemyHand});
        調査_2歩フラグ設定(p);
        return result_;
    }

    std::string_view text_;
    NotationRead result_;
};

}  // namespace

std::string positionToNotation(const Position& pos, SideId sideToMove, int moveNumber) {
    Position p = pos;
    if (p.bottomSide != SENTE) flipPosition(p);
    std::string out;
    for (int y = 1; y <= 9; ++y) {
        if (y > 1) out += '/';
        int empty = 0;
        for (int x = 1; x <= 9; ++x) {
            const PieceCode c = p.board(x, y);
            if (c == 空) {
                ++empty;
                continue;
            }
            if (empty > 0) out += static_cast<char>('0' + empty);
            empty = 0;
            if (isPromoted(magnitude(c))) out += '+';
            out += letterOf(c, isBottom(c));
        }
        if (empty > 0) out += static_cast<char>('0' + empty);
    }
    out += sideToMove == GOTE ? " w " : " b ";
    const std::size_t handsAt = out.size();
    writeHand(out, p.ownHand, true);
    writeHand(out, p.enemyHand, false);
    if (out.size() == handsAt) out += '-';
    return out + ' ' + std::to_string(moveNumber);
}

NotationRead readNotation(std::string_view text) {
    NotationRead r = Reader(text).read();
    if (!r.ok()) r.value = {};
    return r;
}

std::string describe(const NotationRead& r, const Translation& tr) {
    const char* what = "";
    switch (r.error) {
        case NotationError::None:
            return "";
        case NotationError::Position:
            return describe(r.fault, tr);
        case NotationError::Empty:
            return textOf(tr, "Notation", KZ_TEXT("Notation", "局面の表記がありません"));
        case NotationError::BadRows:
            what = KZ_TEXT("Notation", "盤面が'/'で区切った9段になっていません");
            break;
        case NotationError::BadPiece:
            what = KZ_TEXT("Notation", "駒を表さない文字があります");
            break;
        case NotationError::RowLength:
            what = KZ_TEXT("Notation", "%1段目が9マスになっていません");
            break;
        case NotationError::BadSide:
            what = KZ_TEXT("Notation", "手番は b か w で書いて下さい");
            break;
        case NotationError::BadHand:
            what = KZ_TEXT("Notation", "持駒が正しく書かれていません");
            break;
        case NotationError::BadMoveNumber:
            what = KZ_TEXT("Notation", "手数は1から9999までの数で書いて下さい");
            break;
        case NotationError::Extra:
            what = KZ_TEXT("Notation", "手数の後に余分な文字があります");
            break;
    }
    const std::string detail = fillIn(textOf(tr, "Notation", what), {std::to_string(r.row)});
    return fillIn(textOf(tr, "Notation", KZ_TEXT("Notation", "%1文字目: %2")),
                  {std::to_string(r.column), detail});
}

}  // namespace record
