// A clipboard that is a string.
#pragma once

#include <string>

#include "platform/clipboard.h"

namespace testsupport {

struct FakeClipboard : platform::Clipboard {
    std::string held;
    std::string text() const override { return held; }
    void setText(const std::string& text) override { held = text; }
};

}  // namespace testsupport
