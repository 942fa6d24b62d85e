#pragma once

#include <cstdint>
#include <memory>

namespace vantaro {

class CStored;

// A reference to a stored object that does not own it and never dangles: once the object is
// destroyed the reference reads as none. Every stored object carries one anchor, a small shared
// cell holding its own address, which its destructor clears; references share the anchor.
class StoredRef {
public:
    StoredRef() = default;
    explicit StoredRef(const CStored* object);

    CStored* Get() const { return anchor_ ? *anchor_ : nullptr; }
    bool IsAlive() const { return Get() != nullptr; }

private:
    std::shared_ptr<CStored*> anchor_;
};

// Counts stored objects destroyed in this process. A list of references that remembers the
// count it last saw can tell cheaply whether it may hold dead references.
std::uint64_t DestroyedObjectCount();
// Called by a stored object's destructor.
void CountDestroyedObject();

}  // namespace vantaro
