// The record panel's widgets on the real window: their places over the board's window, the
// folders and files they list, typing, RETURN and a click on a record, all through Qt events.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "app/main_window.h"
#include "flow/game.h"
#include "platform/qt_file_panel.h"
#include "support/gui/fake_sound_library.h"
#include "support/gui/game_rig.h"
#include "support/gui/qt_app.h"
#include "support/gui/scripted_dialogs.h"

using platform::PanelBox;

namespace {

class FilePanelWindow : public ::testing::Test {
  protected:
    FilePanelWindow() {
        testsupport::ensureQtApplication();
        for (const char* name :
             {"その他.wav", "禁止.wav", "駒打音.wav", "中国将棋打音.wav", "消滅.wav", "BGM.wav"})
            folder.write(name, "RIFF-test");
        std::filesystem::create_directory(folder.path() / "sub");
        std::filesystem::create_directory(folder.path() / "sub" / "deeper");
        folder.write("sub/old.棋譜", "a\r\nb\r\nc\r\n");
        window = std::make_unique<app::MainWindow>(
            app::WindowSetup{&dialogs, &sound, folder.path().string(), [this] { ++quits; }});
        window->start();
        window->show();
        QApplication::setActiveWindow(window.get());
    }

    platform::QtFilePanel& panel() { return *window->filePanel(); }
    void trigger(const char* name) {
        window->findChild<QAction*>(QString::fromUtf8(name))->trigger();
    }
    static QStringList items(QListWidget* list) {
        QStringList out;
        for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
        return out;
    }
    static void clickItem(QListWidget* list, const QString& text) {
        const auto found = list->findItems(text, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << text.toStdString();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(found.front()).center());
    }
    // A double click as the window system delivers it: press, release, press, double click,
    // release, 80 ms apart.
    static void doubleClickItem(QListWidget* list, const QString& text) {
        const auto found = list->findItems(text, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << text.toStdString();
        const QPoint at = list->visualItemRect(found.front()).center();
        static quint64 time = 1000000;
        for (const QEvent::Type type :
             {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonPress,
              QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
            const bool down = type != QEvent::MouseButtonRelease;
            QMouseEvent e(type, at, list->viewport()->mapToGlobal(at), Qt::LeftButton,
                          down ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
            e.setTimestamp(time += 80);
            QApplication::sendEvent(list->viewport(), &e);
        }
        time += 5000;
    }
    std::string real(const std::filesystem::path& p) const {
        return std::filesystem::canonical(p).string();
    }

    testsupport::TempFolder folder;
    testsupport::ScriptedDialogs dialogs;
    testsupport::FakeSoundLibrary sound;
    int quits = 0;
    std::unique_ptr<app::MainWindow> window;
};

TEST_F(FilePanelWindow, WidgetsStandAtTheirPlacesAndStartHidden) {
    QWidget* canvas = window->canvasWidget();
    EXPECT_EQ(panel().directoryList()->parentWidget(), canvas);
    EXPECT_EQ(panel().directoryList()->pos(), QPoint(16, 40));
    EXPECT_EQ(panel().fileList()->pos(), QPoint(16, 152));
    EXPECT_EQ(panel().returnButton()->pos(), QPoint(224, 200));
    EXPECT_EQ(panel().returnButton()->text(), "RETURN");
    const char* captions[4] = {"ﾌｧｲﾙ名 ：", "後    手 ：", "先    手 ：", "対 局 名："};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(panel().label(i)->text(), QString::fromUtf8(captions[i])) << i;
        EXPECT_EQ(panel().label(i)->pos(), QPoint(8, 208 - 16 * i)) << i;
    }
    EXPECT_EQ(panel().box(PanelBox::GameName)->pos(), QPoint(64, 160));
    EXPECT_EQ(panel().box(PanelBox::Sente)->pos(), QPoint(64, 176));
    EXPECT_EQ(panel().box(PanelBox::Gote)->pos(), QPoint(64, 192));
    EXPECT_EQ(panel().box(PanelBox::FileName)->pos(), QPoint(64, 208));

    for (QWidget* w : canvas->findChildren<QWidget*>()) EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(panel().directoryPath(), real(folder.path())) << "it starts in the run folder";
}

TEST_F(FilePanelWindow, SavedInAFolderEnteredByAClickAndLoadedByAClick) {
    dialogs.expect("先手の番です", " ");
    trigger("MATCH_MAN");
    const double top = window->game().options().boardTop;
    window->game().Form_MouseDown(flow::kLeftButton, 1050 + 495 * 7 + 200, top + 615 * 7 + 300);
    window->game().Form_MouseDown(flow::kLeftButton, 1050 + 495 * 7 + 200, top + 615 * 6 + 300);
    ASSERT_EQ(window->game().moves().lastMove, 1);

    trigger("KIFU_WRITE");
    EXPECT_TRUE(panel().directoryList()->isVisible());
    EXPECT_FALSE(panel().fileList()->isVisible());
    EXPECT_TRUE(panel().box(PanelBox::FileName)->isVisible());
    EXPECT_EQ(items(panel().directoryList()), (QStringList{"..", "sub"}));

    clickItem(panel().directoryList(), "sub");
    EXPECT_EQ(panel().directoryPath(), real(folder.path() / "sub"));
    EXPECT_EQ(panel().filePath(), panel().directoryPath()) << "the file list follows";
    EXPECT_EQ(items(panel().directoryList()), (QStringList{"..", "deeper"}));

    panel().box(PanelBox::GameName)->setText(QString::fromUtf8("練習"));
    QTest::keyClicks(panel().box(PanelBox::FileName), "mine");
    QTest::keyClick(panel().box(PanelBox::FileName), Qt::Key_Escape);
    EXPECT_EQ(quits, 0) << "Esc in a box does not end the game";
    dialogs.expect("棋譜を書き込みました", "  ");
    QTest::mouseClick(panel().returnButton(), Qt::LeftButton);
    dialogs.verify();
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "sub" / "mine.棋譜"));
    EXPECT_FALSE(panel().box(PanelBox::FileName)->isVisible());
    EXPECT_EQ(panel().box(PanelBox::GameName)->text(), "");

    trigger("KIFU_READ");
    EXPECT_TRUE(panel().fileList()->isVisible());
    EXPECT_FALSE(panel().returnButton()->isVisible());
    EXPECT_EQ(items(panel().fileList()), (QStringList{"mine.棋譜", "old.棋譜"}));
    dialogs.expect(" 読み込みました", "棋譜");
    dialogs.expect("棋譜を '進 'で進めて下さい", "棋譜");
    panel().fileList()->setFocus();
    clickItem(panel().fileList(), "mine.棋譜");
    dialogs.verify();
    EXPECT_FALSE(panel().fileList()->isVisible());
    EXPECT_TRUE(window->game().state().kifuMode);
    EXPECT_EQ(window->game().moves().lastMove, 1);

    // With the panel gone, Esc reaches the window again.
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus != nullptr ? focus : window.get(), Qt::Key_Escape);
    EXPECT_EQ(quits, 1);
}

TEST_F(FilePanelWindow, ADoubleClickEntersOneFolderAndTheParentLeadsBack) {
    trigger("KIFU_READ");
    doubleClickItem(panel().directoryList(), "sub");
    EXPECT_EQ(panel().directoryPath(), real(folder.path() / "sub"));
    EXPECT_EQ(items(panel().fileList()), (QStringList{"old.棋譜"}));
    clickItem(panel().directoryList(), "..");
    EXPECT_EQ(panel().directoryPath(), real(folder.path()));
    EXPECT_TRUE(items(panel().fileList()).isEmpty());
}

}  // namespace
