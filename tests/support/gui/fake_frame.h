// The window frame for tests: remembers sizes, moves, languages and the request to quit.
#pragma once

#include <functional>
#include <vector>

#include "platform/frame.h"
#include "platform/translation.h"

namespace testsupport {

class FakeFrame : public platform::Frame {
  public:
    static constexpr std::intptr_t kHandle = 4242;
    int widthTwips = 0;
    int heightTwips = 0;
    bool isMaximized = false;
    int movesToTop = 0;
    int quits = 0;
    std::vector<lang::Language> languages;  // every language set, in order
    std::function<void()> onQuit;           // runs at each request to quit

    std::intptr_t handle() const override { return kHandle; }
    void setWidthTwips(int width) override { widthTwips = width; }
    void setHeightTwips(int height) override { heightTwips = height; }
    bool maximized() const override { return isMaximized; }
    void moveToTop() override { ++movesToTop; }
    // The game's own texts follow, as in the window.
    void setLanguage(lang::Language language) override {
        languages.push_back(language);
        platform::useLanguage(language);
    }
    void quit() override {
        ++quits;
        if (onQuit) onQuit();
    }
};

}  // namespace testsupport
