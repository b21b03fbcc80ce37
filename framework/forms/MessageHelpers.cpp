#include "framework/forms/MessageHelpers.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

#include "framework/forms/MessageResponder.h"
#include "framework/forms/MessageStyle.h"
#include "framework/forms/TFrMsgInputBox.h"
#include "framework/forms/WidgetSupport.h"
#include "framework/forms/WindowPlacement.h"
#include "framework/util/Errors.h"

namespace fw::forms {

namespace {

struct ButtonText {
    int answer;
    QMessageBox::StandardButton button;
    const char16_t* caption;
};

constexpr ButtonText Buttons[] = {
    {MessageAnswer::Ok, QMessageBox::Ok, u"Aceptar"},
    {MessageAnswer::Cancel, QMessageBox::Cancel, u"Cancelar"},
    {MessageAnswer::Abort, QMessageBox::Abort, u"Anular"},
    {MessageAnswer::Retry, QMessageBox::Retry, u"Reintentar"},
    {MessageAnswer::Ignore, QMessageBox::Ignore, u"Omitir"},
    {MessageAnswer::Yes, QMessageBox::Yes, u"Sí"},
    {MessageAnswer::No, QMessageBox::No, u"No"},
};

QMessageBox::Icon BoxIcon(unsigned style) {
    switch (style & MessageStyle::IconMask) {
        case MessageStyle::IconStop:
            return QMessageBox::Critical;
        case MessageStyle::IconQuestion:
            return QMessageBox::Question;
        case MessageStyle::IconWarning:
            return QMessageBox::Warning;
        case MessageStyle::IconInformation:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

const ButtonText& ButtonFor(int answer) {
    for (const ButtonText& entry : Buttons) {
        if (entry.answer == answer) {
            return entry;
        }
    }
    return Buttons[0];
}

int AnswerFor(QMessageBox::StandardButton button) {
    for (const ButtonText& entry : Buttons) {
        if (entry.button == button) {
            return entry.answer;
        }
    }
    return MessageAnswer::None;
}

int ShowBoxWindow(const QString& text, const QString& title, unsigned style) {
    const QList<int> answers = MessageButtons(style);
    if (answers.isEmpty()) {
        return MessageAnswer::None;
    }
    // Focus goes back where it was once the box is gone; the box itself blocks every other
    // window of the program while it is open.
    const QPointer<QWidget> active = QApplication::activeWindow();
    const QPointer<QWidget> focused = QApplication::focusWidget();
    QWidget* owner = active ? active.data() : MainWindow();

    QMessageBox box(BoxIcon(style), title, MessageDisplayText(text), QMessageBox::NoButton, owner);
    box.setWindowModality(Qt::ApplicationModal);
    for (const int answer : answers) {
        const ButtonText& entry = ButtonFor(answer);
        box.addButton(entry.button)->setText(QString::fromUtf16(entry.caption));
    }
    box.setDefaultButton(ButtonFor(DefaultAnswer(style)).button);
    box.exec();
    const int answer = AnswerFor(box.standardButton(box.clickedButton()));

    if (active) {
        active->activateWindow();
    }
    if (focused) {
        focused->setFocus();
    }
    return answer;
}

bool ShowInputWindow(const QString& caption, const QString& prompt, QString& text) {
    TFrMsgInputBox dialog(caption, prompt, text, QApplication::activeWindow());
    CenterWindow(&dialog, MainWindow());
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    text = dialog.text();
    return true;
}

}  // namespace

int ShowMessageBox(const QString& text, const QString& title, unsigned style) {
    const QString boxTitle = title.isEmpty() ? QStringLiteral("Atención") : title;
    if (MessageResponder* responder = CurrentMessageResponder()) {
        MessageRequest request;
        request.kind = MessageRequest::Kind::Box;
        request.title = boxTitle;
        request.text = text;
        request.style = style;
        return responder->answerBox(request);
    }
    if (!WidgetsAvailable()) {
        return MessageAnswer::None;
    }
    return ShowBoxWindow(text, boxTitle, style);
}

bool AskYesNoDefaultNo(const QString& title, const QString& text) {
    return ShowMessageBox(text, title,
                          MessageStyle::YesNo | MessageStyle::IconWarning |
                              MessageStyle::DefaultSecond) == MessageAnswer::Yes;
}

bool AskYesNo(const QString& title, const QString& text) {
    return ShowMessageBox(text, title, MessageStyle::YesNo | MessageStyle::IconWarning) ==
           MessageAnswer::Yes;
}

bool ShowWarning(const QString& title, const QString& text) {
    return ShowMessageBox(text, title, MessageStyle::Ok | MessageStyle::IconWarning) ==
           MessageAnswer::Ok;
}

void ShowInformation(const QString& text) {
    ShowMessageBox(text, QStringLiteral("Información"),
                   MessageStyle::Ok | MessageStyle::IconInformation);
}

void ShowError(const QString& text) {
    if (CurrentMessageResponder() == nullptr && WidgetsAvailable()) {
        QApplication::beep();
    }
    ShowWarning(QStringLiteral("Error"), text);
}

void ShowErrorAndAbort(const QString& text) {
    ShowError(text);
    throw AbortError(text);
}

bool AskConfirmation(const QString& text) {
    return ShowMessageBox(text, QStringLiteral("Confirmación"),
                          MessageStyle::YesNo | MessageStyle::IconInformation |
                              MessageStyle::TaskModal) == MessageAnswer::Yes;
}

bool InputText(const QString& caption, const QString& prompt, QString& text) {
    if (MessageResponder* responder = CurrentMessageResponder()) {
        MessageRequest request;
        request.kind = MessageRequest::Kind::Input;
        request.caption = caption;
        request.prompt = prompt;
        request.inputText = text;
        return responder->answerInput(request, text);
    }
    if (!WidgetsAvailable()) {
        return false;
    }
    return ShowInputWindow(caption, prompt, text);
}

}  // namespace fw::forms
