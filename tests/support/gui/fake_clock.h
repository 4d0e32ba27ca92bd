// A day clock the test sets, and a timer whose ticks the test delivers itself.
#pragma once

#include <vector>

#include "platform/clock.h"

namespace testsupport {

class FakeDayClock : public platform::DayClock {
  public:
    double now = 12 * 3600.0;    // seconds since midnight
    std::vector<double> pauses;  // every pause asked for; each one moves the clock on

    double secondsSinceMidnight() override { return now; }
    void pause(double seconds) override {
        pauses.push_back(seconds);
        now += seconds;
    }
};

class ManualTimer : public platform::Timer {
  public:
    bool on = false;
    int switches = 0;  // how often it was enabled or disabled

    void setEnabled(bool enabled) override {
        on = enabled;
        ++switches;
    }
    bool enabled() const override { return on; }
};

}  // namespace testsupport
