#include "factory/CScrubList.h"

#include "factory/CStored.h"

namespace vantaro {

bool CScrubList::AddPath(const CStored* object) {
    if (!object) return true;
    std::string path = object->PathText();
    const auto before = entries_.lower_bound(path);
    const auto added = entries_.emplace_hint(before, std::move(path), StoredRef(object));
    const auto next = std::next(added);
    if (next == entries_.end() || next->first != added->first) return true;
    const CStored* other = next->second.Get();
    return !(other && other->ClassName() == object->ClassName());
}

}  // namespace vantaro
