#include "framework/forms/ProgressTracker.h"

#include <QThread>
#include <algorithm>
#include <chrono>

namespace fw::forms {

namespace {

constexpr int EndPause = 200;

struct TimeUnit {
    qint64 seconds;
    const char16_t* name;
};

constexpr TimeUnit Units[] = {
    {86400, u" día"},
    {3600, u" hora"},
    {60, u" minuto"},
    {1, u" segundo"},
};

}  // namespace

ProgressTracker::Clock ProgressTracker::SystemClock() {
    return [] {
        using namespace std::chrono;
        return qint64(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
    };
}

ProgressTracker::Pause ProgressTracker::SleepPause() {
    return [](int msecs) { QThread::msleep(static_cast<unsigned long>(msecs)); };
}

ProgressTracker::ProgressTracker(int maximum, Clock clock, Pause pause)
    : m_clock(std::move(clock)),
      m_pause(std::move(pause)),
      m_maximum(std::max(maximum, 0)),
      m_startTime(m_clock()) {}

void ProgressTracker::setChangeHandler(std::function<void()> handler) {
    m_changeHandler = std::move(handler);
}

void ProgressTracker::setPosition(int p) {
    m_position = std::clamp(p, 0, m_maximum);
    const int percentage = m_maximum == 0 ? 0 : int(qint64(m_position) * 100 / m_maximum);
    if (percentage != m_lastPercentage) {
        m_percentageText =
            QStringLiteral("Progreso: ") + QString::number(percentage) + QLatin1Char('%');
        m_lastPercentage = percentage;
    }
    if (!m_callerDetailShown && percentage > 1) {
        updateEstimate(percentage);
    }
    changed();
    if (p == m_maximum) {
        m_pause(EndPause);
    }
}

void ProgressTracker::updateEstimate(int percentage) {
    const qint64 elapsed = (m_clock() - m_startTime) / 1000;
    const qint64 estimatedTotal = elapsed * 100 / percentage;
    const qint64 remaining = estimatedTotal - elapsed + 1;
    if (remaining <= 2 && !m_estimateShown) {
        return;
    }
    if (!m_estimateShown || remaining < m_lastRemaining) {
        m_footText = RemainingTimeText(remaining);
        m_lastRemaining = remaining;
    }
    m_estimateShown = true;
}

void ProgressTracker::setHeader(const QString& text) {
    m_header = text;
    changed();
}

void ProgressTracker::setDetail(const QString& text) {
    m_footText = text;
    m_callerDetailShown = !text.isEmpty();
    changed();
}

void ProgressTracker::changed() {
    if (m_changeHandler) {
        m_changeHandler();
    }
}

QString ProgressTracker::RemainingTimeText(qint64 seconds) {
    const TimeUnit* unit =
        std::find_if(std::begin(Units), std::end(Units) - 1,
                     [seconds](const TimeUnit& u) { return seconds >= u.seconds; });
    const qint64 count = seconds / unit->seconds;
    const QString name = QString::fromUtf16(unit->name);
    if (count < 2) {
        return QStringLiteral("Falta ") + QString::number(count) + name;
    }
    return QStringLiteral("Faltan ") + QString::number(count) + name + QLatin1Char('s');
}

}  // namespace fw::forms
