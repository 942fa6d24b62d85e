#include <algorithm>

#include "factory/CStored.h"
#include "factory/StoredLines.h"

namespace vantaro {
namespace {

// The first non-empty slot whose source has the source's ID.
auto FindSlot(std::vector<std::unique_ptr<CLink>>& slots, const CStored* source) {
    return std::find_if(slots.begin(), slots.end(), [source](const std::unique_ptr<CLink>& link) {
        return link && link->Source() && link->Source()->ID() == source->ID();
    });
}

}  // namespace

int CStored::LinkCount(std::string_view name) const {
    const CAttachedList* list = ListOf(kLink, name);
    return list ? static_cast<int>(list->Links().size()) : 0;
}

CLink* CStored::LinkItem(std::string_view name, int index) const {
    const CAttachedList* list = ListOf(kLink, name);
    if (!list || index < 0 || index >= static_cast<int>(list->Links().size())) return nullptr;
    return list->Links()[index].get();
}

bool CStored::SetLink(std::string_view name, CStored* source, CStored* target) {
    CAttachedList* list = ListOf(kLink, name);
    if (!list || !source) return false;
    auto& slots = list->Links();
    const auto slot = FindSlot(slots, source);
    const bool added = slot == slots.end();
    if (added) {
        slots.push_back(std::make_unique<CLink>(source, target));
    } else {
        (*slot)->SetTarget(target);
    }
    WriteReferences();
    MarkChanged();
    return added;
}

CStored* CStored::GetLinkTarget(std::string_view name, const CStored* source) const {
    CAttachedList* list = ListOf(kLink, name);
    if (!list || !source) return nullptr;
    const auto slot = FindSlot(list->Links(), source);
    return slot == list->Links().end() ? nullptr : (*slot)->Target();
}

bool CStored::RemoveLink(std::string_view name, const CStored* source) {
    CAttachedList* list = ListOf(kLink, name);
    if (!list || !source) return false;
    auto& slots = list->Links();
    const auto slot = FindSlot(slots, source);
    const bool removed = slot != slots.end();
    if (removed) slots.erase(slot);
    WriteReferences();
    MarkChanged();
    return removed;
}

}  // namespace vantaro
