// A day clock the test sets, and a timer whose ticks the test delivers itself.
#pragma once

#include <vector>

#include "platform/clock.h"

namespace testsupport {

class FakeDayClock : public platform::DayClock {
  public:
    double now = 12 * 3600.0;    // seconds since midnight
    std::vector<double> pauses;  // every pause asked for; each one moves the clock on
    platform::LocalDateTime today{2026, 12, 7, 0, 0, 0};  // the date; its time of day is `now`

    double secondsSinceMidnight() override { return now; }
    platform::LocalDateTime dateAndTime() override {
        platform::LocalDateTime d = today;
        const int s = static_cast<int>(now);
        d.hour = s / 3600;
        d.minute = s / 60 % 60;
        d.second = s % 60;
        return d;
    }
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
