// The main window as the game sees it: its size, its place on the screen and its end.
#pragma once

#include <cstdint>

#include "lang/language.h"

namespace platform {

// The boundaries take the player's language under the platform's name too.
using lang::Language;

class Frame {
  public:
    virtual ~Frame() = default;
    // The handle the sound library is opened with.
    virtual std::intptr_t handle() const = 0;
    // Outer size of the window in twips.
    virtual void setWidthTwips(int width) = 0;
    virtual void setHeightTwips(int height) = 0;
    // True while the window fills the screen; the game then leaves its width alone.
    virtual bool maximized() const = 0;
    // Moves the window to the top edge of the screen.
    virtual void moveToTop() = 0;
    // Ends the program once the current event has finished.
    virtual void quit() = 0;
    // Shows every text from now on in `language`: the game's own and the window's.
    virtual void setLanguage(Language language) = 0;
};

}  // namespace platform
