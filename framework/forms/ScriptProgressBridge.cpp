#include "framework/forms/ScriptProgressBridge.h"

#include "framework/db/ScriptProgress.h"
#include "framework/forms/ProgressHelpers.h"

namespace fw::forms {

void InstallScriptProgress() {
    fw::db::SetScriptProgressHandlers({
        [](const QString& title, int batches) { ProgressStart(title, batches); },
        [] { ProgressStep(); },
        [](const QString& text) { ProgressDetail(text); },
        [] { ProgressEnd(); },
        [] { return ProgressActive(); },
    });
}

}  // namespace fw::forms
