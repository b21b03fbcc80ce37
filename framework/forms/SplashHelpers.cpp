#include "framework/forms/SplashHelpers.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>
#include <memory>

#include "framework/forms/TFrMessageSplash.h"
#include "framework/forms/WidgetSupport.h"
#include "framework/forms/WindowPlacement.h"

namespace fw::forms {

namespace {

constexpr int TextPadding = 20;

std::unique_ptr<TFrMessageSplash>& Splash() {
    static std::unique_ptr<TFrMessageSplash> splash;
    return splash;
}

// A splash still open when the application goes down must go before the application does.
void CloseSplashAtExit() {
    Splash().reset();
}

}  // namespace

void ShowSplash(const QString& text) {
    if (text.isEmpty()) {
        // reset() forgets the splash before freeing it: closing waits for the animation while
        // serving events, and a nested call must not find the splash being closed.
        Splash().reset();
        return;
    }
    if (!Splash()) {
        if (!WidgetsAvailable()) {
            return;
        }
        static const bool cleanupRegistered = [] {
            qAddPostRoutine(CloseSplashAtExit);
            return true;
        }();
        Q_UNUSED(cleanupRegistered);
        Splash() = std::make_unique<TFrMessageSplash>();
    }
    SetSplashText(text);
}

void SetSplashText(const QString& text) {
    TFrMessageSplash* splash = Splash().get();
    if (splash == nullptr) {
        return;
    }
    QLabel* label = splash->label();
    const int needed = QFontMetrics(label->font()).horizontalAdvance(text) + TextPadding;
    if (splash->width() < needed) {
        splash->resize(needed, splash->height());
    }
    CenterWindow(splash, MainWindow());
    label->setText(text);
    label->repaint();
    splash->show();
    splash->repaint();
}

TFrMessageSplash* CurrentSplash() {
    return Splash().get();
}

}  // namespace fw::forms
