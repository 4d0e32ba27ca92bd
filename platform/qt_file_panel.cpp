#include "platform/qt_file_panel.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyleHints>
#include <algorithm>
#include <cmath>

#include "platform/canvas.h"
#include "platform/translation.h"

namespace platform {

namespace {

const QString kParent = QStringLiteral("..");
const QString kRecordPattern = QStringLiteral("*.棋譜");

// The text of every widget of the panel, in game pixels.
constexpr int kTextPixels = 11;

QString absoluteFolder(const QString& path) {
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

// Label1's captions by item, and the twips row each item and its box stand on.
struct Row {
    const char* caption;
    int top;
    PanelBox box;
};
constexpr Row kRows[4] = {
    {KZ_TEXT("FilePanel", "ﾌｧｲﾙ名 ："), 3120, PanelBox::FileName},
    {KZ_TEXT("FilePanel", "後    手 ："), 2880, PanelBox::Gote},
    {KZ_TEXT("FilePanel", "先    手 ："), 2640, PanelBox::Sente},
    {KZ_TEXT("FilePanel", "対 局 名："), 2400, PanelBox::GameName},
};

constexpr int kListLeft = 240;
constexpr int kListWidth = 3000;
constexpr int kLabelLeft = 120;
constexpr int kBoxLeft = 960;
constexpr int kBoxWidth = 2340;
constexpr int kRowHeight = 240;

}  // namespace

QtFilePanel::QtFilePanel(QWidget* parent, const std::string& folder)
    : QObject(parent),
      dirPath_(absoluteFolder(QString::fromStdString(folder))),
      filePath_(dirPath_) {
    dirList_ = new QListWidget(parent);
    dirList_->setObjectName(QStringLiteral("Dir1"));
    place(dirList_, kListLeft, 600, kListWidth, 1560);
    fileList_ = new QListWidget(parent);
    fileList_->setObjectName(QStringLiteral("File1"));
    place(fileList_, kListLeft, 2280, kListWidth, 1500);
    for (QListWidget* list : {dirList_, fileList_}) {
        list->viewport()->installEventFilter(this);
        list->installEventFilter(this);
    }
    connect(dirList_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        justEntered_ = true;
        enteredAt_ = lastRelease_;
        enterFolder(item->text());
    });
    connect(fileList_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { clickFile(item); });

    for (int i = 0; i < 4; ++i) {
        const Row& row = kRows[i];
        auto* label = new QLabel(translatedQ("FilePanel", row.caption), parent);
        // The caption follows a change of language.
        label->installEventFilter(this);
        label->setObjectName(QStringLiteral("Label1_%1").arg(i));
        label->setAutoFillBackground(true);
        place(label, kLabelLeft, row.top, kBoxLeft - kLabelLeft, kRowHeight);
        labels_[i] = label;

        auto* box = new QLineEdit(parent);
        box->setTextMargins(0, 0, 0, 0);
        box->installEventFilter(this);
        place(box, kBoxLeft, row.top, kBoxWidth, kRowHeight);
        boxes_[static_cast<int>(row.box)] = box;
    }
    boxes_[static_cast<int>(PanelBox::FileName)]->setObjectName(QStringLiteral("Text1"));
    boxes_[static_cast<int>(PanelBox::GameName)]->setObjectName(QStringLiteral("Text2"));
    boxes_[static_cast<int>(PanelBox::Sente)]->setObjectName(QStringLiteral("Text3"));
    boxes_[static_cast<int>(PanelBox::Gote)]->setObjectName(QStringLiteral("Text4"));

    button_ = new QPushButton(QStringLiteral("RETURN"), parent);
    button_->setObjectName(QStringLiteral("Command1"));
    place(button_, 3360, 3000, 855, 375);
    connect(button_, &QPushButton::clicked, this, [this] {
        if (onReturn) onReturn();
    });

    setScale(1);
    fillDirectories();
    refreshFiles();
    setDirectoryListVisible(false);
    setFileListVisible(false);
    setTextPanelVisible(false);
}

void QtFilePanel::place(QWidget* w, int left, int top, int width, int height) {
    placed_.push_back({w, QRect(left, top, width, height)});
    layOut(w, placed_.back().twips);
}

void QtFilePanel::layOut(QWidget* w, const QRect& twips) const {
    // Both edges are rounded, so that widgets side by side stay side by side at any scale.
    auto px = [this](int t) { return static_cast<int>(std::lround(t / kTwipsPerPixel * scale_)); };
    const int left = px(twips.x()), top = px(twips.y());
    w->setGeometry(left, top, px(twips.x() + twips.width()) - left,
                   px(twips.y() + twips.height()) - top);
}

void QtFilePanel::setScale(double scale) {
    if (scale <= 0 || scale == applied_) return;
    scale_ = applied_ = scale;
    QFont font = static_cast<QWidget*>(parent())->font();
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(kTextPixels * scale))));
    for (const Placed& p : placed_) {
        p.widget->setFont(font);
        layOut(p.widget, p.twips);
    }
}

namespace {

// A hidden widget keeps no keyboard focus: the keys go back to the window (Esc ends the game).
void show(QWidget* w, bool on) {
    if (!on && w->hasFocus()) w->clearFocus();
    w->setVisible(on);
}

}  // namespace

void QtFilePanel::setDirectoryListVisible(bool on) {
    if (on && !dirList_->isVisible()) fillDirectories();
    show(dirList_, on);
}

void QtFilePanel::setFileListVisible(bool on) {
    if (on && !fileList_->isVisible()) refreshFiles();
    show(fileList_, on);
}

void QtFilePanel::setTextPanelVisible(bool on) {
    for (QLabel* l : labels_) show(l, on);
    for (QLineEdit* b : boxes_) show(b, on);
    show(button_, on);
}

std::string QtFilePanel::text(PanelBox b) const {
    return box(b)->text().toStdString();
}

void QtFilePanel::setText(PanelBox b, const std::string& text) {
    box(b)->setText(QString::fromStdString(text));
}

std::string QtFilePanel::directoryPath() const {
    return dirPath_.toStdString();
}

std::string QtFilePanel::filePath() const {
    return filePath_.toStdString();
}

void QtFilePanel::setFilePath(const std::string& path) {
    filePath_ = absoluteFolder(QString::fromStdString(path));
    selected_.clear();
    refreshFiles();
}

std::string QtFilePanel::selectedFile() const {
    return selected_.toStdString();
}

void QtFilePanel::refreshFiles() {
    fileList_->clear();
    const QDir dir(filePath_);
    fileList_->addItems(dir.entryList({kRecordPattern}, QDir::Files | QDir::Hidden, QDir::Name));
}

void QtFilePanel::fillDirectories() {
    dirList_->clear();
    QDir dir(dirPath_);
    if (!dir.isRoot()) dirList_->addItem(kParent);
    dirList_->addItems(dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name));
}

void QtFilePanel::enterFolder(const QString& name) {
    QDir dir(dirPath_);
    if (!dir.cd(name)) {
        // The folder went away or may not be entered: show what is there now.
        fillDirectories();
        return;
    }
    dirPath_ = absoluteFolder(dir.absolutePath());
    fillDirectories();
    if (onDirectoryChange) onDirectoryChange();
}

void QtFilePanel::clickFile(QListWidgetItem* item) {
    selected_ = item->text();
    if (onFileClick) onFileClick();
}

bool QtFilePanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        for (int i = 0; i < 4; ++i)
            if (watched == labels_[i])
                labels_[i]->setText(translatedQ("FilePanel", kRows[i].caption));
        return false;
    }
    // A double click is one click: the list under it has already changed after the first.
    if (event->type() == QEvent::MouseButtonDblClick &&
        (watched == dirList_->viewport() || watched == fileList_->viewport()))
        return true;
    if (watched == dirList_->viewport()) {
        const bool pressOrRelease = event->type() == QEvent::MouseButtonPress ||
                                    event->type() == QEvent::MouseButtonRelease;
        if (!pressOrRelease) return false;
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (event->type() == QEvent::MouseButtonPress) {
            const quint64 interval = QGuiApplication::styleHints()->mouseDoubleClickInterval();
            const bool second = justEntered_ && mouse->timestamp() - enteredAt_ < interval;
            justEntered_ = false;
            swallowing_ = second;
            return second;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            if (swallowing_) {
                swallowing_ = false;
                return true;
            }
            lastRelease_ = mouse->timestamp();
        }
        return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    // Esc typed into the shown panel closes it; it does not end the game.
    if (key == Qt::Key_Escape) {
        if (!static_cast<QWidget*>(watched)->isVisible()) return false;
        if (onCancel) onCancel();
        return true;
    }
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    if (watched == box(PanelBox::FileName)) {
        if (onReturn) onReturn();
        return true;
    }
    if (watched == dirList_ && dirList_->currentItem() != nullptr) {
        enterFolder(dirList_->currentItem()->text());
        return true;
    }
    if (watched == fileList_ && fileList_->currentItem() != nullptr) {
        clickFile(fileList_->currentItem());
        return true;
    }
    return false;
}

}  // namespace platform
