#pragma once
// A question the user answers with Yes or No (Add, Delete record). The window asks in a message
// box; a test hands the window an asker of its own and answers without a human, counting the
// questions so that it knows each one was asked.

#include <string>

namespace esc::qt {

// The button Return presses: Yes for a question that only adds, No before anything is lost.
enum class DefaultAnswer { Yes, No };

class YesNoAsker {
public:
    virtual ~YesNoAsker() = default;
    virtual bool AskYesNo(const std::string& title, const std::string& text, DefaultAnswer answer) = 0;
};

}  // namespace esc::qt
