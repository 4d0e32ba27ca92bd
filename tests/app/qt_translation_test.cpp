#include "app/qt_translation.h"

#include <gtest/gtest.h>

#include <QMessageBox>
#include <QPushButton>

#include "support/gui/qt_app.h"

namespace {

// The buttons Qt names itself read in Japanese once its Japanese translation is in.
TEST(QtTranslation, JapaneseNamesTheStandardButtons) {
    testsupport::ensureQtApplication();
    ASSERT_TRUE(app::installQtTranslation(QStringLiteral("ja")));
    ASSERT_TRUE(app::installQtTranslation(QStringLiteral("ja"))) << "a second call replaces it";
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Ok);
    EXPECT_TRUE(box.button(QMessageBox::Yes)->text().startsWith(QStringLiteral("はい")));
    EXPECT_TRUE(box.button(QMessageBox::No)->text().startsWith(QStringLiteral("いいえ")));
    EXPECT_EQ(box.button(QMessageBox::Ok)->text(), QStringLiteral("OK"));
    EXPECT_FALSE(app::installQtTranslation(QStringLiteral("xx")));
}

}  // namespace
