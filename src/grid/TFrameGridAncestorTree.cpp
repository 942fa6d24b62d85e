// The association tree the choosers list.

#include <algorithm>
#include <vector>

#include "factory/CFactory.h"
#include "factory/CStored.h"
#include "grid/TFrameGridAncestor.h"

namespace vantaro {
namespace {

constexpr std::string_view kAssociation = "ASSOCATION";

// Whether the blank-separated list holds the name as a whole word: "Year_1" is not in "Year_10".
bool Names(std::string_view list, std::string_view name) {
    for (std::size_t at = list.find(name); at != std::string_view::npos; at = list.find(name, at + 1)) {
        const std::size_t end = at + name.size();
        if ((at == 0 || list[at - 1] == ' ') && (end == list.size() || list[end] == ' ')) return true;
    }
    return false;
}

void Walk(CellPage& cells, const CFactory* factory, int column, bool aggregatesOnly,
          std::string_view collection, std::string_view path, int depth, CStored* object,
          std::vector<const CStored*>& walking) {
    if (std::find(walking.begin(), walking.end(), object) != walking.end()) return;
    walking.push_back(object);
    for (int line = 0; line < object->PropertyCount(); ++line) {
        if (object->PropertyTag(line) != kAssociation) continue;
        const std::string name = object->PropertyName(line);
        if (aggregatesOnly && !object->IsAggregate(line)) continue;
        if (!path.empty() && !Names(path, name)) continue;
        const bool listed = collection.empty() || Names(collection, name);
        const int memberDepth = listed ? depth + 1 : depth;
        for (CStored* member : object->AssociationItems(name)) {
            if (!member || (factory && factory->IsHidden(member))) continue;
            if (listed) {
                cells.SetCell(column, cells.CurrentRow(),
                              NameLabelCell(member, {.target = member, .source = object, .level = memberDepth}));
                cells.NextRow();
            }
            Walk(cells, factory, column, aggregatesOnly, collection, path, memberDepth, member, walking);
        }
    }
    walking.pop_back();
}

}  // namespace

void TFrameGridAncestor::AddAssociationTree(int column, bool aggregatesOnly, std::string_view collection,
                                            std::string_view path, int depth, CStored* object) {
    if (!object) return;
    std::vector<const CStored*> walking;
    Walk(cells_, Factory(), column, aggregatesOnly, collection, path, depth, object, walking);
}

}  // namespace vantaro
