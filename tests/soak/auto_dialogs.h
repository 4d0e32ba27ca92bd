// Message boxes that answer themselves from the game's random stream and remember every box, so
// a run can check what was shown and print it beside the events that caused it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "soak/random.h"

namespace soak {

class AutoDialogs : public platform::Dialogs {
  public:
    struct Box {
        std::string text;
        std::string title;
        platform::Buttons buttons = platform::Buttons::Ok;
        platform::Icon icon = platform::Icon::None;
        platform::Answer answer = platform::Answer::Ok;
        bool afterEnd = false;  // shown once the program had been told to end
    };

    explicit AutoDialogs(Random& random) : random_(random) {}

    // OK boxes are answered OK; Yes/No boxes Yes or No, the question whether to play on mostly
    // Yes so that a run goes on through many games.
    platform::Answer show(const std::string& text, const std::string& title,
                          platform::Buttons buttons, platform::Icon icon) override;

    std::vector<Box> shown;
    // True once the program has been told to end.
    std::function<bool()> ending;

  private:
    Random& random_;
};

// Why a box is not one the game may show (empty when it is): its text, title or buttons match
// none of the game's boxes.
std::string unknownBox(const AutoDialogs::Box& box);

// A Yes/No or OK answer written out.
const char* answerName(platform::Answer a);

}  // namespace soak
