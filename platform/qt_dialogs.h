// Message boxes as QMessageBox.
#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/dialogs.h"

namespace platform {

class QtDialogs : public Dialogs {
  public:
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    // The window's scale: a box's text and buttons grow with it. Boxes open centred on the
    // parent's window.
    void setScale(double scale) { scale_ = scale > 0 ? scale : 1; }

    Answer show(const std::string& text, const std::string& title, Buttons buttons,
                Icon icon = Icon::None) override;

  private:
    QPointer<QWidget> parent_;
    double scale_ = 1;
};

}  // namespace platform
