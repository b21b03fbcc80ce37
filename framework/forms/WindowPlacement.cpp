#include "framework/forms/WindowPlacement.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>

namespace fw::forms {

QWidget* MainWindow() {
    QWidget* active = QApplication::activeWindow();
    if (active == nullptr || active->windowType() == Qt::Tool) {
        return nullptr;
    }
    return active;
}

void CenterWindow(QWidget* window, const QWidget* over) {
    QRect area;
    if (over != nullptr) {
        area = over->frameGeometry();
    } else {
        const QScreen* screen =
            window->screen() ? window->screen() : QGuiApplication::primaryScreen();
        if (screen == nullptr) {
            return;
        }
        area = screen->availableGeometry();
    }
    // A window not yet created knows no frame; creating it lets the platform report its frame
    // where it can, so the frame and not just the client area ends up centred.
    window->winId();
    QRect frame = window->frameGeometry();
    frame.moveCenter(area.center());
    // For a top-level window move() places the frame, not the client area.
    window->move(frame.topLeft());
}

}  // namespace fw::forms
