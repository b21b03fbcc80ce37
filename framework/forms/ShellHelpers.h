#pragma once

#include <QString>

class QWidget;

namespace fw::forms {

namespace ShellAnswer {
inline constexpr int Opened = 42;
inline constexpr int FileNotFound = 2;
inline constexpr int NoAssociation = 31;
}  // namespace ShellAnswer

// Opens `file` (relative to `folder` when that is given) the way the desktop opens it: a program
// is started with `parameters`, any other file goes to the desktop's application for its type.
// Only the verb "open" (or none) is known. Answers a value above 32 on success; otherwise the
// error code, after a warning that names the error and the file. `owner` and `show` are kept
// for callers written against the system shell and have no effect here.
int ShellOpen(QWidget* owner, const QString& verb, const QString& file, int show,
              const QString& folder, const QString& parameters);

}  // namespace fw::forms
