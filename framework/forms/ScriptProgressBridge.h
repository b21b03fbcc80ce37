#pragma once

namespace fw::forms {

// Lets script runs of the database layer drive the progress window.
void InstallScriptProgress();

}  // namespace fw::forms
