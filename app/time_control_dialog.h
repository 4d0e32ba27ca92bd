// ｵﾌﾟｼｮﾝ → 持ち時間…: the player picks the time control of the games to come, by its kind and
// times or from the ready-made ones.
#pragma once

#include <QDialog>

#include "record/time_control.h"

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QSpinBox;

namespace app {

class TimeControlDialog : public QDialog {
    Q_OBJECT
  public:
    explicit TimeControlDialog(const record::TimeControl& current, QWidget* parent = nullptr);

    // The control the fields show now.
    record::TimeControl chosen() const;
    // Fills the fields with a control.
    void showControl(const record::TimeControl& control);

  private:
    // Fields that mean nothing for the kind chosen are disabled, and OK only takes a control
    // that can be played.
    void follow();

    QComboBox* kind_;
    QSpinBox* minutes_;
    QSpinBox* seconds_;
    QLabel* extraLabel_;
    QSpinBox* extra_;
    QDialogButtonBox* buttons_;
};

// A control as the player reads it in the dialog's list of ready-made ones ("10分+30秒").
QString timeControlCaption(const record::TimeControl& control);

}  // namespace app
