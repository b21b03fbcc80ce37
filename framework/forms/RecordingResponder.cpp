#include "framework/forms/RecordingResponder.h"

#include "framework/forms/MessageStyle.h"

namespace fw::forms {

void RecordingResponder::queueBoxAnswer(int answer) {
    m_boxAnswers.push_back(answer);
}

void RecordingResponder::queueInputAnswer(std::optional<QString> text) {
    m_inputAnswers.push_back(std::move(text));
}

int RecordingResponder::answerBox(const MessageRequest& request) {
    requests.push_back(request);
    if (m_boxAnswers.empty()) {
        return DefaultAnswer(request.style);
    }
    const int answer = m_boxAnswers.front();
    m_boxAnswers.pop_front();
    return answer;
}

bool RecordingResponder::answerInput(const MessageRequest& request, QString& text) {
    requests.push_back(request);
    std::optional<QString> typed = request.inputText;
    if (!m_inputAnswers.empty()) {
        typed = std::move(m_inputAnswers.front());
        m_inputAnswers.pop_front();
    }
    if (!typed || typed->isEmpty()) {
        return false;
    }
    text = *typed;
    return true;
}

}  // namespace fw::forms
