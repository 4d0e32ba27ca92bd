#include "app/recovery_lock.h"

#include <QString>

namespace app {

RecoveryLock::RecoveryLock(const std::string& settingsFolder)
    : lock_(QString::fromStdString(settingsFolder + "/" + kRecoveryLockName)) {
    // Held for the whole run however long it lasts: only a lock whose process has gone is stale.
    lock_.setStaleLockTime(0);
    held_ = lock_.tryLock(0);
}

}  // namespace app
