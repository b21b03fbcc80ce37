#pragma once

#include <QWidget>

class QFrame;
class QLabel;
class QProgressBar;

namespace fw::forms {

class ProgressTracker;

// The progress window: a title line, the bar, the remaining time and the percentage of a
// tracker. It repaints at once on every change, since the work runs on the main thread and no
// event loop turns meanwhile. The close box only hides it.
class TFrBar : public QWidget {
    Q_OBJECT

public:
    explicit TFrBar(const ProgressTracker& tracker, QWidget* parent = nullptr);

    // Takes the tracker's present state and repaints synchronously.
    void showProgress();

    QLabel* header() const { return m_lbHeader; }
    QProgressBar* bar() const { return m_pb; }
    QLabel* foot() const { return m_lbFoot; }
    QLabel* percentage() const { return m_lbPorcen; }

private:
    const ProgressTracker& m_tracker;
    QFrame* m_pnBar;
    QLabel* m_lbHeader;
    QProgressBar* m_pb;
    QLabel* m_lbFoot;
    QLabel* m_lbPorcen;
};

}  // namespace fw::forms
