#include "framework/forms/TFrBar.h"

#include <QFrame>
#include <QLabel>
#include <QProgressBar>

#include "framework/forms/ProgressTracker.h"

namespace fw::forms {

namespace {

constexpr int PercentageRight = 309;
constexpr int LabelPointSize = 8;

}  // namespace

TFrBar::TFrBar(const ProgressTracker& tracker, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      m_tracker(tracker),
      m_pnBar(new QFrame(this)),
      m_lbHeader(new QLabel(m_pnBar)),
      m_pb(new QProgressBar(m_pnBar)),
      m_lbFoot(new QLabel(m_pnBar)),
      m_lbPorcen(new QLabel(m_pnBar)) {
    setObjectName(QStringLiteral("FrBar"));
    setAttribute(Qt::WA_QuitOnClose, false);
    // The window the user works in keeps the focus, and stays the one others centre over.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowOpacity(225.0 / 255.0);
    QFont windowFont = font();
    windowFont.setPointSize(LabelPointSize);
    setFont(windowFont);
    setFixedSize(318, 86);

    m_pnBar->setObjectName(QStringLiteral("PnBar"));
    m_pnBar->setFrameShape(QFrame::NoFrame);
    m_pnBar->setGeometry(rect());

    const int lineHeight = m_lbHeader->sizeHint().height();
    m_lbHeader->setObjectName(QStringLiteral("LbHeader"));
    m_lbHeader->setGeometry(7, 11, 295, lineHeight);
    m_pb->setObjectName(QStringLiteral("PB"));
    m_pb->setGeometry(6, 27, 306, 17);
    m_pb->setTextVisible(false);
    m_lbFoot->setObjectName(QStringLiteral("LbFoot"));
    m_lbFoot->setGeometry(7, 49, 250, lineHeight);
    m_lbPorcen->setObjectName(QStringLiteral("LBPorcen"));
    m_lbPorcen->setAlignment(Qt::AlignRight | Qt::AlignTop);
    showProgress();
}

void TFrBar::showProgress() {
    m_lbHeader->setText(m_tracker.header());
    // A bar with nothing to do is drawn full rather than as a busy indicator.
    if (m_tracker.maximum() == 0) {
        m_pb->setRange(0, 1);
        m_pb->setValue(1);
    } else {
        m_pb->setRange(0, m_tracker.maximum());
        m_pb->setValue(m_tracker.position());
    }
    m_lbFoot->setText(m_tracker.footText());
    if (m_lbPorcen->text() != m_tracker.percentageText()) {
        m_lbPorcen->setText(m_tracker.percentageText());
        const QSize size = m_lbPorcen->sizeHint();
        m_lbPorcen->setGeometry(PercentageRight - size.width(), 49, size.width(), size.height());
    }
    repaint();
}

}  // namespace fw::forms
