// The canvas at a higher resolution: pictures painted anew at that size, a square's piece and
// outline at the scaled place, and everything drawn before a change of resolution kept.
#include <gtest/gtest.h>

#include <QColor>

#include "rules/setup.h"
#include "support/diagram.h"
#include "support/gui/fake_clock.h"
#include "support/gui/qt_app.h"
#include "view/screen.h"

using namespace rules;
using view::Picture;

namespace {

class ScaledCanvas : public ::testing::Test {
  protected:
    ScaledCanvas() : canvas(15600, 12000) {
        testsupport::ensureQtApplication();
        options.chineseDrops = true;
        options.applyDropsLayout(true);
        position = testsupport::positionFrom(testsupport::kStartDiagram);
        screen = std::make_unique<view::Screen>(canvas, clock, position, options);
    }

    // The game pixel of a twips position.
    static QPoint gamePixel(double x, double y) {
        return {platform::Canvas::toPixel(x), platform::Canvas::toPixel(y)};
    }
    // True when the square at board unit (c, r) shows the picture at resolution k inside its
    // outline, and its outline is colour `colour`, one game pixel (k device pixels) thick.
    bool squareAt(int k, double c, double r, Picture p, int colour) {
        const QImage& img = canvas.image();
        const QImage& pic = screen->pictures().scalable(p)->at(k);
        const QPoint at = gamePixel(screen->x(c), screen->y(r)) * k;
        for (int y = k; y < 41 * k; ++y)
            for (int x = k; x < 33 * k; ++x)
                if (img.pixel(at.x() + x, at.y() + y) != pic.pixel(x, y)) {
                    ADD_FAILURE() << "picture pixel (" << x << ", " << y << ") at k=" << k;
                    return false;
                }
        const QRgb line = platform::Canvas::paletteColour(colour).rgb();
        for (int t = 0; t < k; ++t) {
            for (int i = 0; i < 34 * k; ++i)
                if (img.pixel(at.x() + i, at.y() + t) != line ||
                    img.pixel(at.x() + i, at.y() + 41 * k + t) != line)
                    return false;
            for (int j = 0; j < 42 * k; ++j)
                if (img.pixel(at.x() + t, at.y() + j) != line ||
                    img.pixel(at.x() + 33 * k + t, at.y() + j) != line)
                    return false;
        }
        return true;
    }

    platform::Canvas canvas;
    testsupport::FakeDayClock clock;
    Position position;
    settings::Options options;
    std::unique_ptr<view::Screen> screen;
};

TEST_F(ScaledCanvas, PiecesAndOutlinesLandAtTheScaledPlace) {
    canvas.setResolution(2);
    EXPECT_EQ(canvas.image().size(), QSize(2080, 1600));
    screen->描画_盤();
    screen->描画_桝輪郭(12, 5, 7);
    EXPECT_TRUE(squareAt(2, 5, 9, Picture::SITA_OU, 2));
    EXPECT_TRUE(squareAt(2, 5, 1, Picture::B_KING, 2));
    EXPECT_TRUE(squareAt(2, 1, 1, Picture::B_ROOK, 2));
    EXPECT_TRUE(squareAt(2, 5, 7, Picture::SITA_HU, 12));
    // The neighbour's own first column is the red outline too.
    EXPECT_EQ(canvas.image().pixel(gamePixel(screen->x(6), screen->y(7) + 300) * 2),
              platform::Canvas::paletteColour(12).rgb());
}

TEST_F(ScaledCanvas, AChangeOfResolutionKeepsEverythingDrawnAndIsUndone) {
    screen->描画_背景(settings::kRenga);
    screen->描画_桝_数値();
    screen->描画_盤();
    screen->描画_桝輪郭(15, 5, 6);  // a guidance mark
    screen->描画_手数(12);
    canvas.fill(4, 200, 200, 300, 300);
    const QImage once = canvas.image();

    canvas.setResolution(3);
    EXPECT_TRUE(squareAt(3, 5, 6, Picture::KARA_MASU, 15)) << "the mark is painted again";
    EXPECT_TRUE(squareAt(3, 2, 8, Picture::SITA_KAKU, 2));
    EXPECT_EQ(canvas.pixelAtTwips(210, 210), platform::Canvas::paletteColour(4).rgb());
    // The label text is still there, in its colour.
    int labelInk = 0;
    const QRgb yellow = platform::Canvas::paletteColour(14).rgb();
    const QPoint l1 = gamePixel(screen->x(1), screen->y(0)) * 3;
    for (int y = 0; y < 41 * 3; ++y)
        for (int x = 0; x < 33 * 3; ++x)
            labelInk += canvas.image().pixel(l1.x() + x, l1.y() + y) == yellow;
    EXPECT_GT(labelInk, 9 * 20);

    canvas.setResolution(1);
    EXPECT_EQ(canvas.image(), once) << "back at 1x the picture is the same to the pixel";
}

TEST_F(ScaledCanvas, RedrawingForeverKeepsTheListOfDrawingsShort) {
    // Only what is still visible is kept for painting again.
    for (int i = 0; i < 40; ++i) {
        screen->描画_背景(settings::kMidori);
        screen->描画_桝_数値();
        screen->描画_自持盤();
        screen->描画_敵持盤();
        screen->描画_盤();
        screen->描画_手数(i);
        screen->描画_将棋盤桝();
    }
    // One full redraw is some 900 drawings; forty of them would be 36000.
    EXPECT_LT(canvas.displayList().ops().size(), 4100u);
    const QImage once = canvas.image();
    canvas.setResolution(2);
    canvas.setResolution(1);
    EXPECT_EQ(canvas.image(), once) << "what was dropped could not be seen";
}

TEST_F(ScaledCanvas, PicturesArePaintedAnewAtEachResolution) {
    const view::Pictures& pictures = screen->pictures();
    for (int i = 0; i < view::kPictureCount; ++i) {
        const auto& p = pictures.scalable(static_cast<Picture>(i));
        EXPECT_EQ(p->at(2).size(), p->at(1).size() * 2) << i;
        EXPECT_EQ(p->at(3).size(), p->at(1).size() * 3) << i;
    }
    // Not an enlargement: the king's edge and character have detail finer than a game pixel.
    const QImage& king = pictures.scalable(Picture::SITA_OU)->at(3);
    int mixedBlocks = 0;
    for (int y = 0; y + 3 <= king.height(); y += 3)
        for (int x = 0; x + 3 <= king.width(); x += 3) {
            bool mixed = false;
            for (int j = 0; j < 3 && !mixed; ++j)
                for (int i = 0; i < 3; ++i)
                    if (QColor(king.pixel(x + i, y + j)).lightness() -
                            QColor(king.pixel(x, y)).lightness() >
                        40)
                        mixed = true;
            mixedBlocks += mixed;
        }
    EXPECT_GT(mixedBlocks, 60);
    // Tiles still join without a seam: the extra game pixel repeats the first.
    for (Picture p : {Picture::HAIKEI_MIDORI, Picture::HAIKEI_TATAMI, Picture::HAIKEI_TAKE,
                      Picture::HAIKEI_UCHU, Picture::HAIKEI_RENGA}) {
        const QImage& tile = pictures.scalable(p)->at(2);
        for (int y = 0; y < tile.height(); ++y)
            for (int x = 0; x < 2; ++x)
                ASSERT_EQ(tile.pixel(66 + x, y), tile.pixel(x, y)) << static_cast<int>(p);
    }
}

TEST_F(ScaledCanvas, BoldTextKeepsItsWeightAtEveryResolution) {
    // Yellow (the only red on a blue ground) per game pixel of the board's labels and the
    // clocks, in their sizes: as heavy at 4x as at 1x.
    canvas.fill(platform::palette::kBlue, 0, 0, 15600, 12000);
    canvas.setTextColour(platform::palette::kYellow);
    for (const double points : {12, 16, 20}) {
        canvas.setFont(points, true);
        canvas.print(0, points * 60, QStringLiteral("00:12:34 七"));
    }
    double ink[5] = {};
    for (int k = 1; k <= platform::Canvas::kMaxResolution; ++k) {
        canvas.setResolution(k);
        const QImage& img = canvas.image();
        for (int y = 0; y < 100 * k; ++y)
            for (int x = 0; x < 200 * k; ++x) ink[k] += qRed(img.pixel(x, y)) / 255.0;
        ink[k] /= k * k;
        EXPECT_NEAR(ink[k] / ink[1], 1.0, 0.1) << "at " << k << "x";
    }
}

}  // namespace
