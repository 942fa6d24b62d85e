#pragma once

#include <string>
#include <string_view>

#include "factory/CStored.h"

namespace vantaro {

// The grouping object of the overview grids: one association per group, filled with the items
// shown under that group, and NO_RELATION for items without one. One instance exists for the
// whole process, made before main runs (so it takes the first temporary ID, -2); it belongs to
// no factory and is never saved. Its associations only refer to the items.
class CRelationManager final : public CStored {
public:
    CRelationManager();

    static CRelationManager& Instance();

    // The group of the items without one.
    static constexpr std::string_view kNoRelation = "NO_RELATION";

    std::string ClassName() const override { return "CRelationManager"; }
    // Its own ID in decimal.
    std::string DisplayText() const override;

    // Removes every line and adds the empty NO_RELATION association.
    void ResetGroups();
    // Adds an association named after the group's display text (trimmed, spaces as underscores).
    void AddGroup(const CStored& group);
    // Appends the item to its group's association, or to NO_RELATION without a group.
    void AddToGroup(CStored* item, const CStored* group);

    // The association NAME a group's items are kept under.
    static std::string GroupName(const CStored& group);
};

}  // namespace vantaro
