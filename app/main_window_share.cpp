// The 棋譜 menu's entries for sharing a game: the position and the record copied as text, a
// paste of either, and a picture of the board saved as PNG or copied as an image.
#include <QAction>
#include <QFileDialog>
#include <QKeySequence>
#include <QMenu>

#include "app/board_picture.h"
#include "app/main_window.h"
#include "flow/game.h"
#include "platform/dialogs.h"
#include "platform/translation.h"

namespace app {

void MainWindow::addShareItems(QMenu* kifu, QAction* before) {
    const char* saveCaption = KZ_TEXT("Menu", "盤面画像を保存");
    auto* save = new QAction(platform::translatedQ("Menu", saveCaption), kifu);
    save->setObjectName(QStringLiteral("SAVE_PICTURE"));
    captions_.emplace_back(save, saveCaption);
    kifu->insertAction(before, save);
    connect(save, &QAction::triggered, this, [this] { saveBoardPicture(); });

    // The picture is copied by its keys alone.
    auto* copy = new QAction(this);
    copy->setObjectName(QStringLiteral("COPY_PICTURE"));
    copy->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    addAction(copy);
    connect(copy, &QAction::triggered, this, [this] { copyBoardPicture(); });
}

void MainWindow::saveBoardPicture() {
    const QString path =
        QFileDialog::getSaveFileName(this, platform::translatedQ("Menu", "盤面画像を保存"),
                                     QStringLiteral("board.png"), QStringLiteral("PNG (*.png)"));
    if (path.isEmpty()) return;
    if (!boardPicture(canvas_, view_->naturalSize()).save(path, "PNG")) {
        const std::string message = platform::translated("Game", "画像を保存できません: %1");
        dialogs_->show(QString::fromStdString(message).arg(path).toStdString(),
                       platform::translated("Menu", "盤面画像を保存"), platform::Buttons::Ok,
                       platform::Icon::Warning);
    }
}

void MainWindow::copyBoardPicture() {
    clipboard_.setImage(boardPicture(canvas_, view_->naturalSize()));
}

}  // namespace app
