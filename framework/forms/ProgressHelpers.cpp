#include "framework/forms/ProgressHelpers.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <memory>

#include "framework/forms/ProgressTracker.h"
#include "framework/forms/TFrBar.h"
#include "framework/forms/WidgetSupport.h"
#include "framework/forms/WindowPlacement.h"

namespace fw::forms {

namespace {

constexpr int RaiseEvery = 100;

struct Progress {
    // Declared first so that it outlives the window showing it.
    std::unique_ptr<ProgressTracker> tracker;
    std::unique_ptr<TFrBar> window;
};

Progress& State() {
    static Progress progress;
    return progress;
}

// A window still open when the application goes down must go before the application does.
void EndProgressAtExit() {
    ProgressEnd();
}

void OpenWindow(const QString& caption) {
    static const bool cleanupRegistered = [] {
        qAddPostRoutine(EndProgressAtExit);
        return true;
    }();
    Q_UNUSED(cleanupRegistered);
    Progress& state = State();
    state.window = std::make_unique<TFrBar>(*state.tracker);
    TFrBar* window = state.window.get();
    window->setWindowTitle(caption);
    CenterWindow(window, MainWindow());
    window->show();
    state.tracker->setChangeHandler([window] { window->showProgress(); });
    window->showProgress();
}

}  // namespace

void ProgressStart(const QString& caption, int maximum) {
    ProgressEnd();
    Progress& state = State();
    // The pause at the end only lets the user see the full bar; without a window it is waste.
    const bool windowed = WidgetsAvailable();
    state.tracker = std::make_unique<ProgressTracker>(
        maximum, ProgressTracker::SystemClock(),
        windowed ? ProgressTracker::SleepPause() : ProgressTracker::Pause([](int) {}));
    state.tracker->setHeader(caption);
    if (windowed) {
        OpenWindow(caption);
    }
}

void ProgressStep() {
    Progress& state = State();
    if (!state.tracker) {
        return;
    }
    const int position = state.tracker->position() + 1;
    state.tracker->setPosition(position);
    if (state.window && position % RaiseEvery == 0 &&
        QGuiApplication::applicationState() == Qt::ApplicationActive) {
        state.window->raise();
        state.window->repaint();
    }
}

void ProgressSetPosition(int position) {
    if (ProgressTracker* tracker = State().tracker.get()) {
        tracker->setPosition(position);
    }
}

void ProgressText(const QString& text) {
    if (ProgressTracker* tracker = State().tracker.get()) {
        tracker->setHeader(text);
    }
}

void ProgressDetail(const QString& text) {
    if (ProgressTracker* tracker = State().tracker.get()) {
        tracker->setDetail(text);
    }
}

void ProgressEnd() {
    Progress& state = State();
    state.window.reset();
    state.tracker.reset();
}

bool ProgressActive() {
    return State().tracker != nullptr;
}

const ProgressTracker* CurrentProgress() {
    return State().tracker.get();
}

TFrBar* CurrentProgressBar() {
    return State().window.get();
}

}  // namespace fw::forms
