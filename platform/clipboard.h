// The desktop's clipboard as the game uses it: text to copy a position or a record out, and the
// text a paste brings in. The board picture is copied by the window itself.
#pragma once

#include <string>

namespace platform {

class Clipboard {
  public:
    virtual ~Clipboard() = default;
    // The text on the clipboard (UTF-8); empty when it holds none.
    virtual std::string text() const = 0;
    virtual void setText(const std::string& text) = 0;
};

}  // namespace platform
