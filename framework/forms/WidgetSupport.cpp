#include "framework/forms/WidgetSupport.h"

#include <QApplication>
#include <QThread>

namespace fw::forms {

bool WidgetsAvailable() {
    const auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    return app != nullptr && QThread::currentThread() == app->thread();
}

}  // namespace fw::forms
