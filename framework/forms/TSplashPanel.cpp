#include "framework/forms/TSplashPanel.h"

#include <QCoreApplication>
#include <QPainter>

#include "framework/forms/TAnimationThread.h"
#include "framework/util/GlobalSettings.h"

namespace fw::forms {

namespace {

constexpr int BevelWidth = 2;
constexpr int FrameInterval = 100;

}  // namespace

TSplashPanel::TSplashPanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Panel1"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(BevelWidth);
}

TSplashPanel::~TSplashPanel() {
    stopAnimation();
}

QRect TSplashPanel::drawingRect() const {
    const int inset = 2 * BevelWidth;
    return rect().adjusted(inset, inset, -inset, -inset);
}

void TSplashPanel::startAnimation() {
    if (m_animation) {
        return;
    }
    TAnimationThread::Settings settings;
    settings.size = drawingRect().size();
    settings.background = palette().color(QPalette::Window);
    settings.frameInterval = FrameInterval;
    settings.firstColor = fw::util::GlobalColorEx().gradient1;
    settings.secondColor = fw::util::GlobalColorEx().gradient2;
    m_animation = std::make_unique<TAnimationThread>(settings);
    connect(
        m_animation.get(), &TAnimationThread::frameReady, this,
        [this](const QImage& frame) {
            m_frame = frame;
            update(drawingRect());
        },
        Qt::QueuedConnection);
    m_animation->start(QThread::HighestPriority);
}

void TSplashPanel::stopAnimation() {
    if (!m_animation) {
        return;
    }
    m_animation->stop();
    while (!m_animation->wait(10)) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    m_animation.reset();
}

void TSplashPanel::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (!m_frame.isNull()) {
        QPainter painter(this);
        painter.drawImage(drawingRect().topLeft(), m_frame);
    }
}

}  // namespace fw::forms
