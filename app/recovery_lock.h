// Which running copy of the game keeps the recovery record. The first copy to start in a settings
// folder holds a lock file there for as long as it runs; a copy started meanwhile keeps no record,
// so it neither offers nor removes the game the first copy is still writing. A copy that was
// killed leaves a lock no process holds any more, and the next start takes it over.
#pragma once

#include <QLockFile>
#include <string>

namespace app {

// The lock file beside the recovery record.
inline const char* const kRecoveryLockName = "KZソラワ.lock";

class RecoveryLock {
  public:
    explicit RecoveryLock(const std::string& settingsFolder);
    // True when this copy holds the lock and so keeps the recovery record.
    bool held() const { return held_; }

  private:
    QLockFile lock_;
    bool held_ = false;
};

}  // namespace app
