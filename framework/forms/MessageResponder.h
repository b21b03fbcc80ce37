#pragma once

#include <QString>
#include <memory>

namespace fw::forms {

// One question the message helpers put to the user.
struct MessageRequest {
    enum class Kind { Box, Input };
    Kind kind = Kind::Box;
    // A box: its title, text (CR line breaks) and style bits.
    QString title;
    QString text;
    unsigned style = 0;
    // An input: the dialog caption, its prompt and the text it opens with.
    QString caption;
    QString prompt;
    QString inputText;
};

// Takes the place of the user for every message box and input dialog of the process: headless
// runs answer on the console, tests script their answers.
class MessageResponder {
public:
    virtual ~MessageResponder();
    // Answers with the code of the button pressed.
    virtual int answerBox(const MessageRequest& request) = 0;
    // Answers true when accepted; `text` then holds the text entered.
    virtual bool answerInput(const MessageRequest& request, QString& text) = 0;
};

// Replaces the process-wide responder; nullptr brings the real windows back.
void SetMessageResponder(std::unique_ptr<MessageResponder> responder);
// The responder in place, nullptr when the real windows are shown.
MessageResponder* CurrentMessageResponder();

}  // namespace fw::forms
