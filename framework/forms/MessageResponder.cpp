#include "framework/forms/MessageResponder.h"

namespace fw::forms {

namespace {

std::unique_ptr<MessageResponder>& Responder() {
    static std::unique_ptr<MessageResponder> responder;
    return responder;
}

}  // namespace

MessageResponder::~MessageResponder() = default;

void SetMessageResponder(std::unique_ptr<MessageResponder> responder) {
    Responder() = std::move(responder);
}

MessageResponder* CurrentMessageResponder() {
    return Responder().get();
}

}  // namespace fw::forms
