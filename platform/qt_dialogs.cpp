#include "platform/qt_dialogs.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QScreen>
#include <cmath>

namespace platform {

namespace {

// A box that asks a question is answered by one of its buttons and nothing else: Esc and the
// frame's close button would otherwise answer "No", which ends the program on "続けますか？".
// Every box opens centred on the window it belongs to, even one asked before the window is
// first shown, whose place the window system has not settled yet.
class ButtonsOnlyBox : public QMessageBox {
  public:
    using QMessageBox::QMessageBox;
    bool buttonsOnly = false;

  protected:
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);  // takes its final size
        const QWidget* owner = parentWidget() != nullptr ? parentWidget()->window() : nullptr;
        QRect over = owner != nullptr ? owner->geometry() : QRect();
        if (over.isEmpty() && screen() != nullptr) over = screen()->availableGeometry();
        if (!over.isEmpty()) move(over.center() - rect().center());
    }
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
    if (scale_ != 1) {
        QFont font = box.font();
        if (font.pointSizeF() > 0) {
            font.setPointSizeF(font.pointSizeF() * scale_);
        } else {
            font.setPixelSize(static_cast<int>(std::lround(font.pixelSize() * scale_)));
        }
        box.setFont(font);
    }
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
