#include <gtest/gtest.h>

#include <QApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QFontInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <ctime>

#include "platform/qt_dialogs.h"
#include "platform/system_clock.h"
#include "support/gui/qt_app.h"

using namespace platform;

namespace {

double processSeconds() {
    return double(std::clock()) / CLOCKS_PER_SEC;
}

TEST(SystemDayClock, PauseWaitsWithoutSpinningAndKeepsTheLoopRunning) {
    testsupport::ensureQtApplication();
    SystemDayClock clock;
    bool timerRan = false;
    bool pausingSeen = false;
    QTimer::singleShot(20, [&] {
        timerRan = true;
        pausingSeen = clock.pausing();
    });
    QElapsedTimer wall;
    wall.start();
    const double cpu = processSeconds();
    clock.pause(0.15);
    EXPECT_GE(wall.elapsed(), 145);
    EXPECT_LT(processSeconds() - cpu, 0.08) << "the pause must not spin the processor";
    EXPECT_TRUE(timerRan) << "painting and timers go on during a pause";
    EXPECT_TRUE(pausingSeen);
    EXPECT_FALSE(clock.pausing());

    const double now = clock.secondsSinceMidnight();
    EXPECT_GE(now, 0.0);
    EXPECT_LT(now, 86400.0);
}

TEST(SystemDayClock, TellsTodaysDateWithTheTimeOfDay) {
    SystemDayClock clock;
    const QDate today = QDate::currentDate();
    const LocalDateTime t = clock.dateAndTime();
    const double seconds = clock.secondsSinceMidnight();
    if (QDate::currentDate() != today) GTEST_SKIP() << "midnight passed";
    EXPECT_EQ(QDate(t.year, t.month, t.day), today);
    EXPECT_NEAR(t.hour * 3600 + t.minute * 60 + t.second, seconds, 1.5);
}

TEST(QtTimer, TicksWhileEnabledAndStopsWhenDisabled) {
    testsupport::ensureQtApplication();
    int ticks = 0;
    QtTimer timer([&] { ++ticks; });
    EXPECT_FALSE(timer.enabled());
    timer.setEnabled(true);
    EXPECT_TRUE(timer.enabled());
    QElapsedTimer wall;
    wall.start();
    while (ticks < 3 && wall.elapsed() < 3000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_GE(ticks, 3);
    timer.setEnabled(false);
    const int stopped = ticks;
    wall.restart();
    while (wall.elapsed() < 120) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_EQ(ticks, stopped);
}

// Answers the next message box by pressing one of its buttons, and remembers what it showed.
struct BoxAnswerer {
    explicit BoxAnswerer(QMessageBox::StandardButton button) : press(button) {}
    QMessageBox::StandardButton press;
    QString text, title;
    bool hadWarningIcon = false;
    QFont font;
    QRect geometry;
    // Esc and the frame's close button are tried first; whether the box stayed open after them.
    bool tryEscapeAndClose = false;
    bool stayedOpen = false;
    void arm() {
        QTimer::singleShot(0, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) {
                arm();  // not open yet
                return;
            }
            text = box->text();
            title = box->windowTitle();
            hadWarningIcon = box->icon() == QMessageBox::Warning;
            font = box->button(press)->font();
            geometry = box->geometry();
            if (tryEscapeAndClose) {
                QTest::keyClick(box, Qt::Key_Escape);
                box->close();
                stayedOpen = box->isVisible();
            }
            box->button(press)->click();
        });
    }
};

TEST(QtDialogs, ShowsTextTitleAndButtonsAndReportsTheAnswer) {
    testsupport::ensureQtApplication();
    QtDialogs dialogs;

    BoxAnswerer no(QMessageBox::No);
    no.arm();
    EXPECT_EQ(dialogs.show("続けますか？", "再ゲーム", Buttons::YesNo), Answer::No);
    EXPECT_EQ(no.text, QStringLiteral("続けますか？"));
    EXPECT_EQ(no.title, QStringLiteral("再ゲーム"));

    // Only the two buttons answer a question: Esc and closing the box leave it open.
    BoxAnswerer yes(QMessageBox::Yes);
    yes.tryEscapeAndClose = true;
    yes.arm();
    EXPECT_EQ(dialogs.show("棋譜を '進 'で進めて下さい", "棋譜", Buttons::YesNo), Answer::Yes);
    EXPECT_TRUE(yes.stayedOpen);

    BoxAnswerer ok(QMessageBox::Ok);
    ok.arm();
    EXPECT_EQ(dialogs.show("一行目\r\r三行目", "KZソラワ.dll", Buttons::Ok, Icon::Warning),
              Answer::Ok);
    EXPECT_EQ(ok.text, QStringLiteral("一行目\n\n三行目"));
    EXPECT_TRUE(ok.hadWarningIcon);
}

TEST(QtDialogs, ABoxTakesTheWindowsScaleAndOpensCentredOnIt) {
    testsupport::ensureQtApplication();
    QWidget window;
    window.setGeometry(300, 200, 900, 700);
    QtDialogs dialogs(&window);
    BoxAnswerer plain(QMessageBox::Ok), large(QMessageBox::Ok);
    plain.arm();
    dialogs.show("先手の番です", " ", Buttons::Ok);
    dialogs.setScale(2.5);
    large.arm();
    dialogs.show("先手の番です", " ", Buttons::Ok);
    EXPECT_NEAR(QFontInfo(large.font).pixelSize(), 2.5 * QFontInfo(plain.font).pixelSize(), 1);
    EXPECT_GT(large.geometry.width(), 1.6 * plain.geometry.width());
    EXPECT_LE((large.geometry.center() - window.geometry().center()).manhattanLength(), 4);
}

}  // namespace
