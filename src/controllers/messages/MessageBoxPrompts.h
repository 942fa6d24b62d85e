#pragma once

#include "routines/Platform.h"

namespace vantaro {

// The core's messages ("DATA ERROR", "Save Error" and the others) shown in the program's own
// message box over the active window.
class MessageBoxPrompts : public UserPrompts {
public:
    bool Ask(const std::string& caption, const std::string& text, MessageButtons buttons) override;
    Answer AskOrCancel(const std::string& caption, const std::string& text, MessageButtons buttons) override;
};

}  // namespace vantaro
