#include "view/pictures.h"

#include "rules/piece.h"
#include "settings/options.h"
#include "view/picture_painters.h"
#include "view/piece_names.h"

namespace view {

namespace {

struct ShogiFace {
    Picture bottom;
    Picture top;
    int kind;
    const char* kanji;
    bool promoted;
    double scale;
};

// One row per shogi picture: the bottom army's holder, the top army's, the kind, the character
// shown and how large the piece is cut (the king the largest, the pawn the smallest).
const ShogiFace kShogiFaces[] = {
    {Picture::SITA_HU, Picture::UE_HU, rules::kind::歩, "歩", false, 0.86},
    {Picture::SITA_HU_N, Picture::UE_HU_N, rules::kind::と, "と", true, 0.86},
    {Picture::SITA_KYOU, Picture::UE_KYOU, rules::kind::香, "香", false, 0.89},
    {Picture::SITA_KYOU_N, Picture::UE_KYOU_N, rules::kind::香成, "杏", true, 0.89},
    {Picture::SITA_KEI, Picture::UE_KEI, rules::kind::桂, "桂", false, 0.91},
    {Picture::SITA_KEI_N, Picture::UE_KEI_N, rules::kind::桂成, "圭", true, 0.91},
    {Picture::SITA_GIN, Picture::UE_GIN, rules::kind::銀, "銀", false, 0.94},
    {Picture::SITA_GIN_N, Picture::UE_GIN_N, rules::kind::銀成, "全", true, 0.94},
    {Picture::SITA_KIN, Picture::UE_KIN, rules::kind::金, "金", false, 0.94},
    {Picture::SITA_KAKU, Picture::UE_KAKU, rules::kind::角, "角", false, 0.97},
    {Picture::SITA_KAKU_N, Picture::UE_KAKU_N, rules::kind::角成, "馬", true, 0.97},
    {Picture::SITA_SYA, Picture::UE_SYA, rules::kind::飛, "飛", false, 0.97},
    {Picture::SITA_SYA_N, Picture::UE_SYA_N, rules::kind::飛成, "龍", true, 0.97},
    {Picture::SITA_OU, Picture::UE_OU, rules::kind::王, "王", false, 1.0},
};

struct ChineseFace {
    Picture chinese;  // B_: held by the Chinese army
    Picture shogi;    // W_: held by the shogi army
    int kind;
    const char* kanji;
};

const ChineseFace kChineseFaces[] = {
    {Picture::B_PORN, Picture::W_PORN, rules::kind::卒, "卒"},
    {Picture::B_ROOK, Picture::W_ROOK, rules::kind::車, "車"},
    {Picture::B_KNIG, Picture::W_KNIG, rules::kind::馬, "馬"},
    {Picture::B_BISH, Picture::W_BISH, rules::kind::象, "象"},
    {Picture::B_SI, Picture::W_SI, rules::kind::士, "士"},
    {Picture::B_QEEN, Picture::W_QEEN, rules::kind::砲, "砲"},
    {Picture::B_KING, Picture::W_KING, rules::kind::将, "将"},
};

// The international set's letters, heavier than the font draws them; a promoted side's "+X"
// smaller so that both characters fit the piece.
constexpr paint::Lettering kLetterOnShogi{23, 0.9};
constexpr paint::Lettering kPromotedOnShogi{18, 0.8};
constexpr paint::Lettering kLetterOnChinese{20, 0.8};

}  // namespace

Pictures::Pictures() {
    auto put = [](Set& set, Picture p, platform::ScalablePicture::Painter paint) {
        set[static_cast<int>(p)] =
            std::make_shared<const platform::ScalablePicture>(std::move(paint));
    };
    put(pictures_, Picture::KARA_MASU, paint::emptySquare);
    for (const ShogiFace& f : kShogiFaces) {
        const QString kanji = QString::fromUtf8(f.kanji);
        put(pictures_, f.bottom,
            [=](int k) { return paint::shogiPiece(kanji, f.promoted, f.scale, false, k); });
        put(pictures_, f.top,
            [=](int k) { return paint::shogiPiece(kanji, f.promoted, f.scale, true, k); });
        const QString letter = QString::fromUtf8(internationalName(f.kind));
        const paint::Lettering lettering = f.promoted ? kPromotedOnShogi : kLetterOnShogi;
        put(international_, f.bottom, [=](int k) {
            return paint::shogiPiece(letter, f.promoted, f.scale, false, k, lettering);
        });
        put(international_, f.top, [=](int k) {
            return paint::shogiPiece(letter, f.promoted, f.scale, true, k, lettering);
        });
    }
    for (const ChineseFace& f : kChineseFaces) {
        const QString kanji = QString::fromUtf8(f.kanji);
        put(pictures_, f.chinese, [=](int k) { return paint::chinesePiece(kanji, true, k); });
        put(pictures_, f.shogi, [=](int k) { return paint::chinesePiece(kanji, false, k); });
        const QString letter = QString::fromUtf8(internationalName(f.kind));
        put(international_, f.chinese,
            [=](int k) { return paint::chinesePiece(letter, true, k, kLetterOnChinese); });
        put(international_, f.shogi,
            [=](int k) { return paint::chinesePiece(letter, false, k, kLetterOnChinese); });
    }
    put(pictures_, Picture::HAIKEI_MIDORI, paint::feltTile);
    put(pictures_, Picture::HAIKEI_TATAMI, paint::tatamiTile);
    put(pictures_, Picture::HAIKEI_TAKE, paint::bambooTile);
    put(pictures_, Picture::HAIKEI_UCHU, paint::spaceTile);
    put(pictures_, Picture::HAIKEI_RENGA, paint::brickTile);
    put(pictures_, Picture::KZSHOGI, paint::titlePlate);
}

const std::shared_ptr<const platform::ScalablePicture>& Pictures::scalable(
    Picture p, platform::PieceSet set) const {
    const int i = static_cast<int>(p);
    // Only the pieces differ between the sets.
    if (set == platform::PieceSet::International && international_[i]) return international_[i];
    return pictures_[i];
}

bool pictureOfShogiCode(int code, Picture& out) {
    using namespace rules;
    if (code == 空) {
        out = Picture::KARA_MASU;
        return true;
    }
    int row = -1;
    switch (magnitude(code)) {
        case kind::歩:
            row = 0;
            break;
        case kind::と:
            row = 1;
            break;
        case kind::香:
            row = 2;
            break;
        case kind::香成:
            row = 3;
            break;
        case kind::桂:
            row = 4;
            break;
        case kind::桂成:
            row = 5;
            break;
        case kind::銀:
            row = 6;
            break;
        case kind::銀成:
            row = 7;
            break;
        case kind::金:
            row = 8;
            break;
        case kind::角:
            row = 9;
            break;
        case kind::角成:
            row = 10;
            break;
        case kind::飛:
            row = 11;
            break;
        case kind::飛成:
            row = 12;
            break;
        case kind::王:
            row = 13;
            break;
        default:
            return false;
    }
    out = isBottom(code) ? kShogiFaces[row].bottom : kShogiFaces[row].top;
    return true;
}

bool pictureOfChineseCode(int code, Picture& out) {
    using namespace rules;
    int row = -1;
    switch (magnitude(code)) {
        case kind::卒:
            row = 0;
            break;
        case kind::車:
            row = 1;
            break;
        case kind::馬:
            row = 2;
            break;
        case kind::象:
            row = 3;
            break;
        case kind::士:
            row = 4;
            break;
        case kind::砲:
            row = 5;
            break;
        case kind::将:
            row = 6;
            break;
        default:
            return false;
    }
    out = code > 0 ? kChineseFaces[row].chinese : kChineseFaces[row].shogi;
    return true;
}

bool pictureOfDecorCode(int code, Picture& out) {
    switch (code) {
        case settings::kMidori:
            out = Picture::HAIKEI_MIDORI;
            return true;
        case settings::kTatami:
            out = Picture::HAIKEI_TATAMI;
            return true;
        case settings::kTake:
            out = Picture::HAIKEI_TAKE;
            return true;
        case settings::kUchu:
            out = Picture::HAIKEI_UCHU;
            return true;
        case settings::kRenga:
            out = Picture::HAIKEI_RENGA;
            return true;
        case settings::kTitlePicture:
            out = Picture::KZSHOGI;
            return true;
        default:
            return false;
    }
}

}  // namespace view
