#pragma once

#include <QString>
#include <functional>

namespace fw::db {

// How a script run reports its batches. The database layer shows no window; the application
// connects these to its progress window. Unset handlers do nothing.
struct ScriptProgressHandlers {
    std::function<void(const QString& title, int batches)> start;
    std::function<void()> step;
    std::function<void(const QString& text)> detail;
    std::function<void()> end;
    std::function<bool()> active;
};

void SetScriptProgressHandlers(ScriptProgressHandlers handlers);
const ScriptProgressHandlers& ScriptProgress();

}  // namespace fw::db
