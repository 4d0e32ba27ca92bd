#include <QString>
#include <algorithm>
#include <utility>

#include "platform/translation.h"
#include "view/layout.h"
#include "view/piece_names.h"
#include "view/screen.h"

namespace view {

using platform::palette::kBlack;
using platform::palette::kWhite;
using platform::palette::kYellow;

namespace {

const char* const kKanjiNumerals[10] = {"", "一", "二", "三", "四", "五", "六", "七", "八", "九"};

// Texts of 描画_文字列: the handicap grades -10..10 and the move-number caption.
const char* stringOf(int id) {
    static const char* const kGrades[21] = {
        KZ_TEXT("Screen", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人"), KZ_TEXT("Screen", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８段"),
        KZ_TEXT("Screen", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７段"), KZ_TEXT("Screen", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６段"),
        KZ_TEXT("Screen", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５段"), KZ_TEXT("Screen", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４段"),
        KZ_TEXT("Screen", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３段"), KZ_TEXT("Screen", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２段"),
        KZ_TEXT("Screen", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段"), KZ_TEXT("Screen", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:１級"),
        KZ_TEXT("Screen", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級"), KZ_TEXT("Screen", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級"),
        KZ_TEXT("Screen", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４級"), KZ_TEXT("Screen", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５級"),
        KZ_TEXT("Screen", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６級"), KZ_TEXT("Screen", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７級"),
        KZ_TEXT("Screen", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８級"), KZ_TEXT("Screen", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:９級"),
        KZ_TEXT("Screen", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:10級"), KZ_TEXT("Screen", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:11級"),
        KZ_TEXT("Screen", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級"),
    };
    if (id >= -10 && id <= 10) return kGrades[id + 10];
    if (id == 99) return KZ_TEXT("Screen", "手目");
    return nullptr;
}

// A text printed by 描画_文字列 sits this much lower than a number at the same row.
constexpr double kStringDropTwips = 160;

// The move counter: the number in its words ("10手目", "Move 10"), the words smaller than the
// number. The line ends where 手目 always has, and moves right only as far as the two cells it
// wipes allow; the parts stand a small gap apart.
const char* const kCounterText = KZ_TEXT("Screen", "%1手目");
constexpr double kCounterFirstColumn = 13;
constexpr double kCounterLastColumn = 14;
constexpr double kCounterEndColumn = 14.6;
constexpr double kCounterGapTwips = 90;
constexpr double kCounterNumberSize = 12;
constexpr double kCounterWordsSize = 10;
constexpr double kShadowOffset = 0.1;  // board units, right and down

std::string trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::string stringText(int id) {
    const char* text = stringOf(id);
    return text ? platform::translated("Screen", text) : "";
}

void Screen::print(double column, double row, const std::string& text, int colour, double size,
                   double extraTwipsY) {
    canvas_.setFont(size, bold_);
    canvas_.setTextColour(colour);
    canvas_.print(x(column), y(row) + extraTwipsY, QString::fromStdString(text));
}

void Screen::描画_数値(double column, double row, int value, int colour, int mode, double size) {
    std::string text;
    if (mode == 0) {
        // Appended piece by piece: a sum of a literal and a temporary string trips GCC's
        // overlap check at -O3.
        if (value >= 0) text = " ";
        text += std::to_string(value);
    } else if (value >= 1 && value <= 9) {
        text = kKanjiNumerals[value];
    }
    print(column, row, text, colour, size);
}

void Screen::描画_数値(double column, double row, const std::string& text, int colour,
                       double size) {
    print(column, row, text, colour, size);
}

void Screen::描画_文字列(double column, double row, int id, int colour, double size) {
    print(column, row, stringText(id), colour, size, kStringDropTwips);
}

void Screen::描画_桝_数値() {
    bold_ = true;
    for (int i = 1; i <= 9; ++i) {
        描画_絵(options_.background, i, 0);
        描画_数値(i + 0.2, 0.5, 10 - i, kBlack, 0, 16);
        描画_数値(i + 0.1, 0.4, 10 - i, kYellow, 0, 16);
        描画_絵(options_.background, 10, i);
        // The ranks are named as the moves beside the board name them.
        const std::string rank = rankLabel(options_.pieceSet, i);
        描画_数値(10.2, i + 0.4, rank, kBlack, 12);
        描画_数値(10.1, i + 0.3, rank, kYellow, 12);
    }
}

void Screen::描画_手数(int n) {
    shownMoveCount_ = n;
    for (double c = kCounterFirstColumn; c <= kCounterLastColumn; ++c)
        描画_絵(options_.background, c, 3);

    const std::string pattern = platform::translated("Screen", kCounterText);
    const std::size_t at = pattern.find("%1");
    const std::string before = trimmed(pattern.substr(0, at));
    const std::string after = at == std::string::npos ? "" : trimmed(pattern.substr(at + 2));
    const std::string number = std::to_string(n);
    auto width = [this](const std::string& text, double size) {
        if (text.empty()) return -kCounterGapTwips;  // no part, no gap
        canvas_.setFont(size, bold_);
        return canvas_.textWidth(QString::fromStdString(text));
    };
    const double wBefore = width(before, kCounterWordsSize);
    const double wNumber = width(number, kCounterNumberSize);
    const double wAfter = width(after, kCounterWordsSize);
    const double total = wBefore + wNumber + wAfter + 2 * kCounterGapTwips;
    const double first = x(kCounterFirstColumn) + platform::kTwipsPerPixel;
    const double last = x(kCounterLastColumn + 1);
    const double left =
        std::clamp(x(kCounterEndColumn) - total, first, std::max(first, last - total));

    // Columns of the three parts, each printed as its shadow and then itself.
    const double cBefore = (left - kBoardLeft) / kSquareWidth;
    const double cNumber = cBefore + (wBefore + kCounterGapTwips) / kSquareWidth;
    const double cAfter = cNumber + (wNumber + kCounterGapTwips) / kSquareWidth;
    for (const auto& [dx, colour] : {std::pair{kShadowOffset, kBlack}, {0.0, kWhite}}) {
        print(cBefore + dx, 3.1 + dx, before, colour, kCounterWordsSize, kStringDropTwips);
        print(cNumber + dx, 3.3 + dx, number, colour, kCounterNumberSize);
        print(cAfter + dx, 3.1 + dx, after, colour, kCounterWordsSize, kStringDropTwips);
    }
}

void Screen::描画_レベル(int level) {
    const double lx = options_.levelColumn, ly = options_.levelRow;
    描画_数値(lx, ly + 0.1, "LEVEL", kBlack, 10);
    描画_数値(lx, ly, "LEVEL", kWhite, 10);
    描画_数値(lx + 1.4, ly + 0.1, level, kBlack, 0, 12);
    描画_数値(lx + 1.3, ly, level, kWhite, 0, 12);
}

void Screen::eraseLevel() {
    // "LEVEL", the one-digit level and their shadows end inside the second cell.
    for (int i = 0; i < 2; ++i)
        描画_絵(options_.background, options_.levelColumn + i, options_.levelRow);
}

void Screen::描画_ハンデレベル(int grade) {
    for (int c = 12; c <= 15; ++c) 描画_絵(options_.background, c, 0);
    shownGrade_.reset();
    if (grade < -10 || grade > 10) return;
    shownGrade_ = grade;
    描画_文字列(12.1, 0.1, grade, kBlack, 10);
    描画_文字列(12, 0, grade, kWhite, 10);
}

void Screen::redrawLabels() {
    if (const std::optional<int> n = shownMoveCount_) 描画_手数(*n);
    if (const std::optional<int> grade = shownGrade_) 描画_ハンデレベル(*grade);
}

}  // namespace view
