#include "view/screen.h"

namespace view {

namespace {

// Picture codes of hand index 1..13 on the bottom army's stand; the top army's are the same
// kinds with the sign turned, so that a stand shows its captor's colours.
constexpr rules::PieceCode kBottomStandCode[rules::kHandSize + 1] = {
    0,           rules::自卒, rules::自車, rules::自馬, rules::自士, rules::自象, rules::自砲,
    rules::自歩, rules::自香, rules::自桂, rules::自銀, rules::自金, rules::自角, rules::自飛};

// The last hand index of the Chinese kinds: with drops off the shogi army can hold only those.
constexpr int kLastChineseIndex = 6;

}  // namespace

void Screen::描画_自持盤() {
    const bool drops = options_.chineseDrops;
    if (!drops && position_.bottomSide == rules::GOTE) return;
    const int last = drops ? rules::kHandSize : kLastChineseIndex;
    for (int k = 1; k <= last; ++k) {
        描画_絵(rules::空, 11, k);
        描画_絵(options_.background, 12, k);
        描画_桝輪郭(settings::kOutlineColour, 11, k);
        const int count = position_.ownHand[k];
        if (count > 0) {
            描画_絵(kBottomStandCode[k], 11, k);
            描画_桝輪郭(settings::kOutlineColour, 11, k);
            描画_数値(12.1, k + 0.3, count, 0, 0, 14);
            描画_数値(12, k + 0.2, count, 12, 0, 14);
        }
    }
}

void Screen::描画_敵持盤() {
    const bool drops = options_.chineseDrops;
    if (!drops && position_.bottomSide == rules::SENTE) return;
    for (int i = 1; i <= rules::kHandSize; ++i) {
        const int k = 14 - i;
        const int row = i - 4;
        if (!drops && position_.topSide == rules::SENTE && k > kLastChineseIndex) continue;
        描画_絵(rules::空, -1, row);
        描画_絵(options_.background, 0, row);
        描画_桝輪郭(settings::kOutlineColour, -1, row);
        const int count = position_.enemyHand[k];
        if (count > 0) {
            描画_絵(-kBottomStandCode[k], -1, row);
            描画_桝輪郭(settings::kOutlineColour, -1, row);
            描画_数値(0.1, row + 0.8, count, 0, 0, 13);
            描画_数値(0, row + 0.7, count, 12, 0, 13);
        }
    }
}

}  // namespace view
