// The file panel inside the main window: a directory list, a file list of game records, four
// one-line text boxes with their labels, and a confirm button.
//
// The lists stand where the game was started: the directory list shows the folders of its path
// (with ".." at the top for the parent) and entering one changes its path; the file list shows
// the "*.棋譜" files of its own path, which follows the directory list only when the game says
// so. This platform has no drive letters, so there is no drive list.
#pragma once

#include <functional>
#include <string>
#include <utility>

namespace platform {

// The four text boxes.
enum class PanelBox {
    FileName,  // Text1, beside "ﾌｧｲﾙ名 ："
    GameName,  // Text2, beside "対 局 名："
    Sente,     // Text3, beside "先    手 ："
    Gote,      // Text4, beside "後    手 ："
};

class FilePanel {
  public:
    virtual ~FilePanel() = default;

    // What the player does in the shown panel, for the game to answer: confirm the name (the
    // RETURN button, or Enter in the file-name box), or close the panel without doing anything
    // (Esc).
    std::function<void()> onReturn;
    std::function<void()> onCancel;

    virtual void setDirectoryListVisible(bool on) = 0;
    virtual void setFileListVisible(bool on) = 0;
    // The text boxes, their labels and the RETURN button together.
    virtual void setTextPanelVisible(bool on) = 0;

    virtual std::string text(PanelBox box) const = 0;
    virtual void setText(PanelBox box, const std::string& text) = 0;

    // The directory list's path, and the file list's (the folder records are read from and saved
    // into). Paths are UTF-8.
    virtual std::string directoryPath() const = 0;
    virtual std::string filePath() const = 0;
    virtual void setFilePath(const std::string& path) = 0;
    // The file last clicked in the file list (a name without folder), or empty.
    virtual std::string selectedFile() const = 0;
    // Reads the file list's folder again.
    virtual void refreshFiles() = 0;
};

// A panel for a game without a window: nothing is shown, every box stays empty and files are
// read and saved in the folder it was given.
class NoFilePanel : public FilePanel {
  public:
    explicit NoFilePanel(std::string folder = ".") : folder_(std::move(folder)) {}
    void setDirectoryListVisible(bool) override {}
    void setFileListVisible(bool) override {}
    void setTextPanelVisible(bool) override {}
    std::string text(PanelBox) const override { return ""; }
    void setText(PanelBox, const std::string&) override {}
    std::string directoryPath() const override { return folder_; }
    std::string filePath() const override { return folder_; }
    void setFilePath(const std::string& path) override { folder_ = path; }
    std::string selectedFile() const override { return ""; }
    void refreshFiles() override {}

  private:
    std::string folder_;
};

}  // namespace platform
