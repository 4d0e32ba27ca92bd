#include "platform/system_clock.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QEventLoop>
#include <QTime>
#include <chrono>
#include <thread>

namespace platform {

double SystemDayClock::secondsSinceMidnight() {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

LocalDateTime SystemDayClock::dateAndTime() {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate d = now.date();
    const QTime t = now.time();
    return {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()};
}

void SystemDayClock::pause(double seconds) {
    const int ms = seconds > 0 ? static_cast<int>(seconds * 1000 + 0.5) : 0;
    if (QCoreApplication::instance() == nullptr) {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
        return;
    }
    const bool outer = !pausing_;
    pausing_ = true;
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (outer) pausing_ = false;
}

QtTimer::QtTimer(std::function<void()> tick) : tick_(std::move(tick)) {
    timer_.setInterval(50);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        if (tick_) tick_();
    });
}

void QtTimer::setEnabled(bool on) {
    if (on && !timer_.isActive()) timer_.start();
    if (!on) timer_.stop();
}

}  // namespace platform
