#include "framework/forms/HeadlessResponder.h"

#include <cstdio>

#include "framework/forms/MessageStyle.h"

namespace fw::forms {

namespace {

void WriteLine(const QString& head, const QString& body) {
    const QString line = head + QStringLiteral(": ") + MessageDisplayText(body) + QLatin1Char('\n');
    std::fputs(line.toUtf8().constData(), stderr);
    std::fflush(stderr);
}

}  // namespace

int HeadlessResponder::answerBox(const MessageRequest& request) {
    WriteLine(request.title, request.text);
    return DefaultAnswer(request.style);
}

bool HeadlessResponder::answerInput(const MessageRequest& request, QString& text) {
    WriteLine(request.caption, request.prompt);
    if (request.inputText.isEmpty()) {
        return false;
    }
    text = request.inputText;
    return true;
}

}  // namespace fw::forms
