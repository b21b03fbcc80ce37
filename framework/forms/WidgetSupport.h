#pragma once

namespace fw::forms {

// True when windows can be shown: a QApplication runs and the caller is on its thread. A headless
// run (QCoreApplication only) or a call from another thread shows nothing.
bool WidgetsAvailable();

}  // namespace fw::forms
