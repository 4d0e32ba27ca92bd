// The GUI-thread boundary for tests: messages wait until the test delivers them, on its own thread.
#pragma once

#include <chrono>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

#include "platform/gui_thread.h"

namespace testsupport {

class FakeGuiThread : public platform::GuiThread {
  public:
    void post(std::function<void()> routine) override {
        const std::lock_guard<std::mutex> lock(mutex_);
        queue_.push_back(std::move(routine));
    }
    // Messages posted and not yet delivered.
    int pending() {
        const std::lock_guard<std::mutex> lock(mutex_);
        return static_cast<int>(queue_.size());
    }
    // Waits until a worker has posted something, for a few seconds at most; false if none came.
    bool awaitPosted() {
        for (int i = 0; i < 5000 && pending() == 0; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return pending() > 0;
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
