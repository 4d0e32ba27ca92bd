// Message boxes for tests: each box the game shows must be the next one the test expects; the
// scripted answer is given back. An unexpected or missing box fails the test.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/dialogs.h"

namespace testsupport {

class ScriptedDialogs : public platform::Dialogs {
  public:
    struct Box {
        std::string text;
        std::string title;
        platform::Buttons buttons = platform::Buttons::Ok;
        platform::Answer answer = platform::Answer::Ok;  // what the player presses
        platform::Icon icon = platform::Icon::None;
    };

    ~ScriptedDialogs() override;

    // Expects one more box, answered with `answer`.
    void expect(std::string text, std::string title,
                platform::Buttons buttons = platform::Buttons::Ok,
                platform::Answer answer = platform::Answer::Ok);
    // Fails the test for every expected box that was not shown, then forgets them.
    void verify();

    platform::Answer show(const std::string& text, const std::string& title,
                          platform::Buttons buttons, platform::Icon icon) override;

    std::vector<Box> shown;  // every box shown, in order
    // Runs while each box is open, as the time the player takes to answer it.
    std::function<void()> whileOpen;

  private:
    std::deque<Box> script_;
};

}  // namespace testsupport
