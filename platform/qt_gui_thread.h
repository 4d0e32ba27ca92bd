// Messages to the GUI thread through Qt's event loop (a queued call on an object of that thread).
#pragma once

#include <QObject>

#include "platform/gui_thread.h"

namespace platform {

class QtGuiThread : public GuiThread {
  public:
    // Made on the GUI thread. Calls still queued when it goes are dropped with it.
    QtGuiThread() = default;
    void post(std::function<void()> routine) override;

  private:
    QObject receiver_;
};

}  // namespace platform
