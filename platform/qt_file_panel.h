// The file panel as Qt widgets laid over the window's client area, at the places the game's
// layout gives in twips.
#pragma once

#include <QObject>
#include <QRect>
#include <array>
#include <functional>
#include <vector>

#include "platform/file_panel.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QWidget;

namespace platform {

class QtFilePanel : public QObject, public FilePanel {
    Q_OBJECT
  public:
    // The widgets become children of `parent` (the widget that shows the game's canvas), all
    // hidden; both lists start in `folder`.
    QtFilePanel(QWidget* parent, const std::string& folder);

    // What the panel's widgets report besides confirming and closing: a folder entered in the
    // directory list, a file clicked in the file list.
    std::function<void()> onDirectoryChange;
    std::function<void()> onFileClick;

    void setDirectoryListVisible(bool on) override;
    void setFileListVisible(bool on) override;
    void setTextPanelVisible(bool on) override;
    std::string text(PanelBox box) const override;
    void setText(PanelBox box, const std::string& text) override;
    std::string directoryPath() const override;
    std::string filePath() const override;
    void setFilePath(const std::string& path) override;
    std::string selectedFile() const override;
    void refreshFiles() override;

    // Places the widgets and sizes their text for a window showing `scale` pixels to a game
    // pixel (15 twips).
    void setScale(double scale);
    double scale() const { return scale_; }

    // The widgets, for tests and screenshots.
    QListWidget* directoryList() const { return dirList_; }
    QListWidget* fileList() const { return fileList_; }
    QLineEdit* box(PanelBox box) const { return boxes_[static_cast<int>(box)]; }
    QLabel* label(int index) const { return labels_[index]; }
    QPushButton* returnButton() const { return button_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void enterFolder(const QString& name);
    void fillDirectories();
    void clickFile(QListWidgetItem* item);
    // Puts a widget at its place in twips and remembers the place for a change of scale.
    void place(QWidget* w, int left, int top, int width, int height);
    void layOut(QWidget* w, const QRect& twips) const;

    QString dirPath_;
    QString filePath_;
    QString selected_;
    // A double click in the directory list enters one folder: the second click of the pair
    // would otherwise land on the list of the folder just entered.
    bool justEntered_ = false;
    bool swallowing_ = false;
    quint64 lastRelease_ = 0;
    quint64 enteredAt_ = 0;
    // Owned by the parent widget, as the panel itself is.
    QListWidget* dirList_ = nullptr;
    QListWidget* fileList_ = nullptr;
    std::array<QLabel*, 4> labels_{};    // Label1 items 0..3
    std::array<QLineEdit*, 4> boxes_{};  // in PanelBox order
    QPushButton* button_ = nullptr;
    double scale_ = 1;
    double applied_ = 0;  // the scale the fonts and places were last set for
    struct Placed {
        QWidget* widget;
        QRect twips;
    };
    std::vector<Placed> placed_;
};

}  // namespace platform
