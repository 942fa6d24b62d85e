#include <algorithm>

#include "factory/CStored.h"
#include "factory/IDText.h"
#include "factory/StoredLines.h"
#include "routines/Platform.h"
#include "routines/XMLRoutines.h"

namespace vantaro {
namespace {

// The last position of an object in a member list, or -1.
int LastPosition(const std::vector<StoredRef>& members, const CStored* object) {
    for (int i = static_cast<int>(members.size()) - 1; i >= 0; --i) {
        if (members[i].Get() == object) return i;
    }
    return -1;
}

// A NAME is sorted when the filter is empty or names it: the NAME followed by a space occurs in
// the filter followed by a space. A plain substring test, so the tail of a listed name counts.
bool PassesFilter(std::string_view name, std::string_view filter) {
    if (name.empty() || filter.empty()) return true;
    const std::string padded = std::string(filter) + " ";
    return padded.find(std::string(name) + " ") != std::string::npos;
}

void SortMembers(std::vector<StoredRef>& members) {
    std::vector<std::pair<std::string, StoredRef>> keyed;
    keyed.reserve(members.size());
    for (const StoredRef& member : members) keyed.emplace_back(member.Get()->SortKey(), member);
    // std::string compares as unsigned bytes, so capitals sort before small letters.
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 0; i < keyed.size(); ++i) members[i] = std::move(keyed[i].second);
}

}  // namespace

int CStored::AssociationCount(std::string_view name) const {
    const CAttachedList* list = ListOf(kAssociation, name);
    return list ? static_cast<int>(list->Members().size()) : 0;
}

CStored* CStored::AssociationItem(std::string_view name, int index) const {
    const CAttachedList* list = ListOf(kAssociation, name);
    if (!list || index < 0) return nullptr;
    const auto& members = list->Members();
    return index < static_cast<int>(members.size()) ? members[index].Get() : nullptr;
}

std::vector<CStored*> CStored::AssociationItems(std::string_view name) const {
    std::vector<CStored*> items;
    if (const CAttachedList* list = ListOf(kAssociation, name)) {
        for (const StoredRef& member : list->Members()) items.push_back(member.Get());
    }
    return items;
}

bool CStored::AddToAssociation(std::string_view name, CStored* object) {
    if (!object) return false;
    CAttachedList* list = ListOf(kAssociation, name);
    if (list) {
        auto& members = list->Members();
        if (LastPosition(members, object) >= 0) return false;
        members.emplace_back(object);
        WriteReferences();
    }
    MarkChanged();
    return list != nullptr;
}

bool CStored::RemoveFromAssociation(std::string_view name, const CStored* object) {
    CAttachedList* list = ListOf(kAssociation, name);
    bool removed = false;
    if (list) {
        removed = std::erase_if(list->Members(),
                                [object](const StoredRef& ref) { return ref.Get() == object; }) > 0;
        WriteReferences();
    }
    MarkChanged();
    return removed;
}

void CStored::ClearAssociation(std::string_view name) {
    const int index = properties_.IndexOf(kAssociation, name);
    if (index >= 0) {
        properties_.SetContent(index, "");
        if (CAttachedList* list = properties_.List(index)) list->Members().clear();
    }
    MarkChanged();
}

void CStored::SetAssociationIDs(std::string_view name, std::string_view ids) {
    const int index = properties_.IndexOf(kAssociation, name);
    MarkChanged();
    if (index < 0) return;
    properties_.SetContent(index, ids);
    ResolveReferences();
}

CStored* CStored::FindInAssociation(std::string_view name, std::string_view text) const {
    const CAttachedList* list = ListOf(kAssociation, name);
    if (!list) return nullptr;
    for (const StoredRef& member : list->Members()) {
        if (member.Get()->DisplayText() == text) return member.Get();
    }
    return nullptr;
}

void CStored::MoveInAssociations(const CStored* a, const CStored* b) {
    for (int i = 0; i < properties_.Count(); ++i) {
        CAttachedList* list = properties_.List(i);
        if (!list || properties_.Tag(i) != kAssociation) continue;
        auto& members = list->Members();
        const int from = LastPosition(members, a);
        const int to = LastPosition(members, b);
        if (from < 0 || to < 0) continue;
        StoredRef moved = members[from];
        members.erase(members.begin() + from);
        members.insert(members.begin() + to, std::move(moved));
    }
    WriteReferences();
    MarkChanged();
}

void CStored::SortAssociations(std::string_view filter) {
    BusyScope busy;
    for (int i = 0; i < properties_.Count(); ++i) {
        CAttachedList* list = properties_.List(i);
        if (!list || properties_.Tag(i) != kAssociation) continue;
        if (!PassesFilter(properties_.Name(i), filter)) continue;
        SortMembers(list->Members());
    }
}

// Relations.

bool CStored::SetRelation(std::string_view name, CStored* object) {
    const int index = properties_.IndexOf(kRelation, name);
    if (index >= 0) {
        properties_.SetContent(index, object ? std::to_string(object->ID()) : std::string());
        if (CAttachedList* list = properties_.List(index)) {
            auto& members = list->Members();
            members.clear();
            if (object) members.emplace_back(object);
        }
    }
    MarkChanged();
    return index >= 0;
}

CStored* CStored::GetRelation(std::string_view name) const {
    const int index = properties_.IndexOf(kRelation, name);
    if (index < 0) return nullptr;
    const std::string content = properties_.Content(index);
    if (content.empty()) return nullptr;
    const auto id = TryIDFromText(content);
    return id ? FindByID(*id) : nullptr;
}

CStored* CStored::GetParent() const { return GetRelation(kParent); }

}  // namespace vantaro
