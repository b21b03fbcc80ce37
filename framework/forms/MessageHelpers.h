#pragma once

#include <QString>

namespace fw::forms {

// Shows a modal message box and answers the code of the button pressed (MessageAnswer), 0 when
// no box can be shown. `style` combines the MessageStyle bits; an empty title becomes
// "Atención". Lines of `text` break at CR.
int ShowMessageBox(const QString& text, const QString& title, unsigned style);

// Yes / No with the warning icon and No preselected; true for Yes.
bool AskYesNoDefaultNo(const QString& title, const QString& text);
// Yes / No with the warning icon; true for Yes.
bool AskYesNo(const QString& title, const QString& text);
// OK with the warning icon; true for OK.
bool ShowWarning(const QString& title, const QString& text);
void ShowInformation(const QString& text);
// Beeps, then shows the warning box titled "Error".
void ShowError(const QString& text);
// ShowError, then ends the current operation with fw::AbortError.
[[noreturn]] void ShowErrorAndAbort(const QString& text);
// Yes / No with the question icon, titled "Confirmación"; true for Yes.
bool AskConfirmation(const QString& text);
// The one-line input dialog; true when accepted, and `text` then holds what was typed. A
// cancelled dialog leaves `text` alone.
bool InputText(const QString& caption, const QString& prompt, QString& text);

}  // namespace fw::forms
