#pragma once

class QWidget;

namespace fw::forms {

// The window other windows are placed over: the active window unless it is a tool window (a
// splash or progress window is never a reference), else none.
QWidget* MainWindow();

// Moves the window so that its frame is centred over the frame of `over`, or over the available
// area of its screen when `over` is null.
void CenterWindow(QWidget* window, const QWidget* over);

}  // namespace fw::forms
