#include "framework/forms/TFrMessageSplash.h"

#include <QEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "framework/forms/TSplashPanel.h"

namespace fw::forms {

namespace {

constexpr int LabelHeight = 16;
constexpr int LabelPointSize = 10;

}  // namespace

TFrMessageSplash::TFrMessageSplash(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_panel(new TSplashPanel(this)),
      m_lbSplash(new QLabel(QStringLiteral("En Progreso..."), this)) {
    setObjectName(QStringLiteral("FrMessageSplash"));
    setWindowTitle(QStringLiteral("Procesando..."));
    setAttribute(Qt::WA_QuitOnClose, false);
    // The window the user works in keeps the focus, and stays the one others centre over.
    setAttribute(Qt::WA_ShowWithoutActivating);

    m_lbSplash->setObjectName(QStringLiteral("LbSplash"));
    m_lbSplash->setAlignment(Qt::AlignCenter);
    m_lbSplash->setFixedHeight(LabelHeight);
    QFont labelFont = m_lbSplash->font();
    labelFont.setPointSize(LabelPointSize);
    m_lbSplash->setFont(labelFont);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_panel, 1);
    layout->addWidget(m_lbSplash);
    resize(293, 43);
}

TFrMessageSplash::~TFrMessageSplash() {
    m_panel->stopAnimation();
}

QString TFrMessageSplash::text() const {
    return m_lbSplash->text();
}

void TFrMessageSplash::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    m_panel->startAnimation();
}

void TFrMessageSplash::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        m_panel->startAnimation();
    }
}

void TFrMessageSplash::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The bar spans the panel's new width from the next thread on; a hidden splash starts its
    // animation when it is shown.
    if (isVisible()) {
        m_panel->stopAnimation();
        m_panel->startAnimation();
    }
}

}  // namespace fw::forms
