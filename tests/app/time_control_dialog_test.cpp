#include "app/time_control_dialog.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QSpinBox>

#include "support/gui/qt_app.h"

namespace {

using record::TimeControl;
using record::TimeControlKind;

// The dialog shows the control it opens with, a ready-made one fills the fields, and OK takes
// only a control that can be played.
TEST(TimeControlDialog, ShowsPresetsAndRefusesAnUnplayableControl) {
    testsupport::ensureQtApplication();
    const TimeControl byoyomi{TimeControlKind::Byoyomi, 90, 30};
    app::TimeControlDialog dialog(byoyomi);
    EXPECT_EQ(dialog.chosen(), byoyomi);

    const auto buttons = dialog.findChildren<QPushButton*>();
    for (QPushButton* b : buttons)
        if (b->text() == "3分+1手2秒加算") b->click();
    EXPECT_EQ(dialog.chosen(), (TimeControl{TimeControlKind::Increment, 180, 2}));

    QPushButton* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    EXPECT_TRUE(ok->isEnabled());
    dialog.showControl({TimeControlKind::SuddenDeath, 0});
    EXPECT_FALSE(ok->isEnabled()) << "sudden death with no time";
}

}  // namespace
