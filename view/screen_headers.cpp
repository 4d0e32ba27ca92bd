// The header lines of a loaded game record: the game's name and its players' names, printed in
// the free space above and below the board, never over the board, the stands or the clocks.
#include <QString>
#include <algorithm>
#include <cmath>

#include "view/layout.h"
#include "view/screen.h"

namespace view {

namespace {

constexpr double kHeaderSize = 12;
constexpr int kGameNameColour = platform::palette::kRed;
constexpr int kPlayerColour = platform::palette::kWhite;
// The top army's player stands above everything else at the top of the window; the bottom
// army's player one line below the game's name, under the board.
constexpr double kTopPlayerY = 100;
constexpr double kLineBelowTwips = 400;
// The height a line of header text may take.
constexpr double kLineTwips = 300;
// The lines keep to the board's columns: the clocks and the stands lie outside them.
constexpr int kFirstColumn = 1;
constexpr int kLastColumn = 9;

}  // namespace

void Screen::printHeaderLines(const std::array<std::string, 3>& lines) {
    eraseHeaderLines();
    const double tops[3] = {static_cast<double>(options_.recordTitleY), kTopPlayerY,
                            options_.recordTitleY + kLineBelowTwips};
    const int colours[3] = {kGameNameColour, kPlayerColour, kPlayerColour};
    const double left = x(kFirstColumn), right = x(kLastColumn + 1);
    canvas_.setFont(kHeaderSize, bold_);
    for (int i = 0; i < 3; ++i) {
        if (lines[i].empty()) continue;
        const QString text = canvas_.elided(QString::fromStdString(lines[i]), right - left);
        const double width = std::min(canvas_.textWidth(text), right - left);
        canvas_.setTextColour(colours[i]);
        canvas_.print((left + right - width) / 2, tops[i], text);
        const auto rowOf = [this](double twips) {
            return static_cast<int>(std::floor((twips - options_.boardTop) / kSquareHeight));
        };
        for (int r = rowOf(tops[i]); r <= rowOf(tops[i] + kLineTwips); ++r)
            headerRows_.push_back(r);
    }
}

void Screen::eraseHeaderLines() {
    std::sort(headerRows_.begin(), headerRows_.end());
    headerRows_.erase(std::unique(headerRows_.begin(), headerRows_.end()), headerRows_.end());
    for (const int row : headerRows_)
        for (int c = kFirstColumn; c <= kLastColumn; ++c) 描画_絵(options_.background, c, row);
    headerRows_.clear();
}

}  // namespace view
