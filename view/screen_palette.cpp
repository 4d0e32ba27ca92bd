#include <QString>

#include "platform/translation.h"
#include "settings/options.h"
#include "view/palette.h"
#include "view/screen.h"

namespace view {

using platform::palette::kBlack;
using platform::palette::kRed;
using platform::palette::kWhite;

namespace {

constexpr double kCaptionColumn = 1;
constexpr double kCaptionRow = 10.2;
constexpr double kCaptionSize = 14;
// The caption keeps this far left of the palette, with its shadow.
constexpr double kCaptionGapTwips = 150;

}  // namespace

void Screen::drawPalette(int heldSlot) {
    for (int slot = 0; slot < kPaletteSlots; ++slot) {
        const rules::PieceCode code = paletteCode(slot);
        if (code == rules::空) continue;
        const int column = paletteColumn(slot), row = paletteRow(slot);
        描画_絵(rules::空, column, row);
        描画_絵駒(code, column, row);
        描画_桝輪郭(slot == heldSlot ? kRed : settings::kOutlineColour, column, row);
    }
}

void Screen::drawEditCaption(rules::SideId sideToMove) {
    const std::string side = sideToMove == rules::GOTE ? platform::translated("Screen", "後手番")
                                                       : platform::translated("Screen", "先手番");
    const std::string text = platform::translated("Screen", "局面編集") + "  " + side;
    // A longer wording (the English one) is printed smaller rather than over the palette.
    const double room = x(kPaletteFirstColumn) - x(kCaptionColumn + 0.05) - kCaptionGapTwips;
    canvas_.setFont(kCaptionSize, bold_);
    const double width = canvas_.textWidth(QString::fromStdString(text));
    const double size = width > room ? kCaptionSize * room / width : kCaptionSize;
    print(kCaptionColumn + 0.05, kCaptionRow + 0.05, text, kBlack, size);
    print(kCaptionColumn, kCaptionRow, text, kWhite, size);
}

}  // namespace view
