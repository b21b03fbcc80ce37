#pragma once

#include <QString>
#include <functional>

namespace fw::forms {
class RecordingResponder;
}

namespace test {

// Installs a fresh RecordingResponder as the process's responder and hands it back.
fw::forms::RecordingResponder& InstallRecorder();

// Serves events until the condition holds or a generous limit passes; answers the condition.
bool ServeEventsUntil(const std::function<bool()>& condition);

// Everything the code under test writes to standard error meanwhile.
QString CaptureStandardError(const std::function<void()>& action);

}  // namespace test
