// The file panel for tests: plain fields the test reads and sets in place of the widgets.
#pragma once

#include <array>
#include <string>

#include "platform/file_panel.h"

namespace testsupport {

class FakeFilePanel : public platform::FilePanel {
  public:
    bool directoryVisible = false;
    bool fileVisible = false;
    bool textVisible = false;
    std::array<std::string, 4> texts;  // in PanelBox order
    std::string directory = ".";       // the directory list's path
    std::string files = ".";           // the file list's path
    std::string selected;              // the file the test "clicks"
    int refreshes = 0;

    // What the player types into a box.
    void type(platform::PanelBox box, const std::string& text) { setText(box, text); }
    // Enter in the file-name box (or the RETURN button), and Esc.
    void pressReturn() {
        if (onReturn) onReturn();
    }
    void pressEscape() {
        if (onCancel) onCancel();
    }

    void setDirectoryListVisible(bool on) override { directoryVisible = on; }
    void setFileListVisible(bool on) override { fileVisible = on; }
    void setTextPanelVisible(bool on) override { textVisible = on; }
    std::string text(platform::PanelBox box) const override { return texts[static_cast<int>(box)]; }
    void setText(platform::PanelBox box, const std::string& text) override {
        texts[static_cast<int>(box)] = text;
    }
    std::string directoryPath() const override { return directory; }
    std::string filePath() const override { return files; }
    void setFilePath(const std::string& path) override {
        files = path;
        selected.clear();
    }
    std::string selectedFile() const override { return selected; }
    void refreshFiles() override { ++refreshes; }

    bool anyShown() const { return directoryVisible || fileVisible || textVisible; }
};

}  // namespace testsupport
