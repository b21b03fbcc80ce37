#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "framework/forms/MessageHelpers.h"
#include "framework/forms/MessageResponder.h"
#include "framework/forms/TFrMsgInputBox.h"

using namespace fw::forms;

namespace {

TEST(TFrMsgInputBoxTest, AcceptIsEnabledExactlyWhileTheEditHoldsText) {
    TFrMsgInputBox empty(QStringLiteral("Crear Lista"), QStringLiteral("Descripción"), QString());
    EXPECT_EQ(empty.size(), QSize(368, 127));
    EXPECT_EQ(empty.windowTitle(), QStringLiteral("Crear Lista"));
    EXPECT_EQ(empty.promptLabel()->text(), QStringLiteral("Descripción"));
    EXPECT_EQ(empty.promptLabel()->geometry().topLeft(), QPoint(16, 16));
    EXPECT_EQ(empty.edit()->geometry().topLeft(), QPoint(16, 32));
    EXPECT_EQ(empty.edit()->width(), 321);
    EXPECT_EQ(empty.acceptButton()->text(), QStringLiteral("Aceptar"));
    EXPECT_EQ(empty.cancelButton()->text(), QStringLiteral("Cancelar"));
    EXPECT_FALSE(empty.acceptButton()->isEnabled());

    QTest::keyClicks(empty.edit(), QStringLiteral("a"));
    EXPECT_TRUE(empty.acceptButton()->isEnabled());
    QTest::keyClick(empty.edit(), Qt::Key_Backspace);
    EXPECT_FALSE(empty.acceptButton()->isEnabled());

    TFrMsgInputBox filled(QStringLiteral("Crear Lista"), QStringLiteral("Descripción"),
                          QStringLiteral("Lista 2024"));
    EXPECT_TRUE(filled.acceptButton()->isEnabled());
}

// Runs `action` on the next input dialog once it is open.
void OnNextInputBox(std::function<void(TFrMsgInputBox&)> action, int attempts = 0) {
    QTimer::singleShot(0, [action = std::move(action), attempts]() mutable {
        auto* dialog = qobject_cast<TFrMsgInputBox*>(QApplication::activeModalWidget());
        if (dialog != nullptr) {
            action(*dialog);
        } else if (attempts < 200) {
            OnNextInputBox(std::move(action), attempts + 1);
        }
    });
}

TEST(InputTextWindow, CancelLeavesTheCallersTextAlone) {
    SetMessageResponder(nullptr);
    bool acceptInitiallyEnabled = true;
    OnNextInputBox([&](TFrMsgInputBox& dialog) {
        acceptInitiallyEnabled = dialog.acceptButton()->isEnabled();
        QTest::keyClicks(dialog.edit(), QStringLiteral("escrito"));
        dialog.cancelButton()->click();
    });
    QString text;
    EXPECT_FALSE(InputText(QStringLiteral("Lista"), QStringLiteral("Nombre"), text));
    EXPECT_FALSE(acceptInitiallyEnabled);
    EXPECT_TRUE(text.isEmpty());
}

TEST(InputTextWindow, AcceptHandsBackWhatWasTyped) {
    SetMessageResponder(nullptr);
    QString offered;
    OnNextInputBox([&](TFrMsgInputBox& dialog) {
        offered = dialog.edit()->text();
        dialog.edit()->selectAll();
        QTest::keyClicks(dialog.edit(), QStringLiteral("Nueva"));
        dialog.acceptButton()->click();
    });
    QString text = QStringLiteral("Vieja");
    EXPECT_TRUE(InputText(QStringLiteral("Lista"), QStringLiteral("Nombre"), text));
    EXPECT_EQ(offered, QStringLiteral("Vieja"));
    EXPECT_EQ(text, QStringLiteral("Nueva"));
}

}  // namespace
