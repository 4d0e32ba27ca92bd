// Work done off the GUI thread hands its results back as messages: post() may be called from any
// thread, and the routine runs later on the GUI thread, in the order posted.
#pragma once

#include <functional>

namespace platform {

class GuiThread {
  public:
    virtual ~GuiThread() = default;
    virtual void post(std::function<void()> routine) = 0;
};

}  // namespace platform
