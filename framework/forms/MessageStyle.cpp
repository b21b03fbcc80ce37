#include "framework/forms/MessageStyle.h"

namespace fw::forms {

QList<int> MessageButtons(unsigned style) {
    using namespace MessageAnswer;
    switch (style & MessageStyle::ButtonsMask) {
        case MessageStyle::Ok:
            return {Ok};
        case MessageStyle::OkCancel:
            return {Ok, Cancel};
        case MessageStyle::AbortRetryIgnore:
            return {Abort, Retry, Ignore};
        case MessageStyle::YesNoCancel:
            return {Yes, No, Cancel};
        case MessageStyle::YesNo:
            return {Yes, No};
        case MessageStyle::RetryCancel:
            return {Retry, Cancel};
        default:
            return {};
    }
}

int DefaultAnswer(unsigned style) {
    const QList<int> buttons = MessageButtons(style);
    if (buttons.isEmpty()) {
        return MessageAnswer::None;
    }
    const auto index = static_cast<qsizetype>((style & MessageStyle::DefaultMask) >> 8);
    return index < buttons.size() ? buttons.at(index) : buttons.first();
}

QString MessageDisplayText(const QString& text) {
    QString display = text;
    display.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    display.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return display;
}

}  // namespace fw::forms
