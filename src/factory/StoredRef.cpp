#include "factory/StoredRef.h"

#include "factory/CStored.h"

namespace vantaro {
namespace {

constinit std::uint64_t destroyedObjects = 0;

}  // namespace

StoredRef::StoredRef(const CStored* object) {
    if (object) anchor_ = object->Anchor();
}

std::uint64_t DestroyedObjectCount() { return destroyedObjects; }

void CountDestroyedObject() { ++destroyedObjects; }

}  // namespace vantaro
