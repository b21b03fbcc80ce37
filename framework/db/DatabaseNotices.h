#pragma once

#include <QString>
#include <functional>

namespace fw::db {

// The database layer shows no windows itself. The few warnings it must give the user (a failed
// connection) go to the presenter the application installs; without one they go to standard
// error.
using WarningPresenter = std::function<void(const QString& title, const QString& text)>;

void SetWarningPresenter(WarningPresenter presenter);
void PresentWarning(const QString& title, const QString& text);

// Shows the wait cursor while alive, when the process has a screen.
class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    bool m_shown = false;
};

}  // namespace fw::db
