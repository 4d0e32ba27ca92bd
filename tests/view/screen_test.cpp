#include <gtest/gtest.h>

#include "platform/translation.h"
#include "rules/setup.h"
#include "support/diagram.h"
#include "support/gui/fake_clock.h"
#include "support/gui/pixels.h"
#include "support/gui/qt_app.h"
#include "view/screen.h"

using namespace rules;
using testsupport::countColour;
using testsupport::outlinedIn;
using testsupport::showsPicture;
using view::Picture;

namespace {

// The start position turned round: the Chinese army at the bottom with the negative codes.
const char* const kTurned = R"(
v香 v桂 v銀 v金 v王 v金 v銀 v桂 v香
 .  v飛  .   .   .   .   .  v角  .
v歩 v歩 v歩 v歩 v歩 v歩 v歩 v歩 v歩
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
^卒  .  ^卒  .  ^卒  .  ^卒  .  ^卒
 .  ^砲  .   .   .   .   .  ^砲  .
 .   .   .   .   .   .   .   .   .
^車 ^馬 ^象 ^士 ^将 ^士 ^象 ^馬 ^車
)";

class ScreenTest : public ::testing::Test {
  protected:
    ScreenTest() : canvas(15600, 12000) {
        testsupport::ensureQtApplication();
        options.chineseDrops = true;
        options.applyDropsLayout(true);
        position = testsupport::positionFrom(testsupport::kStartDiagram);
        screen = std::make_unique<view::Screen>(canvas, clock, position, options);
        // A colour no picture uses, to see what was left alone.
        canvas.fill(13, 0, 0, 15600, 12000);
    }

    const QImage& pic(Picture p) { return screen->pictures()[p]; }
    bool shows(double c, double r, Picture p) {
        std::string why;
        const bool ok = showsPicture(canvas, screen->x(c), screen->y(r), pic(p), &why);
        if (!ok) ADD_FAILURE() << "cell (" << c << ", " << r << "): " << why;
        return ok;
    }
    // True when nothing was painted inside the cell (its first pixel column and row are the
    // neighbours' outlines too).
    bool untouched(double c, double r) {
        const double x = screen->x(c) + 15, y = screen->y(r) + 15;
        return countColour(canvas, x, y, x + 480, y + 600, 13) == 32 * 40;
    }
    // The columns (pixels) that hold pixels of a colour inside a rectangle of cells.
    std::pair<int, int> inkSpan(double c1, double r1, double c2, double r2, int colour) {
        const QRgb want = platform::Canvas::paletteColour(colour).rgb();
        int lo = 1 << 20, hi = -1;
        const int x1 = platform::Canvas::toPixel(screen->x(c1));
        const int x2 = platform::Canvas::toPixel(screen->x(c2));
        const int y1 = platform::Canvas::toPixel(screen->y(r1));
        const int y2 = platform::Canvas::toPixel(screen->y(r2));
        for (int y = y1; y < y2; ++y)
            for (int x = x1; x < x2; ++x)
                if (canvas.image().pixel(x, y) == want) {
                    lo = std::min(lo, x);
                    hi = std::max(hi, x);
                }
        return {lo, hi};
    }

    platform::Canvas canvas;
    testsupport::FakeDayClock clock;
    Position position;
    settings::Options options;
    std::unique_ptr<view::Screen> screen;
};

TEST_F(ScreenTest, BoardShowsEveryPieceInItsOwnersColoursEitherWayUp) {
    screen->描画_盤();
    EXPECT_TRUE(shows(5, 9, Picture::SITA_OU));
    EXPECT_TRUE(shows(2, 8, Picture::SITA_KAKU));
    EXPECT_TRUE(shows(5, 5, Picture::KARA_MASU));
    EXPECT_TRUE(shows(5, 1, Picture::B_KING));
    EXPECT_TRUE(shows(2, 3, Picture::B_QEEN));
    EXPECT_TRUE(shows(1, 4, Picture::B_PORN));
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r)
            EXPECT_TRUE(outlinedIn(canvas, screen->x(c), screen->y(r), 2)) << c << "," << r;

    // Turned round, the Chinese army's pieces are the negative codes but keep the B_ pictures,
    // and the shogi army on top is drawn pointing down.
    position = testsupport::positionFrom(kTurned);
    ASSERT_EQ(position.bottomSide, GOTE);
    screen->描画_盤();
    EXPECT_TRUE(shows(5, 9, Picture::B_KING));
    EXPECT_TRUE(shows(4, 9, Picture::B_SI));
    EXPECT_TRUE(shows(8, 7, Picture::B_QEEN));
    EXPECT_TRUE(shows(5, 1, Picture::UE_OU));
    EXPECT_TRUE(shows(2, 2, Picture::UE_SYA));
}

TEST_F(ScreenTest, ACapturedChinesePieceShowsTheColoursOfTheArmyHoldingIt) {
    position.board(5, 6) = 自卒;  // dropped by the shogi army
    position.board(6, 2) = 敵歩;  // dropped by the Chinese army
    screen->描画_盤();
    EXPECT_TRUE(shows(5, 6, Picture::W_PORN));
    EXPECT_TRUE(shows(6, 2, Picture::UE_HU));

    position = testsupport::positionFrom(kTurned);
    position.board(5, 5) = 敵卒;  // the shogi army on top holds a 卒
    screen->描画_盤();
    EXPECT_TRUE(shows(5, 5, Picture::W_PORN));
}

TEST_F(ScreenTest, BackgroundLeavesEveryBoardSquareAlone) {
    screen->描画_盤();
    screen->描画_背景(settings::kUchu);
    for (int c = 1; c <= 9; ++c) {
        for (int r = 1; r <= 9; ++r) {
            Picture p;
            if (!view::pictureOfShogiCode(position.board(c, r), p)) {
                ASSERT_TRUE(view::pictureOfChineseCode(position.board(c, r), p));
            }
            EXPECT_TRUE(shows(c, r, p));
        }
    }
    EXPECT_TRUE(shows(0, 5, Picture::HAIKEI_UCHU));
    EXPECT_TRUE(shows(10, 10, Picture::HAIKEI_UCHU));
    EXPECT_TRUE(shows(-2, -2, Picture::HAIKEI_UCHU));
    EXPECT_TRUE(shows(28, 15, Picture::HAIKEI_UCHU));
}

TEST_F(ScreenTest, StandsShowHeldPiecesWithTheirCounts) {
    position.ownHand[1] = 12;   // 卒
    position.ownHand[13] = 1;   // 飛
    position.enemyHand[7] = 9;  // 歩
    screen->描画_自持盤();
    screen->描画_敵持盤();
    EXPECT_TRUE(shows(11, 1, Picture::W_PORN));
    EXPECT_TRUE(shows(11, 2, Picture::KARA_MASU));
    EXPECT_TRUE(shows(11, 13, Picture::SITA_SYA));
    EXPECT_TRUE(shows(12, 2, Picture::HAIKEI_TATAMI));
    EXPECT_TRUE(shows(-1, 3, Picture::UE_HU));  // index 7 sits at row 3
    EXPECT_TRUE(shows(-1, 9, Picture::KARA_MASU));
    EXPECT_TRUE(shows(-1, -3, Picture::KARA_MASU));
    EXPECT_TRUE(outlinedIn(canvas, screen->x(11), screen->y(1), 2));

    // Two digits print in the count's cell, wider than one.
    const auto twelve = inkSpan(12, 1, 13, 2, 12);
    const auto nine = inkSpan(0, 3, 1, 4, 12);
    ASSERT_GE(twelve.second, 0);
    ASSERT_GE(nine.second, 0);
    EXPECT_GT(twelve.second - twelve.first, nine.second - nine.first + 5);
    EXPECT_LT(twelve.second, platform::Canvas::toPixel(screen->x(13)));
    EXPECT_GT(countColour(canvas, screen->x(12), screen->y(1), screen->x(13), screen->y(2), 0), 0)
        << "the count's shadow";
}

TEST_F(ScreenTest, WithDropsOffOnlyTheShogiArmysStandShowsAndOnlyChinesePieces) {
    options.chineseDrops = false;
    position.ownHand[1] = 1;
    position.ownHand[7] = 2;
    position.enemyHand[1] = 1;
    screen->描画_自持盤();
    screen->描画_敵持盤();
    EXPECT_TRUE(shows(11, 1, Picture::W_PORN));
    EXPECT_TRUE(shows(11, 6, Picture::KARA_MASU));
    EXPECT_TRUE(untouched(11, 7));
    EXPECT_TRUE(untouched(-1, 9));
    EXPECT_TRUE(untouched(-1, -3));

    // Turned round, the shogi army's stand is the top one; the Chinese army's shows nothing.
    position = testsupport::positionFrom(kTurned);
    position.ownHand[7] = 1;
    position.enemyHand[1] = 2;
    position.enemyHand[7] = 3;
    canvas.fill(13, 0, 0, 15600, 12000);
    screen->描画_自持盤();
    screen->描画_敵持盤();
    EXPECT_TRUE(untouched(11, 1));
    EXPECT_TRUE(untouched(11, 7));
    EXPECT_TRUE(shows(-1, 9, Picture::W_PORN));
    EXPECT_TRUE(shows(-1, 4, Picture::KARA_MASU));
    EXPECT_TRUE(untouched(-1, 3));
    EXPECT_TRUE(untouched(-1, -3));
}

TEST_F(ScreenTest, LabelsAndNumbersPrintShadowThenColour) {
    screen->描画_桝_数値();
    for (int i = 1; i <= 9; ++i) {
        EXPECT_GT(
            countColour(canvas, screen->x(i), screen->y(0), screen->x(i + 1), screen->y(1), 14), 0)
            << "column label " << i;
        EXPECT_GT(
            countColour(canvas, screen->x(10), screen->y(i), screen->x(11), screen->y(i + 1), 14),
            0)
            << "row label " << i;
    }

    // Kanji numerals exist for 1..9 only; an unknown text id prints nothing.
    canvas.fill(13, 0, 0, 15600, 12000);
    screen->描画_数値(3, 3, 10, 14, 1, 12);
    screen->描画_数値(3, 3, 0, 14, 1, 12);
    screen->描画_文字列(3, 3, 11, 14, 10);
    screen->描画_文字列(3, 3, 98, 14, 10);
    EXPECT_TRUE(untouched(3, 3));
    screen->描画_文字列(3, 3, 99, 14, 10);
    EXPECT_FALSE(untouched(3, 3));

    screen->描画_手数(123);
    EXPECT_GT(countColour(canvas, screen->x(13), screen->y(3), screen->x(15), screen->y(4), 15), 0);
}

TEST_F(ScreenTest, BlinkAlternatesEmptyAndPieceWithPausesAndEndsOnThePiece) {
    int repaints = 0;
    canvas.setRepaintListener([&] { ++repaints; });
    screen->描画_駒点滅(敵車, 3, 4, 3);
    EXPECT_EQ(repaints, 6);
    EXPECT_EQ(clock.pauses, std::vector<double>(6, 0.1));
    EXPECT_TRUE(shows(3, 4, Picture::B_ROOK));
    EXPECT_TRUE(outlinedIn(canvas, screen->x(3), screen->y(4), 2));
}

TEST_F(ScreenTest, GuidanceWipesOldMarksAndMarksOnlyWhileSwitchedOn) {
    screen->描画_盤();
    screen->描画_桝輪郭(15, 9, 9);  // an old mark
    options.guidance = false;
    screen->描画_移動可能桝色(5, 7, 15, 自歩);
    EXPECT_TRUE(outlinedIn(canvas, screen->x(9), screen->y(9), 2));
    EXPECT_FALSE(outlinedIn(canvas, screen->x(5), screen->y(6), 15));

    options.guidance = true;
    screen->描画_移動可能桝色(5, 7, 15, 自歩);
    EXPECT_TRUE(outlinedIn(canvas, screen->x(5), screen->y(6), 15));
    EXPECT_FALSE(outlinedIn(canvas, screen->x(5), screen->y(5), 15));
    EXPECT_FALSE(outlinedIn(canvas, screen->x(4), screen->y(6), 15));
}

// The counter's number and words, in either language, stand apart and inside the two cells
// that are wiped before it is drawn again.
TEST_F(ScreenTest, TheMoveCounterKeepsItsPartsApartInsideItsCells) {
    using lang::Language;
    const QRgb white = platform::Canvas::paletteColour(15).rgb();
    const int left = platform::Canvas::toPixel(screen->x(13));
    const int right = platform::Canvas::toPixel(screen->x(15));
    for (const Language language : {Language::Japanese, Language::English}) {
        platform::useLanguage(language);
        for (const int n : {9, 10, 123}) {
            screen->描画_手数(n);
            QString line;
            std::vector<QRect> inks;
            for (const platform::DrawOp& op : canvas.displayList().ops()) {
                if (op.opaque()) {  // what came before is wiped
                    line.clear();
                    inks.clear();
                }
                if (op.kind != platform::DrawOp::Kind::Text || op.colour.rgb() != white) continue;
                line += op.text;
                inks.push_back(op.bounds.adjusted(2, 0, -2, 0));
                EXPECT_GE(inks.back().left(), left) << n;
                EXPECT_LE(inks.back().right(), right) << n;
            }
            EXPECT_EQ(line, language == Language::English ? QStringLiteral("Move%1").arg(n)
                                                          : QStringLiteral("%1手目").arg(n));
            for (std::size_t a = 1; a < inks.size(); ++a)
                EXPECT_LT(inks[a - 1].right(), inks[a].left()) << line.toStdString();
        }
    }
    platform::useLanguage(Language::Japanese);
}

// Header lines in both layouts: a long line is cut short with "…", every line keeps to the
// board's columns and off its squares and the clocks' rows, and erasing leaves none of it.
TEST_F(ScreenTest, HeaderLinesFitBesideTheBoardAndAreErasedWhole) {
    const std::string longName(80, 'W');
    for (const bool drops : {false, true}) {
        options.applyDropsLayout(drops);
        canvas.resize(15600, 12000);  // nothing drawn before
        screen->描画_背景(settings::kMidori);
        screen->printHeaderLines({longName, "後手の人", longName});
        const int left = platform::Canvas::toPixel(screen->x(1));
        const int right = platform::Canvas::toPixel(screen->x(10));
        const QRect board(QPoint(left, platform::Canvas::toPixel(screen->y(0))),
                          QPoint(right, platform::Canvas::toPixel(screen->y(10.2))));
        int lines = 0;
        for (const platform::DrawOp& op : canvas.displayList().ops()) {
            if (op.kind != platform::DrawOp::Kind::Text) continue;
            ++lines;
            const QRect ink = op.bounds.adjusted(2, 2, -2, -2);
            EXPECT_GE(ink.left(), left) << drops;
            EXPECT_LE(ink.right(), right) << drops;
            EXPECT_FALSE(ink.intersects(board)) << drops << " " << op.text.toStdString();
            EXPECT_EQ(op.text.endsWith(QChar(0x2026)), op.text.startsWith('W'));
        }
        EXPECT_EQ(lines, 3);
        screen->eraseHeaderLines();
        EXPECT_EQ(countColour(canvas, 0, 0, 15600, 12000, 12) +
                      countColour(canvas, 0, 0, 15600, 12000, 15),
                  0)
            << drops;
    }
}

// With drops off the level display ends just left of the top army's last move ("9二 車").
TEST_F(ScreenTest, ErasingTheLevelLeavesTheTopArmysLastMoveAlone) {
    options.applyDropsLayout(false);
    screen->描画_レベル(4);
    screen->描画_数値(1.1, -0.5, "９", 12, 12);  // the last move's file, in red
    const double lx = options.levelColumn, ly = options.levelRow;
    screen->eraseLevel();
    EXPECT_EQ(
        countColour(canvas, screen->x(lx), screen->y(ly), screen->x(lx + 2), screen->y(ly + 1), 15),
        0);
    EXPECT_GT(
        countColour(canvas, screen->x(1.1), screen->y(-0.5), screen->x(2), screen->y(0.5), 12), 0);
}

}  // namespace
