#include "platform/qt_dialogs.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>

namespace platform {

namespace {

// A box that asks a question is answered by one of its buttons and nothing else: Esc and the
// frame's close button would otherwise answer "No", which ends the program on "続けますか？".
class ButtonsOnlyBox : public QMessageBox {
  public:
    using QMessageBox::QMessageBox;
    bool buttonsOnly = false;

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (buttonsOnly && event->matches(QKeySequence::Cancel)) {
            event->accept();
            return;
        }
        QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent* event) override {
        if (buttonsOnly) {
            event->ignore();
            return;
        }
        QMessageBox::closeEvent(event);
    }
};

}  // namespace

Answer QtDialogs::show(const std::string& text, const std::string& title, Buttons buttons,
                       Icon icon) {
    // The game joins lines with a carriage return; the box wants new lines.
    QString body = QString::fromStdString(text);
    body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    body.replace(QLatin1Char('\r'), QLatin1Char('\n'));

    ButtonsOnlyBox box(icon == Icon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon,
                       QString::fromStdString(title), body, QMessageBox::NoButton, parent_);
    if (buttons == Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.buttonsOnly = true;
        box.setWindowFlag(Qt::WindowCloseButtonHint, false);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    const int pressed = box.exec();
    if (buttons == Buttons::YesNo) return pressed == QMessageBox::Yes ? Answer::Yes : Answer::No;
    return Answer::Ok;
}

}  // namespace platform
