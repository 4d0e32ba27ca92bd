#include <QString>

#include "platform/translation.h"
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
    描画_絵(options_.background, 13, 3);
    描画_絵(options_.background, 14, 3);
    const double column = n < 10 ? 13.2 : n < 100 ? 13.1 : 13.0;
    描画_数値(column + 0.1, 3.4, n, kBlack, 0, 12);
    描画_数値(column, 3.3, n, kWhite, 0, 12);
    描画_文字列(13.9, 3.2, 99, kBlack, 10);
    描画_文字列(13.8, 3.1, 99, kWhite, 10);
}

void Screen::描画_レベル(int level) {
    const double lx = options_.levelColumn, ly = options_.levelRow;
    描画_数値(lx, ly + 0.1, "LEVEL", kBlack, 10);
    描画_数値(lx, ly, "LEVEL", kWhite, 10);
    描画_数値(lx + 1.4, ly + 0.1, level, kBlack, 0, 12);
    描画_数値(lx + 1.3, ly, level, kWhite, 0, 12);
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
