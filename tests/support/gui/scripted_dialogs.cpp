#include "support/gui/scripted_dialogs.h"

#include <gtest/gtest.h>

namespace testsupport {

ScriptedDialogs::~ScriptedDialogs() {
    verify();
}

void ScriptedDialogs::expect(std::string text, std::string title, platform::Buttons buttons,
                             platform::Answer answer) {
    script_.push_back({std::move(text), std::move(title), buttons, answer});
}

void ScriptedDialogs::verify() {
    for (const Box& b : script_) {
        ADD_FAILURE() << "expected message box not shown: \"" << b.text << "\" (title \"" << b.title
                      << "\")";
    }
    script_.clear();
}

platform::Answer ScriptedDialogs::show(const std::string& text, const std::string& title,
                                       platform::Buttons buttons, platform::Icon icon) {
    shown.push_back({text, title, buttons, platform::Answer::Ok, icon});
    if (whileOpen) whileOpen();
    if (script_.empty()) {
        ADD_FAILURE() << "unexpected message box: \"" << text << "\" (title \"" << title << "\")";
        return buttons == platform::Buttons::YesNo ? platform::Answer::Yes : platform::Answer::Ok;
    }
    const Box want = script_.front();
    script_.pop_front();
    EXPECT_EQ(text, want.text) << "title \"" << title << "\"";
    EXPECT_EQ(title, want.title) << "text \"" << text << "\"";
    EXPECT_EQ(buttons, want.buttons) << "text \"" << text << "\"";
    shown.back().answer = want.answer;
    return want.answer;
}

}  // namespace testsupport
