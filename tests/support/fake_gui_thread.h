// The GUI-thread boundary for tests: messages wait until the test delivers them, on its own thread.
#pragma once

#include <deque>
#include <functional>
#include <mutex>

#include "platform/gui_thread.h"

namespace testsupport {

class FakeGuiThread : public platform::GuiThread {
  public:
    void post(std::function<void()> routine) override {
        const std::lock_guard<std::mutex> lock(mutex_);
        queue_.push_back(std::move(routine));
    }
    // Runs every message posted so far; returns how many.
    int deliver() {
        std::deque<std::function<void()>> now;
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            now.swap(queue_);
        }
        for (auto& routine : now) routine();
        return static_cast<int>(now.size());
    }

  private:
    std::mutex mutex_;
    std::deque<std::function<void()>> queue_;
};

}  // namespace testsupport
