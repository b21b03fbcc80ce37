#pragma once

#include <QString>
#include <QtGlobal>
#include <functional>

namespace fw::forms {

// The state and arithmetic of the progress window without the window: the position, the
// percentage text and the estimate of the time still needed. The estimate shown never goes up.
class ProgressTracker {
public:
    // Milliseconds of a steady clock.
    using Clock = std::function<qint64()>;
    // Blocks for the given milliseconds.
    using Pause = std::function<void(int)>;

    static Clock SystemClock();
    static Pause SleepPause();

    // Starts at position 0 with the clock's present time; a negative maximum counts as 0.
    explicit ProgressTracker(int maximum, Clock clock = SystemClock(), Pause pause = SleepPause());

    // Called after every change, before the pause at the end, so a window can repaint at once.
    void setChangeHandler(std::function<void()> handler);

    int minimum() const { return 0; }
    int maximum() const { return m_maximum; }
    int position() const { return m_position; }
    int lastPercentage() const { return m_lastPercentage; }
    qint64 startTime() const { return m_startTime; }
    bool callerDetailShown() const { return m_callerDetailShown; }
    bool estimateShown() const { return m_estimateShown; }
    qint64 lastRemaining() const { return m_lastRemaining; }

    // The title line, the percentage ("Progreso: n%", empty until 1 %) and the remaining-time
    // line (the estimate, or the caller's detail while one is shown).
    QString header() const { return m_header; }
    QString percentageText() const { return m_percentageText; }
    QString footText() const { return m_footText; }

    // Moves to `p` (kept within 0..maximum, so stepping past the end leaves the bar full),
    // updates the texts and pauses 200 ms when `p` is the maximum, so the full bar can be seen.
    void setPosition(int p);
    void step() { setPosition(m_position + 1); }
    void setHeader(const QString& text);
    // A non-empty text replaces the estimate until the detail is cleared with an empty text.
    void setDetail(const QString& text);

    // "Falta 1 minuto", "Faltan 5 segundos", ... in the largest unit that fits.
    static QString RemainingTimeText(qint64 seconds);

private:
    void updateEstimate(int percentage);
    void changed();

    Clock m_clock;
    Pause m_pause;
    std::function<void()> m_changeHandler;
    int m_maximum;
    int m_position = 0;
    int m_lastPercentage = 0;
    qint64 m_startTime;
    bool m_callerDetailShown = false;
    bool m_estimateShown = false;
    qint64 m_lastRemaining = 0;
    QString m_header;
    QString m_percentageText;
    QString m_footText;
};

}  // namespace fw::forms
