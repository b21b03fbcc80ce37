#pragma once

#include "framework/forms/MessageResponder.h"

namespace fw::forms {

// Answers for a run without windows: writes each message to standard error and presses the
// button a user pressing Enter would press.
class HeadlessResponder : public MessageResponder {
public:
    // Writes "title: text" and answers the style's preselected button.
    int answerBox(const MessageRequest& request) override;
    // Writes "caption: prompt" and accepts the text offered, unless it is empty (the dialog
    // cannot be accepted then).
    bool answerInput(const MessageRequest& request, QString& text) override;
};

}  // namespace fw::forms
