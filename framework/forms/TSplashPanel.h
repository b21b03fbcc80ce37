#pragma once

#include <QFrame>
#include <QImage>
#include <memory>

namespace fw::forms {

class TAnimationThread;

// The sunken panel of the status splash. It runs the animation thread over its inner area and
// paints the latest frame the thread handed over.
class TSplashPanel : public QFrame {
    Q_OBJECT

public:
    explicit TSplashPanel(QWidget* parent = nullptr);
    ~TSplashPanel() override;

    void startAnimation();
    // Waits for the thread's current frame to end, still serving this thread's events.
    void stopAnimation();
    bool isAnimating() const { return m_animation != nullptr; }

    // The area the bar moves in: the panel shrunk by twice its bevel on every side.
    QRect drawingRect() const;
    QImage lastFrame() const { return m_frame; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::unique_ptr<TAnimationThread> m_animation;
    QImage m_frame;
};

}  // namespace fw::forms
