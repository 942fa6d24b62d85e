#include "factory/CObjectStore.h"

#include <algorithm>
#include <stdexcept>

#include "factory/CStored.h"

namespace vantaro {

CStored* CObjectStore::Slot::Get() const { return owned ? owned.get() : ref.Get(); }

CObjectStore::CObjectStore(Ownership ownership) : ownership_(ownership) {}
CObjectStore::~CObjectStore() = default;
CObjectStore::CObjectStore(CObjectStore&&) noexcept = default;
CObjectStore& CObjectStore::operator=(CObjectStore&&) noexcept = default;

// A referring store drops references to objects destroyed elsewhere before it is used.
void CObjectStore::Prune() const {
    const std::uint64_t destroyed = DestroyedObjectCount();
    if (IsOwning() || checkedAt_ == destroyed) return;
    std::erase_if(items_, [this](const Slot& slot) {
        if (slot.Get()) return false;
        byID_.erase(slot.id);
        return true;
    });
    checkedAt_ = destroyed;
}

// Forgets the slot's object under the ID it was placed with.
void CObjectStore::Unindex(const Slot& slot) const {
    const auto found = byID_.find(slot.id);
    if (found != byID_.end() && found->second == slot.Get()) byID_.erase(found);
}

void CObjectStore::Reindex() {
    byID_.clear();
    byID_.reserve(items_.size());
    for (const Slot& slot : items_) byID_.emplace(slot.id, slot.Get());
}

// The position of an object with that ID, or of the first with a greater ID; the last position
// when the ID is greater than every ID, and 0 for a store of fewer than two objects.
int CObjectStore::SearchPosition(std::int32_t id) const {
    if (items_.size() < 2) return 0;
    if (id > items_.back().id) return static_cast<int>(items_.size()) - 1;
    const auto at = std::lower_bound(items_.begin(), items_.end(), id,
                                     [](const Slot& slot, std::int32_t wanted) { return slot.id < wanted; });
    return static_cast<int>(at - items_.begin());
}

// Moves the slot in at its sorted position; leaves it untouched when its ID is present.
bool CObjectStore::Insert(Slot& slot) {
    Prune();
    const std::int32_t id = slot.Get()->ID();
    slot.id = id;
    auto at = items_.end();
    if (!items_.empty()) {
        const int position = SearchPosition(id);
        const std::int32_t there = items_[position].id;
        if (there == id) return false;
        if (there > id) at = items_.begin() + position;
    }
    byID_[id] = slot.Get();
    items_.insert(at, std::move(slot));
    return true;
}

bool CObjectStore::Add(std::unique_ptr<CStored>& object) {
    if (!IsOwning()) throw std::logic_error("a referring store cannot own an object");
    if (!object) return false;
    Slot slot;
    slot.owned = std::move(object);
    if (Insert(slot)) return true;
    object = std::move(slot.owned);
    return false;
}

bool CObjectStore::Add(CStored* object) {
    if (IsOwning()) throw std::logic_error("an owning store needs the object's ownership");
    if (!object) return false;
    Slot slot;
    slot.ref = StoredRef(object);
    return Insert(slot);
}

CStored* CObjectStore::Find(std::int32_t id) const {
    Prune();
    const auto found = byID_.find(id);
    return found != byID_.end() && found->second->ID() == id ? found->second : nullptr;
}

std::unique_ptr<CStored> CObjectStore::Release(const CStored* object) {
    Prune();
    if (!object || items_.empty()) return nullptr;
    const int position = SearchPosition(object->ID());
    if (items_[position].Get() != object) return nullptr;
    Unindex(items_[position]);
    std::unique_ptr<CStored> owned = std::move(items_[position].owned);
    items_.erase(items_.begin() + position);
    return owned;
}

std::vector<std::unique_ptr<CStored>> CObjectStore::ReleaseIf(const std::function<bool(const CStored&)>& test) {
    if (!IsOwning()) throw std::logic_error("a referring store owns nothing to hand over");
    std::vector<std::unique_ptr<CStored>> released;
    std::erase_if(items_, [&](Slot& slot) {
        if (!test(*slot.owned)) return false;
        Unindex(slot);
        released.push_back(std::move(slot.owned));
        return true;
    });
    return released;
}

bool CObjectStore::Remove(const CStored* object) {
    Prune();
    if (!object || items_.empty()) return false;
    const int position = SearchPosition(object->ID());
    if (items_[position].Get() != object) return false;
    // An owned object is destroyed only after it has left the list.
    Unindex(items_[position]);
    Slot removed = std::move(items_[position]);
    items_.erase(items_.begin() + position);
    return true;
}

void CObjectStore::Clear() {
    root_ = StoredRef();
    // Taken out first, so the objects' destruction never meets a half-emptied store.
    std::deque<Slot> items = std::move(items_);
    items_.clear();
    byID_.clear();
}

void CObjectStore::Forget() {
    if (IsOwning()) throw std::logic_error("an owning store cannot forget its objects");
    Clear();
}

void CObjectStore::SetRoot(CStored* object) {
    if (!object) {
        Clear();
        return;
    }
    if (Find(object->ID()) != object && (IsOwning() || !Add(object))) {
        throw std::logic_error("the root of an owning store must be one of its objects");
    }
    root_ = StoredRef(object);
}

void CObjectStore::SortByID() {
    Prune();
    for (Slot& slot : items_) slot.id = slot.Get()->ID();
    std::stable_sort(items_.begin(), items_.end(), [](const Slot& a, const Slot& b) { return a.id < b.id; });
    Reindex();
}

int CObjectStore::Count() const {
    Prune();
    return static_cast<int>(items_.size());
}

CStored* CObjectStore::Item(int index) const {
    Prune();
    if (index < 0 || index >= static_cast<int>(items_.size())) return nullptr;
    return items_[index].Get();
}

}  // namespace vantaro
