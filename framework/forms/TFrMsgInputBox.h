#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace fw::forms {

// The one-line text input of InputText: a prompt, an edit box and accept / cancel. Accept is
// possible only while the edit box holds a text.
class TFrMsgInputBox : public QDialog {
    Q_OBJECT

public:
    TFrMsgInputBox(const QString& caption, const QString& prompt, const QString& text,
                   QWidget* parent = nullptr);

    QString text() const;
    QLabel* promptLabel() const { return m_lbText; }
    QLineEdit* edit() const { return m_edText; }
    QPushButton* acceptButton() const { return m_btAceptar; }
    QPushButton* cancelButton() const { return m_btCancelar; }

private:
    void updateAcceptState();

    QLabel* m_lbText;
    QLineEdit* m_edText;
    QPushButton* m_btAceptar;
    QPushButton* m_btCancelar;
};

}  // namespace fw::forms
