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

    Answer show(const std::string& text, const std::string& title, Buttons buttons,
                Icon icon = Icon::None) override;

  private:
    QPointer<QWidget> parent_;
};

}  // namespace platform
