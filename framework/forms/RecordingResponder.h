#pragma once

#include <QString>
#include <deque>
#include <optional>
#include <vector>

#include "framework/forms/MessageResponder.h"

namespace fw::forms {

// Stands in for the user in tests: keeps every request and answers from a script, falling back
// to what Enter would do once the script runs out.
class RecordingResponder : public MessageResponder {
public:
    // The next box is answered with this button code.
    void queueBoxAnswer(int answer);
    // The next input is accepted with this text, or cancelled for std::nullopt. An empty text
    // cannot be accepted, as in the dialog.
    void queueInputAnswer(std::optional<QString> text);

    int answerBox(const MessageRequest& request) override;
    bool answerInput(const MessageRequest& request, QString& text) override;

    std::vector<MessageRequest> requests;

private:
    std::deque<int> m_boxAnswers;
    std::deque<std::optional<QString>> m_inputAnswers;
};

}  // namespace fw::forms
