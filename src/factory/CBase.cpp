#include "factory/CBase.h"

#include <limits>

#include "routines/Errors.h"

namespace vantaro {
namespace {

// Constant-initialised, so objects built before main (the grouping object) find it ready.
constinit std::int32_t lastTemporaryID = -1;

}  // namespace

std::int32_t NextTemporaryID() {
    // Counting on past the lowest value would wrap into the permanent IDs and give two objects
    // one identity; refuse instead.
    if (lastTemporaryID == std::numeric_limits<std::int32_t>::min())
        throw EVantaro("No temporary IDs are left in this run; restart the program");
    return --lastTemporaryID;
}

CBase::CBase() : id_(NextTemporaryID()) {}

void CBase::NewID() { id_ = NextTemporaryID(); }

}  // namespace vantaro
