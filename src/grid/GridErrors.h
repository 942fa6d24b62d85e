#pragma once

#include <exception>

#include "routines/Platform.h"

namespace vantaro {

// Runs work at the boundary between Qt's event loop and the core: an error is shown in the
// message box instead of crossing the loop. True when the work ran to its end.
template <class Work>
bool ReportErrors(Work&& work) {
    try {
        work();
        return true;
    } catch (const std::exception& error) {
        Platform::Prompts().Ask("Error", error.what(), MessageButtons::Close);
    } catch (...) {
        Platform::Prompts().Ask("Error", "An unexpected error stopped the command.", MessageButtons::Close);
    }
    return false;
}

}  // namespace vantaro
