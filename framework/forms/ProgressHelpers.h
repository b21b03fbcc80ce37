#pragma once

#include <QString>

namespace fw::forms {

class ProgressTracker;
class TFrBar;

// Replaces any open progress with a new one counting from 0 to `maximum` (0 when negative),
// captioned `caption`. Without windows only the tracker runs.
void ProgressStart(const QString& caption, int maximum);
// One step further; brings the window to the front every 100 steps while the application is
// the active one.
void ProgressStep();
void ProgressSetPosition(int position);
// Replaces the title line.
void ProgressText(const QString& text);
// Puts the caller's own text into the remaining-time line; an empty text brings the estimate
// back.
void ProgressDetail(const QString& text);
void ProgressEnd();
bool ProgressActive();

// The running progress, nullptr when none is.
const ProgressTracker* CurrentProgress();
// Its window, nullptr when none is open or windows cannot be shown.
TFrBar* CurrentProgressBar();

}  // namespace fw::forms
