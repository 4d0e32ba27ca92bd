#include "record/record_text.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "record/notation.h"
#include "rules/board_flip.h"
#include "rules/make_move.h"
#include "rules/move_destination.h"
#include "rules/move_list.h"
#include "rules/pawn_files.h"
#include "rules/setup.h"

namespace record {

namespace {

using namespace rules;

const std::string kColon = "：";
const std::string kMovesHeading = "手数----指手---------消費時間--";
// The result line of a game lost on time: "まで12手で時間切れにより先手の勝ち".
const std::string kTimeLoss = "時間切れにより";
const char* const kFileDigits[10] = {"", "１", "２", "３", "４", "５", "６", "７", "８", "９"};
const char* const kRankNumerals[10] = {"", "一", "二", "三", "四", "五", "六", "七", "八", "九"};
constexpr int kPromotes[][2] = {{kind::歩, kind::と},   {kind::香, kind::香成},
                                {kind::桂, kind::桂成}, {kind::銀, kind::銀成},
                                {kind::角, kind::角成}, {kind::飛, kind::飛成}};

// An entry as the shogi army sees it from the bottom, its clocks given to the armies.
struct Seen {
    Position pos;
    double senteBefore = 0, senteAfter = 0, goteBefore = 0, goteAfter = 0;
};

Seen seenFromSente(const MoveEntry& e) {
    Seen s;
    s.pos.board = e.boardAt;
    s.pos.ownHand = e.ownHandAt;
    s.pos.enemyHand = e.enemyHandAt;
    const bool turned = wayUp(e.boardAt) == -1;
    if (turned) flipPosition(s.pos);
    s.senteBefore = turned ? e.topBefore : e.bottomBefore;
    s.senteAfter = turned ? e.topAfter : e.bottomAfter;
    s.goteBefore = turned ? e.bottomBefore : e.topBefore;
    s.goteAfter = turned ? e.bottomAfter : e.topAfter;
    return s;
}

bool isUsualStart(const Position& p) {
    Position start;
    layOutStartPosition(start);
    return p.board == start.board && p.ownHand == start.ownHand && p.enemyHand == start.enemyHand;
}

// The move from one board to the next: its destination is the square 調査_移動結果 finds, its
// origin the square it left, or the mover's hand when no square was left.
bool moveBetween(const Position& before, const Position& after, Move& m) {
    int tx = 0, ty = 0;
    PieceCode arrived = 空;
    if (!調査_移動結果(before.board, after.board, tx, ty, arrived)) return false;
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            if (before.board(x, y) != 空 && after.board(x, y) == 空) {
                m = makeMove(x, y, tx, ty, before.board(x, y), arrived);
                return true;
            }
        }
    }
    const int fromX = isBottom(arrived) ? kBottomHandX : kTopHandX;
    m = makeMove(fromX, handIndexOfKind(magnitude(arrived)), tx, ty, arrived, arrived);
    return true;
}

long long wholeSeconds(double s) {
    return s > 0 ? static_cast<long long>(s) : 0;
}

std::string clockText(long long spent, long long total) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%lld:%02lld/%02lld:%02lld:%02lld", spent / 60, spent % 60,
                  total / 3600, total / 60 % 60, total % 60);
    return buf;
}

std::string playerText(const RecordInfo& info, SideId side) {
    if (info.computerSide != side) return "MAN";
    return "COM レベル" + std::to_string(info.comLevel);
}

// --- reading -------------------------------------------------------------------------------

bool startsWith(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

bool eat(std::string_view& s, std::string_view prefix) {
    if (!startsWith(s, prefix)) return false;
    s.remove_prefix(prefix.size());
    return true;
}

void skipBlanks(std::string_view& s) {
    while (true) {
        if (!s.empty() && (s.front() == ' ' || s.front() == '\t')) {
            s.remove_prefix(1);
        } else if (!eat(s, "　")) {
            return;
        }
    }
}

// A whole number of at most six digits; false when there is none.
bool eatNumber(std::string_view& s, long long& n) {
    std::size_t i = 0;
    n = 0;
    while (i < s.size() && i < 6 && s[i] >= '0' && s[i] <= '9') n = n * 10 + (s[i++] - '0');
    s.remove_prefix(i);
    return i > 0;
}

// One of the nine texts, giving its index 1..9; 0 for none.
int eatOneOf(std::string_view& s, const char* const (&texts)[10]) {
    for (int i = 1; i <= 9; ++i)
        if (eat(s, texts[i])) return i;
    return 0;
}

// The kind a piece name at the start of s names, the longest name first.
int eatPieceName(std::string_view& s) {
    int best = 0;
    std::size_t bestLength = 0;
    for (int k = 1; k <= kind::count; ++k) {
        const std::string name = pieceName(k);
        if (name.size() > bestLength && startsWith(s, name)) best = k, bestLength = name.size();
    }
    s.remove_prefix(bestLength);
    return best;
}

struct ParsedMove {
    int number = 0;
    int toX = 0, toY = 0;  // 0, 0 for "同": the destination of the move before
    int kind = 0;          // the piece's kind on arrival
    bool drop = false;
    int fromX = 0, fromY = 0;
    bool hasClock = false;
    long long spent = 0, total = 0;
};

bool parseMoveLine(std::string_view s, ParsedMove& m) {
    skipBlanks(s);
    long long number = 0;
    if (!eatNumber(s, number)) return false;
    m.number = static_cast<int>(number);
    skipBlanks(s);
    // A mark of the mover may stand before the move; the move number already tells.
    for (const char* mark : {"▲", "△", "☗", "☖"}) eat(s, mark);
    if (eat(s, "同")) {
        skipBlanks(s);
    } else {
        const int file = eatOneOf(s, kFileDigits);
        const int rank = eatOneOf(s, kRankNumerals);
        if (file == 0 || rank == 0) return false;
        m.toX = 10 - file;
        m.toY = rank;
    }
    m.kind = eatPieceName(s);
    if (m.kind == 0) return false;
    if (eat(s, "成")) {
        const auto* p = std::find_if(std::begin(kPromotes), std::end(kPromotes),
                                     [&](const int(&pair)[2]) { return pair[0] == m.kind; });
        if (p == std::end(kPromotes)) return false;
        m.kind = (*p)[1];
    }
    if (eat(s, "打")) {
        m.drop = true;
    } else {
        if (s.size() < 4 || s[0] != '(' || s[3] != ')') return false;
        if (s[1] < '1' || s[1] > '9' || s[2] < '1' || s[2] > '9') return false;
        m.fromX = 10 - (s[1] - '0');
        m.fromY = s[2] - '0';
        s.remove_prefix(4);
    }
    skipBlanks(s);
    if (s.empty()) return true;
    const bool parenthesised = eat(s, "(");
    skipBlanks(s);
    long long sm = 0, ss = 0, h = 0, mm = 0, sec = 0;
    if (!eatNumber(s, sm) || !eat(s, ":") || !eatNumber(s, ss) || !eat(s, "/") ||
        !eatNumber(s, h) || !eat(s, ":") || !eatNumber(s, mm) || !eat(s, ":") || !eatNumber(s, sec))
        return false;
    skipBlanks(s);
    if (parenthesised && !eat(s, ")")) return false;
    skipBlanks(s);
    m.hasClock = true;
    m.spent = sm * 60 + ss;
    m.total = h * 3600 + mm * 60 + sec;
    return s.empty() && m.spent <= m.total;
}

class TextReader {
  public:
    RecordTextRead read(std::string_view text) {
        Position start;
        layOutStartPosition(start);
        pos_ = start;
        bool anything = false;
        int lineNo = 0;
        for (std::size_t at = 0; at <= text.size();) {
            std::size_t end = text.find('\n', at);
            if (end == std::string_view::npos) end = text.size();
            std::string_view line = text.substr(at, end - at);
            at = end + 1;
            ++lineNo;
            if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
            std::string_view rest = line;
            skipBlanks(rest);
            if (rest.empty()) continue;
            anything = true;
            if (!readLine(rest, lineNo)) return result_;
        }
        if (!anything) return fail(RecordTextError::Empty, 0), result_;
        if (!started_) begin();
        MoveList& list = result_.list;
        list.currentMove = 0;
        list.moveCount = 0;
        return result_;
    }

  private:
    bool fail(RecordTextError e, int line) {
        result_.error = e;
        result_.line = line;
        return false;
    }

    bool readLine(std::string_view line, int lineNo) {
        const char c = line.front();
        if (c == '#' || c == '*' || c == '&') return true;
        if (startsWith(line, "手数")) return true;
        if (startsWith(line, "まで")) return readResult(line);
        if (c >= '0' && c <= '9') return readMove(line, lineNo);
        const std::size_t colon = line.find(kColon);
        if (colon == std::string_view::npos || started_)
            return fail(RecordTextError::BadLine, lineNo);
        return readHeader(line.substr(0, colon), line.substr(colon + kColon.size()), lineNo);
    }

    // Only a loss on time needs keeping: a taken king shows in the last entry.
    bool readResult(std::string_view line) {
        const std::size_t at = line.find(kTimeLoss);
        if (at == std::string_view::npos) return true;
        const std::string_view winner = line.substr(at + kTimeLoss.size());
        if (startsWith(winner, "先手")) result_.info.timeLoser = GOTE;
        if (startsWith(winner, "後手")) result_.info.timeLoser = SENTE;
        return true;
    }

    bool readHeader(std::string_view key, std::string_view value, int lineNo) {
        skipBlanks(value);
        while (!value.empty() && (value.back() == ' ' || value.back() == '\t'))
            value.remove_suffix(1);
        RecordInfo& info = result_.info;
        long long n = 0;
        if (key == "開始日時") {
            info.date = std::string(value);
        } else if (key == "手合割") {
            if (eat(value, "ハンディキャップ")) {
                const bool negative = eat(value, "-");
                if (eatNumber(value, n) && n <= 99)
                    info.handicapGrade = negative ? -int(n) : int(n);
            }
        } else if (key == "先手" || key == "後手") {
            if (eat(value, "COM")) {
                info.computerSide = key == "先手" ? SENTE : GOTE;
                skipBlanks(value);
                eat(value, "レベル");
                if (eatNumber(value, n) && n <= 99) info.comLevel = int(n);
            }
        } else if (key == "中国軍の持駒打ち") {
            info.chineseDrops = value == "あり";
        } else if (key == "持ち時間") {
            info.timeControl = readTimeControl(value).value_or(TimeControl{});
        } else if (key == "開始局面") {
            result_.start = readNotation(value);
            if (!result_.start) return fail(RecordTextError::BadStart, lineNo);
            pos_ = result_.start.value.position;
            info.sideToMoveAtStart = result_.start.value.sideToMove;
            info.startMoveNumber = result_.start.value.moveNumber;
        }
        return true;
    }

    void begin() {
        started_ = true;
        army_ = result_.info.sideToMoveAtStart == SENTE ? -1 : 1;
        MoveEntry& e = result_.list[0];
        e.boardAt = pos_.board;
        e.ownHandAt = pos_.ownHand;
        e.enemyHandAt = pos_.enemyHand;
    }

    bool readMove(std::string_view line, int lineNo) {
        if (!started_) begin();
        MoveList& list = result_.list;
        ParsedMove p;
        if (!parseMoveLine(line, p)) return fail(RecordTextError::BadLine, lineNo);
        if (p.number != list.lastMove + 1) return fail(RecordTextError::WrongNumber, lineNo);
        if (list.lastMove >= kMaxEntry) return fail(RecordTextError::TooManyMoves, lineNo);
        if (pos_.winnerSide != 0) return fail(RecordTextError::AfterTheEnd, lineNo);
        if (p.toX == 0) {
            if (list.lastMove == 0) return fail(RecordTextError::BadLine, lineNo);
            p.toX = lastToX_;
            p.toY = lastToY_;
        }
        Move m;
        if (p.drop) {
            const int index = handIndexOfKind(p.kind);
            if (index == 0 || kHandKind[index] != p.kind)
                return fail(RecordTextError::IllegalMove, lineNo);
            m = makeMove(army_ < 0 ? kBottomHandX : kTopHandX, index, p.toX, p.toY, army_ * p.kind,
                         army_ * p.kind);
        } else {
            m = makeMove(p.fromX, p.fromY, p.toX, p.toY, pos_.board(p.fromX, p.fromY),
                         army_ * p.kind);
        }
        if (!allowed(m)) return fail(RecordTextError::IllegalMove, lineNo);

        const MoveEntry& before = list[list.lastMove];
        駒移動(pos_, m.fromX, m.fromY, m.toX, m.toY, m.after);
        MoveEntry& e = list[++list.lastMove];
        e.boardAt = pos_.board;
        e.ownHandAt = pos_.ownHand;
        e.enemyHandAt = pos_.enemyHand;
        // The army that did not move keeps its clock; the mover's grew by the time it spent.
        e.bottomBefore = e.bottomAfter = before.bottomAfter;
        e.topBefore = e.topAfter = before.topAfter;
        if (p.hasClock) {
            double& moverBefore = army_ < 0 ? e.bottomBefore : e.topBefore;
            double& moverAfter = army_ < 0 ? e.bottomAfter : e.topAfter;
            moverAfter = static_cast<double>(p.total);
            moverBefore = static_cast<double>(p.total - p.spent);
        }
        lastToX_ = m.toX;
        lastToY_ = m.toY;
        army_ = -army_;
        return true;
    }

    // Whether the rules offer the move to the army whose turn it is.
    bool allowed(const Move& m) {
        調査_2歩フラグ設定(pos_);
        MoveFilter filter;
        filter.drops = armyMayDrop(pos_, army_, result_.info.chineseDrops);
        filter.promoteWhereNothingIsLost = false;
        moves_.resize(kMaxMoves);
        const int n = generateMoves(pos_, army_, filter, moves_.data(), kMaxMoves);
        return std::find(moves_.begin(), moves_.begin() + n, m) != moves_.begin() + n;
    }

    RecordTextRead result_;
    Position pos_;
    bool started_ = false;
    int army_ = -1;
    int lastToX_ = 0, lastToY_ = 0;
    std::vector<Move> moves_;
};

}  // namespace

std::string dateText(int year, int month, int day, int hour, int minute, int second) {
    char buf[80];
    std::snprintf(buf, sizeof buf, "%04d/%02d/%02d %02d:%02d:%02d", year, month, day, hour, minute,
                  second);
    return buf;
}

std::string recordToText(const MoveList& list, const RecordInfo& info) {
    const int last = std::clamp(list.lastMove, 0, kMaxEntry);
    std::string out;
    if (!info.date.empty()) out += "開始日時" + kColon + info.date + "\n";
    out += "手合割" + kColon +
           (info.handicapGrade == 0 ? std::string("平手")
                                    : "ハンディキャップ" + std::to_string(info.handicapGrade)) +
           "\n";
    out += "先手" + kColon + playerText(info, SENTE) + "\n";
    out += "後手" + kColon + playerText(info, GOTE) + "\n";
    out += "中国軍の持駒打ち" + kColon + (info.chineseDrops ? "あり" : "なし") + "\n";
    if (info.timeControl.kind != TimeControlKind::None)
        out += "持ち時間" + kColon + timeControlText(info.timeControl) + "\n";
    Seen before = seenFromSente(list[0]);
    if (!isUsualStart(before.pos) || info.sideToMoveAtStart != SENTE || info.startMoveNumber != 1) {
        out += "開始局面" + kColon +
               positionToNotation(before.pos, info.sideToMoveAtStart, info.startMoveNumber) + "\n";
    }
    out += kMovesHeading + "\n";
    for (int n = 1; n <= last; ++n) {
        const Seen after = seenFromSente(list[n]);
        char number[16];
        std::snprintf(number, sizeof number, "%3d ", n);
        out += number;
        Move m;
        if (!moveBetween(before.pos, after.pos, m)) {
            out += "?\n";  // two entries no move joins: a reader refuses this line
            before = after;
            continue;
        }
        out += std::string(kFileDigits[10 - m.toX]) + kRankNumerals[m.toY] + pieceName(m.after);
        if (m.isDrop()) {
            out += "打";
        } else {
            // Appended piece by piece: GCC 12 at -O3 sees a false overlap in "(" + text.
            out += '(';
            out += std::to_string(10 - m.fromX);
            out += std::to_string(m.fromY);
            out += ')';
        }
        const bool sente = isBottom(m.after);
        const long long from = wholeSeconds(sente ? after.senteBefore : after.goteBefore);
        const long long to = wholeSeconds(sente ? after.senteAfter : after.goteAfter);
        out += "   ";
        out += clockText(std::max(0LL, to - from), to);
        out += '\n';
        before = after;
    }
    const Board& end = before.pos.board;
    const bool shogiKing = firstBottomKing(end) == 自王 || firstTopKing(end) == 敵王;
    const bool chineseKing = firstBottomKing(end) == 自将 || firstTopKing(end) == 敵将;
    if (last > 0 && shogiKing != chineseKing) {
        out += "まで" + std::to_string(last) + "手で" + (shogiKing ? "先手" : "後手") + "の勝ち\n";
    } else if (info.timeLoser != 0) {
        out += "まで" + std::to_string(last) + "手で" + kTimeLoss +
               (info.timeLoser == GOTE ? "先手" : "後手") + "の勝ち\n";
    }
    return out;
}

RecordTextRead readRecordText(std::string_view text) {
    RecordTextRead r = TextReader().read(text);
    if (!r.ok()) {
        r.list = {};
        r.info = {};
    }
    return r;
}

std::string describe(const RecordTextRead& r, const Translation& tr) {
    const char* what = "";
    switch (r.error) {
        case RecordTextError::None:
            return "";
        case RecordTextError::Empty:
            return textOf(tr, "RecordText", KZ_TEXT("RecordText", "棋譜がありません"));
        case RecordTextError::BadStart:
            what = KZ_TEXT("RecordText", "開始局面: %1");
            break;
        case RecordTextError::BadLine:
            what = KZ_TEXT("RecordText", "読めない行です");
            break;
        case RecordTextError::WrongNumber:
            what = KZ_TEXT("RecordText", "手数が続いていません");
            break;
        case RecordTextError::IllegalMove:
            what = KZ_TEXT("RecordText", "指せない手です");
            break;
        case RecordTextError::AfterTheEnd:
            what = KZ_TEXT("RecordText", "玉を取った後に手があります");
            break;
        case RecordTextError::TooManyMoves:
            what = KZ_TEXT("RecordText", "手数が%2を超えています");
            break;
    }
    const std::string detail =
        fillIn(textOf(tr, "RecordText", what), {describe(r.start, tr), std::to_string(kMaxEntry)});
    return fillIn(textOf(tr, "RecordText", KZ_TEXT("RecordText", "%1行目: %2")),
                  {std::to_string(r.line), detail});
}

}  // namespace record
