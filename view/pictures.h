// The picture set: every piece of both armies, the empty square, the five background tiles and
// the title, painted by our own code at whatever resolution the canvas draws at.
#pragma once

#include <QImage>
#include <array>
#include <memory>

#include "platform/piece_set.h"
#include "platform/scalable_picture.h"

namespace view {

enum class Picture {
    KARA_MASU,
    SITA_HU,
    SITA_HU_N,
    SITA_KYOU,
    SITA_KYOU_N,
    SITA_KEI,
    SITA_KEI_N,
    SITA_GIN,
    SITA_GIN_N,
    SITA_KIN,
    SITA_KAKU,
    SITA_KAKU_N,
    SITA_SYA,
    SITA_SYA_N,
    SITA_OU,
    UE_HU,
    UE_HU_N,
    UE_KYOU,
    UE_KYOU_N,
    UE_KEI,
    UE_KEI_N,
    UE_GIN,
    UE_GIN_N,
    UE_KIN,
    UE_KAKU,
    UE_KAKU_N,
    UE_SYA,
    UE_SYA_N,
    UE_OU,
    B_PORN,
    B_ROOK,
    B_KNIG,
    B_BISH,
    B_SI,
    B_QEEN,
    B_KING,
    W_PORN,
    W_ROOK,
    W_KNIG,
    W_BISH,
    W_SI,
    W_QEEN,
    W_KING,
    HAIKEI_MIDORI,
    HAIKEI_TATAMI,
    HAIKEI_TAKE,
    HAIKEI_UCHU,
    HAIKEI_RENGA,
    KZSHOGI,
    Count
};

constexpr int kPictureCount = static_cast<int>(Picture::Count);

class Pictures {
  public:
    // Makes the whole set. Painting needs a running QGuiApplication (the kanji come from its
    // fonts); each picture is painted when first asked for at a resolution.
    Pictures();

    // The picture at its natural size, in the kanji set.
    const QImage& operator[](Picture p) const { return scalable(p)->at(1); }
    // The picture as the canvas takes it, to be painted at the canvas's resolution. The sets
    // differ only in the pieces; the empty square, the tiles and the title are shared.
    const std::shared_ptr<const platform::ScalablePicture>& scalable(
        Picture p, platform::PieceSet set = platform::PieceSet::Kanji) const;

  private:
    using Set = std::array<std::shared_ptr<const platform::ScalablePicture>, kPictureCount>;
    Set pictures_;
    Set international_;  // the pieces only
};

// The picture of a shogi code of either army or of the empty square (0); false for any other
// code (Chinese pieces and codes that name no piece).
bool pictureOfShogiCode(int code, Picture& out);
// The picture of a Chinese code: positive codes are the Chinese army's own colours (B_), negative
// ones the colours of the shogi army (W_). False for any other code.
bool pictureOfChineseCode(int code, Picture& out);
// The background tile of picture code 22..26, or the title for 27. False for any other code.
bool pictureOfDecorCode(int code, Picture& out);

}  // namespace view
