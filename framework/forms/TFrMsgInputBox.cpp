#include "framework/forms/TFrMsgInputBox.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace fw::forms {

namespace {

constexpr int ButtonWidth = 75;
constexpr int ButtonHeight = 25;
constexpr int ButtonGap = 6;
constexpr int Margin = 8;

}  // namespace

TFrMsgInputBox::TFrMsgInputBox(const QString& caption, const QString& prompt, const QString& text,
                               QWidget* parent)
    : QDialog(parent),
      m_lbText(new QLabel(prompt, this)),
      m_edText(new QLineEdit(text, this)),
      m_btAceptar(new QPushButton(QStringLiteral("Aceptar"), this)),
      m_btCancelar(new QPushButton(QStringLiteral("Cancelar"), this)) {
    setObjectName(QStringLiteral("FrMsgInputBox"));
    setWindowTitle(caption);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    setFixedSize(368, 127);

    m_lbText->setObjectName(QStringLiteral("LbText"));
    m_lbText->setGeometry(16, 16, 305, m_lbText->sizeHint().height());
    m_edText->setObjectName(QStringLiteral("EdText"));
    m_edText->setGeometry(16, 32, 321, m_edText->sizeHint().height());

    const int top = height() - Margin - ButtonHeight;
    const int cancelLeft = width() - Margin - ButtonWidth;
    m_btCancelar->setObjectName(QStringLiteral("BtCancelar"));
    m_btCancelar->setGeometry(cancelLeft, top, ButtonWidth, ButtonHeight);
    m_btAceptar->setObjectName(QStringLiteral("BtAceptar"));
    m_btAceptar->setGeometry(cancelLeft - ButtonGap - ButtonWidth, top, ButtonWidth, ButtonHeight);
    m_btAceptar->setDefault(true);

    connect(m_btAceptar, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_btCancelar, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_edText, &QLineEdit::textChanged, this, &TFrMsgInputBox::updateAcceptState);
    updateAcceptState();
    m_edText->setFocus();
}

QString TFrMsgInputBox::text() const {
    return m_edText->text();
}

void TFrMsgInputBox::updateAcceptState() {
    m_btAceptar->setEnabled(!m_edText->text().isEmpty());
}

}  // namespace fw::forms
