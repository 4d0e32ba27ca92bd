// The day clock and the 50 ms tick.
#pragma once

namespace platform {

// A local date and time of day, to the second.
struct LocalDateTime {
    int year = 0, month = 0, day = 0;  // month and day from 1
    int hour = 0, minute = 0, second = 0;

    bool operator==(const LocalDateTime&) const = default;
};

class DayClock {
  public:
    virtual ~DayClock() = default;
    // Seconds since midnight, with fraction.
    virtual double secondsSinceMidnight() = 0;
    // Today's date and the time of day, as the desktop shows them.
    virtual LocalDateTime dateAndTime() = 0;
    // Waits the given seconds while the window keeps repainting but takes no input.
    virtual void pause(double seconds) = 0;
};

// A periodic 50 ms tick on the window's thread; its owner calls the game's tick routine.
class Timer {
  public:
    virtual ~Timer() = default;
    virtual void setEnabled(bool on) = 0;
    virtual bool enabled() const = 0;
};

}  // namespace platform
