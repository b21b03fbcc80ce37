#pragma once

#include <QColor>
#include <QImage>
#include <QMutex>
#include <QSize>
#include <QThread>
#include <QWaitCondition>

namespace fw::forms {

class SplashBar;

// Draws the status splash's moving bar off screen. It never touches a widget: each finished
// frame is handed over through frameReady, which the receiving panel gets queued on its own
// thread.
class TAnimationThread : public QThread {
    Q_OBJECT

public:
    struct Settings {
        QSize size;
        QColor background;
        int frameInterval = 100;
        QColor firstColor;
        QColor secondColor;
    };

    explicit TAnimationThread(const Settings& settings, QObject* parent = nullptr);
    ~TAnimationThread() override;

    // Asks the thread to end after its current frame; it does not wait.
    void stop();

    // One frame: the background with the bar as a vertical gradient, the lightened first colour
    // at the top and bottom edges and the second colour on the middle row.
    static QImage paintFrame(const Settings& settings, const SplashBar& bar);
    // The first colour as the bar's edges show it: HSL lightness raised by 100 on a 0..240
    // scale, at most 230.
    static QColor lightened(const QColor& color);

signals:
    void frameReady(const QImage& frame);

protected:
    void run() override;

private:
    // Sleeps up to `msecs`, returning early (false) when asked to stop.
    bool pause(int msecs);

    const Settings m_settings;
    QImage m_frame;
    QMutex m_mutex;
    QWaitCondition m_wake;
    bool m_stopping = false;
};

}  // namespace fw::forms
