#include "factory/CBase.h"

namespace vantaro {
namespace {

// Constant-initialised, so objects built before main (the grouping object) find it ready.
constinit std::int32_t lastTemporaryID = -1;

}  // namespace

std::int32_t NextTemporaryID() { return --lastTemporaryID; }

CBase::CBase() : id_(NextTemporaryID()) {}

void CBase::NewID() { id_ = NextTemporaryID(); }

}  // namespace vantaro
