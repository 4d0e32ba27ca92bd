#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTableWidget>
#include <QTest>

#include "app/main_window.h"
#include "flow/game.h"
#include "platform/qt_file_panel.h"
#include "support/gui/fake_sound_library.h"
#include "support/gui/game_rig.h"
#include "support/gui/qt_app.h"
#include "support/gui/scripted_dialogs.h"

using testsupport::FakeSoundLibrary;

namespace {

class MainWindowTest : public ::testing::Test {
  protected:
    MainWindowTest() {
        testsupport::ensureQtApplication();
        for (const char* name :
             {"その他.wav", "禁止.wav", "駒打音.wav", "中国将棋打音.wav", "消滅.wav", "BGM.wav"})
            folder.write(name, "RIFF-test");
        window = std::make_unique<app::MainWindow>(
            app::WindowSetup{&dialogs, &sound, folder.path().string(), [this] {
                                 ++quits;
                                 callsAtQuit = sound.calls.size();
                             }});
        window->start();
    }

    QAction* action(const char* name) {
        return window->findChild<QAction*>(QString::fromUtf8(name));
    }
    // The captions of a menu's entries shown, in order; a submenu shows as "caption{...}", a
    // greyed entry as "(caption)".
    static QString layout(const QList<QAction*>& actions) {
        QStringList out;
        for (QAction* a : actions) {
            if (a->isSeparator() || !a->isVisible()) continue;
            QString s = a->isEnabled() ? a->text() : "(" + a->text() + ")";
            if (a->menu()) s += "{" + layout(a->menu()->actions()) + "}";
            out << s;
        }
        return out.join(",");
    }
    void expectOrderlyEnd() {
        std::vector<std::int64_t> freed;
        for (int i = 0; i < 6; ++i) freed.push_back(FakeSoundLibrary::kFirstId + i);
        EXPECT_EQ(sound.argsOf("dsFree"), freed);
        EXPECT_EQ(sound.argsOf("dsTerminate"),
                  std::vector<std::int64_t>{FakeSoundLibrary::kHandle});
        EXPECT_EQ(quits, 1);
        EXPECT_EQ(callsAtQuit, sound.calls.size());
    }

    testsupport::TempFolder folder;
    testsupport::ScriptedDialogs dialogs;
    FakeSoundLibrary sound;
    int quits = 0;
    std::size_t callsAtQuit = 0;
    std::unique_ptr<app::MainWindow> window;
};

TEST_F(MainWindowTest, MenuBarHasEveryItemInOrderWithItsCaption) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("KZ ソラワ"));
    EXPECT_EQ(
        layout(window->menuBar()->actions()),
        QStringLiteral(
            "対局{対局(人間),対局(COM),COM対局ﾚﾍﾞﾙ{LEVEL1,LEVEL2,LEVEL3,LEVEL4},終わり,ヒント},"
            "局面{最初,反転,局面編集},戻,進,△,▽,棋譜{読込,書込},"
            "ｵﾌﾟｼｮﾝ{背景画{緑,畳,竹,宇宙,煉瓦},移動指導,経過時間,中国側持駒OK,BGM,"
            "棋譜一覧,言語 / Language{日本語,English}},"
            "その他"));
    for (const char* name : {"REPLAY", "AFTER", "LBEL_UP", "LEBEL_DOWN", "VER"}) {
        ASSERT_NE(action(name), nullptr) << name;
        EXPECT_EQ(action(name)->menu(), nullptr) << name << " acts at a click";
    }
}

// English captions every menu and the file panel at once; Japanese puts back every caption as
// it was. The language submenu and each language read the same in both.
// Edit mode shows its own items and greys what would start, step or load a game; 完了 or 取消
// puts the menus back.
TEST_F(MainWindowTest, EditModeHasItsOwnItems) {
    action("ENGLISH")->trigger();
    const QString playing = layout(window->menuBar()->actions());
    action("EDIT_POSITION")->trigger();
    const QString editing = layout(window->menuBar()->actions());
    EXPECT_TRUE(editing.startsWith(
        "(Game){Game (human),Game (computer),Computer level{LEVEL1,LEVEL2,LEVEL3,LEVEL4},Quit,"
        "Hint},(Position){Start,Flip,Edit position},Start position,Clear,Side to move,Flip,Done,"
        "Cancel,(Back),(Forward),(△),(▽),(Record){Load,Save},Options{"))
        << editing.toStdString();
    action("EDIT_CANCEL")->trigger();
    EXPECT_EQ(layout(window->menuBar()->actions()), playing);
}

TEST_F(MainWindowTest, TheLanguageItemsCaptionTheWindowAgain) {
    const QString japanese = layout(window->menuBar()->actions());
    EXPECT_TRUE(action("JAPANESE")->isChecked());
    action("ENGLISH")->trigger();
    EXPECT_TRUE(action("ENGLISH")->isChecked());
    EXPECT_FALSE(action("JAPANESE")->isChecked());
    EXPECT_EQ(layout(window->menuBar()->actions()),
              QStringLiteral(
                  "Game{Game (human),Game (computer),Computer "
                  "level{LEVEL1,LEVEL2,LEVEL3,LEVEL4},Quit,Hint},"
                  "Position{Start,Flip,Edit position},Back,Forward,△,▽,Record{Load,Save},"
                  "Options{Background{Green,Tatami,Bamboo,Space,Brick},Move guide,Elapsed time,"
                  "Chinese drops,BGM,Move list,言語 / Language{日本語,English}},About"));
    QStringList captions;
    for (int i = 0; i < 4; ++i) captions << window->filePanel()->label(i)->text();
    EXPECT_EQ(captions.join(","), "File:,Second:,First:,Game:");
    auto* list = window->findChild<QTableWidget*>(QStringLiteral("MOVE_LIST_VIEW"));
    EXPECT_EQ(list->horizontalHeaderItem(1)->text(), "Move");
    EXPECT_EQ(list->item(0, 1)->text(), "Start");

    action("JAPANESE")->trigger();
    EXPECT_EQ(layout(window->menuBar()->actions()), japanese);
    EXPECT_EQ(window->filePanel()->label(0)->text(), QStringLiteral("ﾌｧｲﾙ名 ："));
}

TEST_F(MainWindowTest, CheckMarksFollowTheGameNotTheClick) {
    const auto ticked = [&] {
        QStringList on;
        for (const char* name : {"LEVEL1", "LEVEL2", "LEVEL3", "LEVEL4", "MIDORI", "TATAMI", "TAKE",
                                 "UCHU", "RENGA", "SIDOU", "KEIKA", "CHESS_MOCHIKOMA", "BGM"})
            if (action(name)->isChecked()) on << name;
        return on.join(",");
    };
    // A first run: 緑, elapsed time and music ticked, level 3.
    EXPECT_EQ(ticked(), "LEVEL3,MIDORI,KEIKA,BGM");

    action("LEVEL3")->trigger();  // already ticked: stays ticked
    action("MIDORI")->trigger();
    EXPECT_EQ(ticked(), "LEVEL3,MIDORI,KEIKA,BGM");

    action("LEVEL1")->trigger();
    action("TAKE")->trigger();
    action("SIDOU")->trigger();
    action("BGM")->trigger();
    EXPECT_EQ(ticked(), "LEVEL1,TAKE,SIDOU,KEIKA");
    EXPECT_EQ(window->game().state().comLevel, 1);

    action("LEVEL4")->trigger();
    EXPECT_EQ(ticked(), "LEVEL4,TAKE,SIDOU,KEIKA");
    EXPECT_EQ(window->game().state().comLevel, 4);
}

TEST_F(MainWindowTest, MenuItemsReachTheirRoutines) {
    dialogs.expect("先手の番です", " ");
    action("MATCH_MAN")->trigger();
    EXPECT_EQ(window->game().state().sideToMove, rules::SENTE);

    sound.calls.clear();
    dialogs.expect(
        "KZ ソラワ  Version 1.0    [2/2000]\r\rKZ ソラワ 制作室\r\rHome page\r"
        "https://kzsorawa.example.jp/\r\re-mail\rkzsorawa@example.jp",
        "KZ ソラワ");
    action("VER")->trigger();
    EXPECT_EQ(sound.argsOf("dsPlay"), std::vector<std::int64_t>{FakeSoundLibrary::kFirstId});
}

TEST_F(MainWindowTest, PressesOnTheCanvasReachTheGameInTwips) {
    std::vector<std::tuple<int, double, double>> presses;
    platform::Canvas canvas(1500, 1500);
    app::CanvasWidget widget(canvas,
                             [&](int b, double x, double y) { presses.emplace_back(b, x, y); });
    widget.resize(100, 100);
    QTest::mouseClick(&widget, Qt::LeftButton, {}, QPoint(70, 20));
    QTest::mouseClick(&widget, Qt::RightButton, {}, QPoint(3, 99));
    ASSERT_EQ(presses.size(), 2u);
    EXPECT_EQ(presses[0], std::make_tuple(1, 1050.0, 300.0));
    EXPECT_EQ(presses[1], std::make_tuple(2, 45.0, 1485.0));

    // On the real window a press before any game is refused.
    dialogs.expect("「対局」で始めて下さい", "開始");
    QTest::mouseClick(window->canvasWidget(), Qt::LeftButton, {}, QPoint(200, 300));
}

TEST_F(MainWindowTest, EndsThroughOwari) {
    action("OWARI")->trigger();
    expectOrderlyEnd();
}

TEST_F(MainWindowTest, EndsThroughEscape) {
    QTest::keyClick(window.get(), Qt::Key_A);
    EXPECT_EQ(quits, 0);
    QTest::keyClick(window.get(), Qt::Key_Escape);
    expectOrderlyEnd();
}

TEST_F(MainWindowTest, EndsWhenTheWindowIsClosed) {
    window->show();
    window->close();
    expectOrderlyEnd();
}

}  // namespace
