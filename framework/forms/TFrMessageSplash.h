#pragma once

#include <QWidget>

class QLabel;

namespace fw::forms {

class TSplashPanel;

// The small "Procesando..." window that says what the program is busy with while it blocks the
// main thread; a bar keeps moving in its panel meanwhile.
class TFrMessageSplash : public QWidget {
    Q_OBJECT

public:
    explicit TFrMessageSplash(QWidget* parent = nullptr);
    ~TFrMessageSplash() override;

    QString text() const;
    QLabel* label() const { return m_lbSplash; }
    TSplashPanel* panel() const { return m_panel; }

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    TSplashPanel* m_panel;
    QLabel* m_lbSplash;
};

}  // namespace fw::forms
