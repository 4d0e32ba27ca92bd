#include <gtest/gtest.h>

#include <QColor>
#include <set>

#include "rules/piece.h"
#include "support/gui/qt_app.h"
#include "view/pictures.h"

using namespace view;

namespace {

class PicturesTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        testsupport::ensureQtApplication();
        pictures = new Pictures();
    }
    static void TearDownTestSuite() { delete pictures; }
    static Pictures* pictures;
};
Pictures* PicturesTest::pictures = nullptr;

Picture at(int i) {
    return static_cast<Picture>(i);
}

// Pixels that are clearly red ink: the colour of a promoted side's character.
int redInk(const QImage& img) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            if (c.red() > 150 && c.green() < 60 && c.blue() < 60) ++n;
        }
    return n;
}

TEST_F(PicturesTest, EveryPictureHasItsSize) {
    for (int i = 0; i < kPictureCount; ++i) {
        const QImage& img = (*pictures)[at(i)];
        QSize want(33, 41);
        if (at(i) >= Picture::HAIKEI_MIDORI && at(i) <= Picture::HAIKEI_RENGA) want = {34, 41};
        if (at(i) == Picture::KZSHOGI) want = {161, 39};
        EXPECT_EQ(img.size(), want) << "picture " << i;
    }
}

TEST_F(PicturesTest, NoTwoPicturesAlikeSoEveryCharacterWasDrawn) {
    // A missing font would leave the same empty box on every piece.
    std::set<QByteArray> seen;
    for (int i = 0; i < kPictureCount; ++i) {
        const QImage& img = (*pictures)[at(i)];
        const QByteArray bytes(reinterpret_cast<const char*>(img.constBits()), img.sizeInBytes());
        EXPECT_TRUE(seen.insert(bytes).second) << "picture " << i << " repeats another";
    }
}

TEST_F(PicturesTest, PromotedSidesAndTheShogiArmysChinesePiecesCarryRedCharacters) {
    for (Picture p : {Picture::SITA_HU_N, Picture::UE_HU_N, Picture::SITA_KYOU_N,
                      Picture::SITA_KEI_N, Picture::SITA_GIN_N, Picture::SITA_KAKU_N,
                      Picture::UE_SYA_N, Picture::W_PORN, Picture::W_KING})
        EXPECT_GT(redInk((*pictures)[p]), 15) << static_cast<int>(p);
    for (Picture p : {Picture::SITA_HU, Picture::UE_KIN, Picture::SITA_OU, Picture::UE_SYA,
                      Picture::B_PORN, Picture::B_KING, Picture::KARA_MASU})
        EXPECT_EQ(redInk((*pictures)[p]), 0) << static_cast<int>(p);
}

// Every piece of both armies, promoted sides and captured pieces included, can be told from
// every other in the international set and from its own kanji picture, at 1× and at 2×.
TEST_F(PicturesTest, InTheInternationalSetNoTwoPiecesAlike) {
    for (const int k : {1, 2}) {
        std::set<QByteArray> seen;
        for (int i = static_cast<int>(Picture::SITA_HU); i <= static_cast<int>(Picture::W_KING);
             ++i) {
            const QImage& img = pictures->scalable(at(i), platform::PieceSet::International)->at(k);
            ASSERT_EQ(img.size(), QSize(33 * k, 41 * k)) << "picture " << i;
            const QByteArray bytes(reinterpret_cast<const char*>(img.constBits()),
                                   img.sizeInBytes());
            EXPECT_TRUE(seen.insert(bytes).second) << "picture " << i << " repeats another";
            EXPECT_NE(img, pictures->scalable(at(i))->at(k)) << "picture " << i << " is kanji";
        }
    }
}

TEST_F(PicturesTest, BackgroundTilesJoinWithoutASeam) {
    // Tiles are laid every 33 pixels: the extra column must repeat the first one.
    for (Picture p : {Picture::HAIKEI_MIDORI, Picture::HAIKEI_TATAMI, Picture::HAIKEI_TAKE,
                      Picture::HAIKEI_UCHU, Picture::HAIKEI_RENGA}) {
        const QImage& img = (*pictures)[p];
        for (int y = 0; y < img.height(); ++y)
            ASSERT_EQ(img.pixel(33, y), img.pixel(0, y)) << static_cast<int>(p) << " row " << y;
    }
}

TEST(PictureCodes, NameTheirPictures) {
    using namespace rules;
    Picture p;
    ASSERT_TRUE(pictureOfShogiCode(空, p));
    EXPECT_EQ(p, Picture::KARA_MASU);
    ASSERT_TRUE(pictureOfShogiCode(自と, p));
    EXPECT_EQ(p, Picture::SITA_HU_N);
    ASSERT_TRUE(pictureOfShogiCode(敵飛成, p));
    EXPECT_EQ(p, Picture::UE_SYA_N);
    ASSERT_TRUE(pictureOfShogiCode(敵王, p));
    EXPECT_EQ(p, Picture::UE_OU);
    EXPECT_FALSE(pictureOfShogiCode(敵卒, p));
    EXPECT_FALSE(pictureOfShogiCode(自士, p));
    EXPECT_FALSE(pictureOfShogiCode(22, p));

    ASSERT_TRUE(pictureOfChineseCode(敵士, p));
    EXPECT_EQ(p, Picture::B_SI);
    ASSERT_TRUE(pictureOfChineseCode(自砲, p));
    EXPECT_EQ(p, Picture::W_QEEN);
    EXPECT_FALSE(pictureOfChineseCode(自歩, p));
    EXPECT_FALSE(pictureOfChineseCode(空, p));

    ASSERT_TRUE(pictureOfDecorCode(22, p));
    EXPECT_EQ(p, Picture::HAIKEI_MIDORI);
    ASSERT_TRUE(pictureOfDecorCode(27, p));
    EXPECT_EQ(p, Picture::KZSHOGI);
    EXPECT_FALSE(pictureOfDecorCode(21, p));
    EXPECT_FALSE(pictureOfDecorCode(28, p));
}

}  // namespace
