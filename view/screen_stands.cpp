#include "view/layout.h"
#include "view/screen.h"

namespace view {

using platform::palette::kBlack;
using platform::palette::kRed;
using rules::hand::kLastChinese;
// The stands' columns are the hand columns of a drop's from-square.
constexpr int kBottomStandColumn = rules::kBottomHandX;
constexpr int kTopStandColumn = rules::kTopHandX;

// A stand shows each kind in its captor's colours: the bottom army's stand the kind's bottom
// code, the top army's its top code.
void Screen::描画_自持盤() {
    const bool drops = options_.chineseDrops;
    if (!drops && position_.bottomSide == rules::GOTE) return;
    // With drops off the shogi army at the bottom can use only the Chinese kinds it took.
    const int last = drops ? rules::kHandSize : kLastChinese;
    for (int k = 1; k <= last; ++k) {
        描画_絵(rules::空, kBottomStandColumn, k);
        描画_絵(options_.background, 12, k);
        描画_桝輪郭(settings::kOutlineColour, kBottomStandColumn, k);
        const int count = position_.ownHand[k];
        if (count > 0) {
            描画_絵(-rules::kHandKind[k], kBottomStandColumn, k);
            描画_桝輪郭(settings::kOutlineColour, kBottomStandColumn, k);
            描画_数値(12.1, k + 0.3, count, kBlack, 0, 14);
            描画_数値(12, k + 0.2, count, kRed, 0, 14);
        }
    }
}

void Screen::描画_敵持盤() {
    const bool drops = options_.chineseDrops;
    if (!drops && position_.bottomSide == rules::SENTE) return;
    for (int k = rules::kHandSize; k >= 1; --k) {  // from the top row down
        const int row = topStandRow(k);
        if (!drops && position_.topSide == rules::SENTE && k > kLastChinese) continue;
        描画_絵(rules::空, kTopStandColumn, row);
        描画_絵(options_.background, 0, row);
        描画_桝輪郭(settings::kOutlineColour, kTopStandColumn, row);
        const int count = position_.enemyHand[k];
        if (count > 0) {
            描画_絵(rules::kHandKind[k], kTopStandColumn, row);
            描画_桝輪郭(settings::kOutlineColour, kTopStandColumn, row);
            描画_数値(0.1, row + 0.8, count, kBlack, 0, 13);
            描画_数値(0, row + 0.7, count, kRed, 0, 13);
        }
    }
}

}  // namespace view
