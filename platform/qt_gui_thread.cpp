#include "platform/qt_gui_thread.h"

#include <QMetaObject>

namespace platform {

void QtGuiThread::post(std::function<void()> routine) {
    QMetaObject::invokeMethod(&receiver_, std::move(routine), Qt::QueuedConnection);
}

}  // namespace platform
