// Records the error boxes the library shows during a test instead of printing them.
#pragma once

#include <string>
#include <vector>

#include "orveldblib/DomainClass.h"

namespace orvel::test {

struct RecordedMessage {
    std::string text;
    UINT style;
    UINT helpId;
};

class MessageRecorder {
public:
    MessageRecorder()
    {
        CDomainClass::SetMessageHandler(
            [this](const CString& text, UINT style, UINT helpId) { messages.push_back({text.str(), style, helpId}); });
    }
    ~MessageRecorder() { CDomainClass::SetMessageHandler(nullptr); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    std::vector<RecordedMessage> messages;
};

}  // namespace orvel::test
