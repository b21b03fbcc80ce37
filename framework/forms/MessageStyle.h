#pragma once

#include <QList>
#include <QString>

namespace fw::forms {

// Message box styles and answers use the codes of the system message box the framework was
// written against, so callers can keep testing for them.
namespace MessageStyle {
inline constexpr unsigned Ok = 0x0;
inline constexpr unsigned OkCancel = 0x1;
inline constexpr unsigned AbortRetryIgnore = 0x2;
inline constexpr unsigned YesNoCancel = 0x3;
inline constexpr unsigned YesNo = 0x4;
inline constexpr unsigned RetryCancel = 0x5;
inline constexpr unsigned ButtonsMask = 0xF;

inline constexpr unsigned IconStop = 0x10;
inline constexpr unsigned IconQuestion = 0x20;
inline constexpr unsigned IconWarning = 0x30;
inline constexpr unsigned IconInformation = 0x40;
inline constexpr unsigned IconMask = 0xF0;

inline constexpr unsigned DefaultSecond = 0x100;
inline constexpr unsigned DefaultThird = 0x200;
inline constexpr unsigned DefaultMask = 0xF00;

inline constexpr unsigned TaskModal = 0x2000;
}  // namespace MessageStyle

namespace MessageAnswer {
inline constexpr int None = 0;
inline constexpr int Ok = 1;
inline constexpr int Cancel = 2;
inline constexpr int Abort = 3;
inline constexpr int Retry = 4;
inline constexpr int Ignore = 5;
inline constexpr int Yes = 6;
inline constexpr int No = 7;
}  // namespace MessageAnswer

// The answers of the style's buttons, left to right; empty for an unknown button set.
QList<int> MessageButtons(unsigned style);

// The answer of the preselected button: the first, or the second / third when the style asks for
// it and the box has that many buttons; 0 for an unknown button set.
int DefaultAnswer(unsigned style);

// Messages break lines with a carriage return; CR LF and a lone CR both become one "\n".
QString MessageDisplayText(const QString& text);

}  // namespace fw::forms
