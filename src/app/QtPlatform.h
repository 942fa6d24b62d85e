#pragma once

#include "routines/Platform.h"

namespace vantaro {

// Message boxes of the core shown as Qt message boxes.
class QtUserPrompts final : public UserPrompts {
public:
    bool Ask(const std::string& caption, const std::string& text, MessageButtons buttons) override;
};

// The hourglass as Qt's override cursor; nested uses stack.
class QtBusyCursor final : public BusyCursor {
public:
    void Begin() override;
    void End() override;
};

}  // namespace vantaro
