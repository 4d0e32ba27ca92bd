#include "support/gui/qt_app.h"

#include <QApplication>
#include <cstdlib>

namespace testsupport {

void ensureQtApplication() {
    if (QCoreApplication::instance() != nullptr) return;
    // Run headless unless the caller chose a platform.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "kz-tests";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}

}  // namespace testsupport
