#pragma once

#include <QString>

namespace fw::forms {

class TFrMessageSplash;

// With a text: opens the status splash if none is open and shows the text. With an empty text:
// closes the open splash, whoever opened it. Calls do not nest.
void ShowSplash(const QString& text);
// Changes the text of the open splash, widening it when the text needs it (it never shrinks),
// and centres it over the main window; nothing when no splash is open.
void SetSplashText(const QString& text);
// The open splash, nullptr when none is open (always so without windows).
TFrMessageSplash* CurrentSplash();

}  // namespace fw::forms
