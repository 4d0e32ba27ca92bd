#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QTableWidget>
#include <QTest>
#include <cmath>

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
            "対局{対局(人間),対局(COM),COM対局ﾚﾍﾞﾙ{LEVEL1,LEVEL2,LEVEL3,LEVEL4,LEVEL5},終わり,"
            "ヒント},"
            "局面{最初,反転,局面編集},戻,進,△,▽,棋譜{読込,書込,局面をコピー,棋譜をコピー,貼り付け,"
            "盤面画像を保存,棋譜解析},"
            "ｵﾌﾟｼｮﾝ{背景画{緑,畳,竹,宇宙,煉瓦},移動指導,経過時間,中国側持駒OK,BGM,"
            "棋譜一覧,持ち時間…,言語 / Language{日本語,English},駒の種類{漢字,International}},"
            "その他,ヘルプ{駒の動き}"));
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
        "(Game){Game (human),Game (computer),Computer "
        "level{LEVEL1,LEVEL2,LEVEL3,LEVEL4,LEVEL5},Quit,"
        "Hint},(Position){Start,Flip,Edit position},Start position,Clear,Side to move,Flip,Done,"
        "Cancel,(Back),(Forward),(△),(▽),(Record){Load,Save,Copy position,Copy record,Paste,"
        "Save board picture…,Analyse game},Options{"))
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
                  "level{LEVEL1,LEVEL2,LEVEL3,LEVEL4,LEVEL5},Quit,Hint},"
                  "Position{Start,Flip,Edit position},Back,Forward,△,▽,Record{Load,Save,Copy "
                  "position,Copy record,"
                  "Paste,Save board picture…,Analyse game},"
                  "Options{Background{Green,Tatami,Bamboo,Space,Brick},Move guide,Elapsed time,"
                  "Chinese drops,BGM,Move list,Time control…,言語 / Language{日本語,English},"
                  "Pieces{Kanji,International}},About,Help{How the pieces move}"));
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

// The legend names every kind in the language in use, beside its picture in the set in use.
TEST_F(MainWindowTest, TheLegendOpensInTheLanguageAndPieceSetInUse) {
    action("ENGLISH")->trigger();
    action("INTERNATIONAL_PIECES")->trigger();
    EXPECT_TRUE(action("INTERNATIONAL_PIECES")->isChecked());
    action("LEGEND")->trigger();
    auto* legend = window->findChild<QWidget*>(QStringLiteral("LEGEND_WINDOW"));
    ASSERT_NE(legend, nullptr);
    EXPECT_TRUE(legend->isVisible());
    EXPECT_EQ(legend->windowTitle(), "How the pieces move");
    const QList<QLabel*> labels = legend->findChildren<QLabel*>();
    const QImage pawn = window->game()
                            .screen()
                            .pictures()
                            .scalable(view::Picture::SITA_HU, platform::PieceSet::International)
                            ->at(1);
    QStringList names;
    int pictures = 0;
    bool shown = false;
    for (QLabel* label : labels) {
        names << label->text();
        pictures += !label->pixmap().isNull();
        shown = shown || label->pixmap().toImage().convertToFormat(pawn.format()) == pawn;
    }
    for (const char* name : {"King", "Promoted pawn", "Marshal", "Foot soldier"})
        EXPECT_TRUE(names.contains(name)) << name;
    EXPECT_EQ(pictures, 2 * 21) << "a picture and a diagram for each kind";
    EXPECT_TRUE(shown) << "the pawn in the international set";
}

// The picture copied by Ctrl+Shift+C is the game's area at twice its natural size, and Ctrl+C
// copies the position as text.
TEST_F(MainWindowTest, SharingKeysCopyThePictureAndThePosition) {
    EXPECT_EQ(action("COPY_PICTURE")->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    EXPECT_EQ(action("COPY_POSITION")->shortcut(), QKeySequence(QKeySequence::Copy));
    EXPECT_EQ(action("PASTE")->shortcut(), QKeySequence(QKeySequence::Paste));
    action("COPY_PICTURE")->trigger();
    const QSizeF natural = window->canvasWidget()->naturalSize();
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(),
              QSize(std::lround(natural.width()) * 2, std::lround(natural.height()) * 2));
    action("COPY_POSITION")->trigger();
    EXPECT_TRUE(QGuiApplication::clipboard()->text().endsWith(" b - 1"));
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

namespace {

TEST_F(MainWindowTest, TheReviewCaptionsItsItemAndFillsTheListAndTheGraph) {
    action("KIFU_ANALYSE")->trigger();
    EXPECT_EQ(action("KIFU_ANALYSE")->text(), QStringLiteral("解析中止"));
    EXPECT_TRUE(window->windowTitle().contains(QStringLiteral("解析中 "))) << "the progress shows";
    auto* bar = window->findChild<QProgressBar*>(QStringLiteral("REVIEW_PROGRESS"));
    EXPECT_FALSE(bar->isHidden());
    EXPECT_EQ(bar->text(), QStringLiteral("解析中 0 / 1"));
    for (int i = 0; i < 3000 && window->game().recordView().analysing(); ++i) QTest::qWait(10);
    ASSERT_FALSE(window->game().recordView().analysing());
    EXPECT_EQ(action("KIFU_ANALYSE")->text(), QStringLiteral("棋譜解析"));
    EXPECT_TRUE(bar->isHidden());

    const std::vector<flow::ReviewRow> rows = window->game().recordView().reviewRows();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(window->reviewGraph()->points(),
              (std::vector<std::optional<double>>{rows[0].graphScore}));
    EXPECT_EQ(window->moveList()->item(0, 3)->text().toStdString(), rows[0].score);
}

}  // namespace
