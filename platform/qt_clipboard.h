// The desktop's clipboard through Qt: text for the game, and the board picture for the window.
#pragma once

#include <QImage>

#include "platform/clipboard.h"

namespace platform {

class QtClipboard : public Clipboard {
  public:
    std::string text() const override;
    void setText(const std::string& text) override;
    void setImage(const QImage& image);
};

}  // namespace platform
