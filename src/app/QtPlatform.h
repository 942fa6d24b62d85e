#pragma once

#include "controllers/messages/MessageBoxPrompts.h"
#include "routines/Platform.h"

namespace vantaro {

// Message boxes of the core shown in the program's own message box.
class QtUserPrompts final : public MessageBoxPrompts {};

// The hourglass as Qt's override cursor. Busy work nested in busy work (sorting every object of a
// store, each with its own scope) reaches Qt only at the outer Begin and End.
class QtBusyCursor final : public BusyCursor {
public:
    void Begin() override;
    void End() override;

private:
    int depth_ = 0;
};

}  // namespace vantaro
