// The window at other sizes: the scale it fits the game's area at, presses that land on the
// square under the pointer at every scale, a game played with the mouse at twice the size, the
// file panel and the Chinese-hand switch following the scale, and the arrow keys.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cmath>

#include "app/main_window.h"
#include "app/move_list_view.h"
#include "app/time_control_dialog.h"
#include "flow/game.h"
#include "platform/qt_file_panel.h"
#include "rules/piece.h"
#include "support/gui/fake_sound_library.h"
#include "support/gui/game_rig.h"
#include "support/gui/qt_app.h"
#include "support/gui/scripted_dialogs.h"

using app::CanvasWidget;

namespace {

// The game's own cell of a press, as the game computes it with the Chinese hand shown.
QPoint cellOf(const QPointF& twips) {
    return {static_cast<int>(std::floor((twips.x() - 1050) / 495)),
            static_cast<int>(std::floor((twips.y() - 1860) / 615))};
}
// The first widget pixel (rounding up) of a game pixel's left or top edge at a scale.
int firstPixel(double gamePixel, double scale) {
    return static_cast<int>(std::ceil(gamePixel * scale - 1e-9));
}

TEST(CanvasScale, FitsTheGamesAreaAndTakesNearlyWholeScalesAsWhole) {
    const QSizeF natural(640, 745);
    EXPECT_DOUBLE_EQ(CanvasWidget::fitScale(natural, {1280, 1490}, 1), 2);
    EXPECT_DOUBLE_EQ(CanvasWidget::fitScale(natural, {1280, 1488}, 1), 2) << "a hair short";
    EXPECT_DOUBLE_EQ(CanvasWidget::fitScale(natural, {1300, 1510}, 1), 2) << "a sliver over";
    EXPECT_NEAR(CanvasWidget::fitScale(natural, {1280, 1460}, 1), 1460 / 745.0, 1e-9);
    EXPECT_DOUBLE_EQ(CanvasWidget::fitScale(natural, {960, 4000}, 1), 1.5) << "the width decides";
    EXPECT_DOUBLE_EQ(CanvasWidget::fitScale(natural, {962, 1120}, 2), 1.5) << "3 device pixels";

    EXPECT_EQ(CanvasWidget::resolutionFor(1, 1), 1);
    EXPECT_EQ(CanvasWidget::resolutionFor(0.6, 1), 1);
    EXPECT_EQ(CanvasWidget::resolutionFor(1.2, 1), 2);
    EXPECT_EQ(CanvasWidget::resolutionFor(2, 1), 2);
    EXPECT_EQ(CanvasWidget::resolutionFor(1.5, 2), 3) << "a HiDPI screen counts its pixels";
    EXPECT_EQ(CanvasWidget::resolutionFor(6, 1), platform::Canvas::kMaxResolution);
}

TEST(CanvasScale, PressesLandOnTheSquareUnderThePointerAtEveryScale) {
    testsupport::ensureQtApplication();
    platform::Canvas canvas(15600, 12000);
    std::vector<QPointF> presses;
    CanvasWidget widget(canvas, [&](int, double x, double y) { presses.emplace_back(x, y); });
    widget.setNaturalSize(QSizeF(640, 745));
    const auto cellAt = [&](int x, int y) {
        QTest::mouseClick(&widget, Qt::LeftButton, {}, QPoint(x, y));
        return cellOf(presses.back());
    };
    for (double s : {1.0, 1.5, 2.0, 2.5, 3.0}) {
        widget.resize(static_cast<int>(std::ceil(640 * s)), static_cast<int>(std::ceil(745 * s)));
        ASSERT_NEAR(widget.scale(), s, 0.001);
        // Game pixels of edges: column 1 starts at 103, column 10 at 400; row 1 at 165.
        const int left1 = firstPixel(103, s), top1 = firstPixel(165, s);
        EXPECT_EQ(cellAt(left1, top1), QPoint(1, 1)) << "scale " << s;
        EXPECT_EQ(cellAt(left1 - 1, top1 - 1), QPoint(0, 0)) << "scale " << s;
        EXPECT_EQ(cellAt(firstPixel(400, s) - 1, firstPixel(165 + 41 * 9, s) - 1), QPoint(9, 9))
            << "scale " << s;
        // The stands' far cells: the bottom army's cell 13 and the top army's row -3.
        EXPECT_EQ(cellAt(firstPixel(433, s) + 1, firstPixel(165 + 41 * 12, s) + 1), QPoint(11, 13))
            << "scale " << s;
        EXPECT_EQ(cellAt(firstPixel(37, s), firstPixel(1, s)), QPoint(-1, -3)) << "scale " << s;
        EXPECT_EQ(cellAt(firstPixel(37, s) - 1, firstPixel(1, s)), QPoint(-2, -3)) << "scale " << s;
    }
}

class ScaledWindow : public ::testing::Test {
  protected:
    ScaledWindow() {
        testsupport::ensureQtApplication();
        for (const char* name :
             {"その他.wav", "禁止.wav", "駒打音.wav", "中国将棋打音.wav", "消滅.wav", "BGM.wav"})
            folder.write(name, "RIFF-test");
        window = std::make_unique<app::MainWindow>(
            app::WindowSetup{&dialogs, &sound, folder.path().string(), [this] { ++quits; }});
        window->start();
        window->show();
        QApplication::setActiveWindow(window.get());
    }

    // Resizes the window as the player would, to show the game's area at scale s.
    void resizeTo(double s) {
        window->resize(window->sizeFor(s));
        ASSERT_TRUE(QTest::qWaitFor([&] { return window->scale() == s; }))
            << "scale " << window->scale();
    }
    // A left press at the middle of a board square or stand cell, in widget pixels.
    void press(double column, double row) {
        const double top = window->game().options().boardTop;
        const double s = window->scale();
        const QPointF twips(1050 + 495 * (column + 0.5), top + 615 * (row + 0.5));
        QTest::mouseClick(window->canvasWidget(), Qt::LeftButton, {}, (twips / 15 * s).toPoint());
    }
    QAction* action(const char* name) {
        return window->findChild<QAction*>(QString::fromUtf8(name));
    }

    testsupport::TempFolder folder;
    testsupport::ScriptedDialogs dialogs;
    testsupport::FakeSoundLibrary sound;
    int quits = 0;
    std::unique_ptr<app::MainWindow> window;
};

TEST_F(ScaledWindow, AGameIsPlayedWithTheMouseAtTwiceTheSize) {
    resizeTo(2);
    dialogs.expect("先手の番です", " ");
    action("MATCH_MAN")->trigger();
    press(7, 7);  // the bottom 歩 of column 7 ...
    press(7, 6);  // ... one square up
    dialogs.verify();
    const rules::Board& board = window->game().position().board;
    EXPECT_EQ(board(7, 6), rules::自歩);
    EXPECT_EQ(board(7, 7), rules::空);
    EXPECT_EQ(window->game().moves().lastMove, 1);
    press(3, 4);  // the top 卒 of column 3 ...
    press(3, 5);  // ... steps down
    EXPECT_EQ(window->game().position().board(3, 5), rules::敵卒);

    // The window's buffer is painted at twice the resolution, and it shows the moved pawn.
    const QImage grab = window->canvasWidget()->grab().toImage();
    const QPointF pawn = QPointF(1050 + 495 * 7.5, window->game().options().boardTop + 615 * 6.5);
    EXPECT_NE(grab.pixel((pawn / 15 * 2).toPoint()),
              grab.pixel((QPointF(pawn.x(), pawn.y() - 615) / 15 * 2).toPoint()))
        << "the pawn's square differs from the empty square above it";
}

TEST_F(ScaledWindow, TheFilePanelAndTheChineseHandSwitchFollowTheScale) {
    resizeTo(2);
    platform::QtFilePanel& panel = *window->filePanel();
    EXPECT_EQ(panel.directoryList()->pos(), QPoint(32, 80));
    EXPECT_EQ(panel.returnButton()->geometry(), QRect(448, 400, 114, 50));
    EXPECT_EQ(panel.returnButton()->font().pixelSize(), 22);

    // Switching the Chinese hand off and on again shrinks and grows the window by the twips
    // of the stand above the board, at twice their pixels.
    action("CHESS_MOCHIKOMA")->trigger();
    ASSERT_TRUE(window->game().options().chineseDrops);
    const int tall = window->height();
    action("CHESS_MOCHIKOMA")->trigger();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->height() == tall - 3000 / 15 * 2; }))
        << window->height() - tall;
    EXPECT_DOUBLE_EQ(window->scale(), 2);
    EXPECT_DOUBLE_EQ(window->canvasWidget()->scale(), 2);
    action("CHESS_MOCHIKOMA")->trigger();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->height() == tall; }));
    EXPECT_DOUBLE_EQ(window->scale(), 2);
}

TEST_F(ScaledWindow, TheMoveListStepsToARowAndGrowsAndScalesWithTheWindow) {
    resizeTo(2);
    app::MoveListView* list = window->moveList();
    ASSERT_TRUE(list->isVisible()) << "shown on a first run";
    EXPECT_EQ(list->width(), app::MoveListView::kWidthPx * 2);
    EXPECT_EQ(list->font().pixelSize(), 24);

    dialogs.expect("先手の番です", " ");
    action("MATCH_MAN")->trigger();
    press(7, 7);
    press(7, 6);
    press(3, 4);
    press(3, 5);
    ASSERT_EQ(list->rowCount(), 3);
    EXPECT_EQ(list->item(2, 1)->text(), QStringLiteral("７五 卒"));
    EXPECT_EQ(list->currentRow(), 2);
    // The start row has room for the longest handicap label.
    EXPECT_LE(list->fontMetrics().horizontalAdvance(QStringLiteral("開始 ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人")),
              list->visualItemRect(list->item(0, 1)).width() - 12);

    // A click on the start row steps back twice; ↓ and Enter step on to row 1; → on the list
    // steps on as it does anywhere in the window.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0, 1)).center());
    EXPECT_EQ(window->game().moves().currentMove, 0);
    EXPECT_EQ(window->game().position().board(7, 7), rules::自歩);
    EXPECT_EQ(list->currentRow(), 0);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(window->game().moves().currentMove, 0) << "only Enter steps";
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(window->game().moves().currentMove, 1);
    QTest::keyClick(list, Qt::Key_Right);
    EXPECT_EQ(window->game().moves().currentMove, 2);
    EXPECT_EQ(list->currentRow(), 2);
    // ↑ to the start row and Enter step back to the start.
    QTest::keyClick(list, Qt::Key_Up);
    QTest::keyClick(list, Qt::Key_Up);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(window->game().moves().currentMove, 0);
    dialogs.verify();

    // Hidden, the window gives back the list's width at the same scale; shown, takes it again.
    const int wide = window->width();
    action("MOVE_LIST")->trigger();
    EXPECT_FALSE(window->game().options().moveList);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->width() == window->sizeFor(2).width(); }));
    EXPECT_LT(window->width(), wide);
    EXPECT_DOUBLE_EQ(window->scale(), 2);
    action("MOVE_LIST")->trigger();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->width() == wide; }));
    EXPECT_TRUE(list->isVisible());
    EXPECT_DOUBLE_EQ(window->canvasWidget()->scale(), 2);
}

TEST_F(ScaledWindow, TheTimeControlDialogTakesTheWindowsSize) {
    const int normal = app::TimeControlDialog(record::TimeControl{}).fontInfo().pixelSize();
    resizeTo(2);
    int shown = 0;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        shown = dialog->fontInfo().pixelSize();
        dialog->close();
    });
    action("TIME_CONTROL")->trigger();
    EXPECT_NEAR(shown, 2 * normal, 1);
}

TEST_F(ScaledWindow, ArrowKeysStepLikeTheMenuAndOtherKeysAreIgnored) {
    // Before a game the keys answer as 戻 and 進 do.
    dialogs.expect("できません", "戻る");
    QTest::keyClick(window.get(), Qt::Key_Left);
    dialogs.expect("「対局」で始めて下さい", "開始");
    QTest::keyClick(window.get(), Qt::Key_Right);
    dialogs.verify();

    dialogs.expect("先手の番です", " ");
    action("MATCH_MAN")->trigger();
    const double top = window->game().options().boardTop;
    window->game().Form_MouseDown(flow::kLeftButton, 1050 + 495 * 7.5, top + 615 * 7.5);
    window->game().Form_MouseDown(flow::kLeftButton, 1050 + 495 * 7.5, top + 615 * 6.5);
    ASSERT_EQ(window->game().moves().currentMove, 1);
    dialogs.verify();

    // ← takes the move back with the same sound as 戻.
    sound.calls.clear();
    QTest::keyClick(window.get(), Qt::Key_Left);
    EXPECT_EQ(window->game().moves().currentMove, 0);
    EXPECT_EQ(window->game().position().board(7, 7), rules::自歩);
    const auto soundsOfKey = sound.calls;
    action("AFTER")->trigger();
    sound.calls.clear();
    action("REPLAY")->trigger();
    EXPECT_FALSE(soundsOfKey.empty()) << "the move taken back is heard";
    EXPECT_EQ(soundsOfKey, sound.calls);

    // → plays it again, and past the last move says so as 進 does.
    QTest::keyClick(window.get(), Qt::Key_Right);
    EXPECT_EQ(window->game().moves().currentMove, 1);
    EXPECT_EQ(window->game().position().board(7, 6), rules::自歩);
    dialogs.expect("できません", "進む");
    QTest::keyClick(window.get(), Qt::Key_Right);
    dialogs.verify();

    for (Qt::Key key : {Qt::Key_Up, Qt::Key_Down, Qt::Key_Space, Qt::Key_A, Qt::Key_Return})
        QTest::keyClick(window.get(), key);
    EXPECT_EQ(window->game().moves().currentMove, 1);
    EXPECT_EQ(quits, 0);
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_EQ(quits, 1);
}

}  // namespace

TEST_F(ScaledWindow, TheMenusFollowTheScaleAndTheGameKeepsItsArea) {
    const double normal = window->menuBar()->font().pointSizeF();
    const int normalBar = window->menuBar()->sizeHint().height();
    resizeTo(2);
    EXPECT_DOUBLE_EQ(window->menuBar()->font().pointSizeF(), 2 * normal);
    EXPECT_DOUBLE_EQ(window->findChild<QMenu*>("KIFU")->font().pointSizeF(), 2 * normal);
    EXPECT_GT(window->menuBar()->sizeHint().height(), normalBar);
    // The window grew by the bar's new height: the game is still shown at twice its size.
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->canvasWidget()->scale() == 2; }))
        << window->canvasWidget()->scale();
    EXPECT_DOUBLE_EQ(window->scale(), 2);
}
