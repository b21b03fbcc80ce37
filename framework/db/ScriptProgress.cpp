#include "framework/db/ScriptProgress.h"

namespace fw::db {

namespace {

ScriptProgressHandlers& handlers() {
    static ScriptProgressHandlers instance;
    return instance;
}

}  // namespace

void SetScriptProgressHandlers(ScriptProgressHandlers newHandlers) {
    handlers() = std::move(newHandlers);
}

const ScriptProgressHandlers& ScriptProgress() {
    return handlers();
}

}  // namespace fw::db
