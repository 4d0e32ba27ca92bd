// Modal message boxes.
#pragma once

#include <string>

namespace platform {

enum class Buttons { Ok, YesNo };
enum class Icon { None, Warning };
enum class Answer { Ok, Yes, No };

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // Shows a modal box and returns the button pressed. Texts are UTF-8; lines are joined by "\r".
    virtual Answer show(const std::string& text, const std::string& title, Buttons buttons,
                        Icon icon = Icon::None) = 0;
};

}  // namespace platform
