// The day clock and the 50 ms tick of the real window.
#pragma once

#include <QTimer>
#include <functional>

#include "platform/clock.h"

namespace platform {

class SystemDayClock : public DayClock {
  public:
    double secondsSinceMidnight() override;
    LocalDateTime dateAndTime() override;
    // Waits without spinning: the window keeps painting, but mouse, keyboard and menu input
    // wait until the pause is over.
    void pause(double seconds) override;
    // True while a pause runs; the tick is held back meanwhile, as nothing of the game may run.
    bool pausing() const { return pausing_; }

  private:
    bool pausing_ = false;
};

class QtTimer : public Timer {
  public:
    // `tick` runs every 50 ms while the timer is enabled.
    explicit QtTimer(std::function<void()> tick);
    void setEnabled(bool on) override;
    bool enabled() const override { return timer_.isActive(); }

  private:
    QTimer timer_;
    std::function<void()> tick_;
};

}  // namespace platform
