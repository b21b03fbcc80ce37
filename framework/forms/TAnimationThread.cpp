#include "framework/forms/TAnimationThread.h"

#include <algorithm>
#include <cmath>

#include "framework/forms/SplashBar.h"

namespace fw::forms {

namespace {

constexpr int FirstPause = 200;
constexpr double LightnessScale = 240.0;
constexpr double LightnessRaise = 100.0;
constexpr double LightnessLimit = 230.0;

}  // namespace

TAnimationThread::TAnimationThread(const Settings& settings, QObject* parent)
    : QThread(parent), m_settings(settings) {}

TAnimationThread::~TAnimationThread() {
    stop();
    wait();
}

void TAnimationThread::stop() {
    const QMutexLocker lock(&m_mutex);
    m_stopping = true;
    m_wake.wakeAll();
}

QColor TAnimationThread::lightened(const QColor& color) {
    const QColor hsl = color.toHsl();
    const double lightness =
        std::min(hsl.lightnessF() * LightnessScale + LightnessRaise, LightnessLimit);
    return QColor::fromHslF(hsl.hslHueF(), hsl.hslSaturationF(), lightness / LightnessScale)
        .toRgb();
}

QImage TAnimationThread::paintFrame(const Settings& settings, const SplashBar& bar) {
    QImage frame(settings.size, QImage::Format_RGB32);
    frame.fill(settings.background);
    const int left = std::max(bar.left(), 0);
    const int right = std::min(bar.right(), frame.width());
    const int height = frame.height();
    if (left >= right || height == 0) {
        return frame;
    }
    const QColor edge = lightened(settings.firstColor);
    const QColor& centre = settings.secondColor;
    const int middle = height / 2;
    for (int y = 0; y < height; ++y) {
        // Share of the middle colour: 1 on the middle row, 0 on the top and bottom rows.
        const int span = y <= middle ? middle : height - 1 - middle;
        const double share = span == 0 ? 1.0 : 1.0 - double(std::abs(y - middle)) / span;
        const auto mix = [share](int from, int to) {
            return int(std::lround(from + (to - from) * share));
        };
        const QRgb colour = qRgb(mix(edge.red(), centre.red()), mix(edge.green(), centre.green()),
                                 mix(edge.blue(), centre.blue()));
        auto* line = reinterpret_cast<QRgb*>(frame.scanLine(y));
        std::fill(line + left, line + right, colour);
    }
    return frame;
}

void TAnimationThread::run() {
    SplashBar bar;
    if (!pause(FirstPause)) {
        return;
    }
    do {
        bar.advance(m_settings.size.width());
        m_frame = paintFrame(m_settings, bar);
        emit frameReady(m_frame);
    } while (pause(m_settings.frameInterval));
}

bool TAnimationThread::pause(int msecs) {
    QMutexLocker lock(&m_mutex);
    if (!m_stopping) {
        m_wake.wait(&m_mutex, static_cast<unsigned long>(msecs));
    }
    return !m_stopping;
}

}  // namespace fw::forms
