#include "tests/forms/FormsTesting.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QTemporaryFile>
#include <QThread>
#include <cstdio>
#include <memory>

#include "framework/forms/RecordingResponder.h"

namespace test {

fw::forms::RecordingResponder& InstallRecorder() {
    auto recorder = std::make_unique<fw::forms::RecordingResponder>();
    fw::forms::RecordingResponder& installed = *recorder;
    fw::forms::SetMessageResponder(std::move(recorder));
    return installed;
}

bool ServeEventsUntil(const std::function<bool()>& condition) {
    const QDeadlineTimer limit(10000);
    while (!condition()) {
        if (limit.hasExpired()) {
            return false;
        }
        QCoreApplication::processEvents();
        QThread::msleep(5);
    }
    return true;
}

QString CaptureStandardError(const std::function<void()>& action) {
    QTemporaryFile file;
    if (!file.open()) {
        return QString();
    }
    std::fflush(stderr);
    const int saved = dup(STDERR_FILENO);
    dup2(file.handle(), STDERR_FILENO);
    action();
    std::fflush(stderr);
    dup2(saved, STDERR_FILENO);
    close(saved);
    QFile written(file.fileName());
    if (!written.open(QIODevice::ReadOnly)) {
        return QString();
    }
    return QString::fromUtf8(written.readAll());
}

}  // namespace test
