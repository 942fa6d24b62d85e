#include "windows/store/TFrameObjectMapGrid.h"

#include <array>
#include <string_view>

#include "factory/CFactory.h"
#include "grid/markup/CellMarkup.h"
#include "grid/markup/CellReaders.h"
#include "routines/NumberText.h"
#include "routines/Words.h"
#include "windows/store/HideListGuard.h"

namespace vantaro {
namespace {

constexpr std::array kWidths{0.4, 0.1, 0.1, 0.1, 0.2, 0.1};
constexpr std::array<std::string_view, 6> kTitles{"Name", "Type", "ID", "Status", "Unique Idntifer", "Parent"};
constexpr std::array<std::string_view, 5> kStatusNames{"stNew", "stStored", "stUpdated", "stDeleted", "stExternal"};

}  // namespace

TFrameObjectMapGrid::TFrameObjectMapGrid(QWidget* parent) : TFrameGridAncestor(parent) {}

double TFrameObjectMapGrid::ColumnWidth(int column) {
    return column >= 0 && column < static_cast<int>(kWidths.size()) ? kWidths[column] : 0;
}

void TFrameObjectMapGrid::BuildPage() {
    objectCount_ = 0;
    CStored* root = factory_ ? factory_->Root() : nullptr;
    BeginPage(6, 1);
    if (root) {
        // Hidden forms, terms and subjects are part of the store too; the filter comes back
        // however the build ends.
        const HideListGuard shownWhole(*factory_);
        for (std::size_t column = 0; column < kTitles.size(); ++column)
            SetRowCell(static_cast<int>(column), TitleCell(kTitles[column], {.target = root}));
        NextRow();
        SetRowCell(0, LineTextCell(root->DisplayText(), {.target = root}));
        NextRow();
        AddAssociationTree(0, true, "", "", 0, root);
        FillDetails();
    }
    EndPage(1, 0);
}

// Every row whose first cell names an object of the store gets the object's details.
void TFrameObjectMapGrid::FillDetails() {
    const int lastRow = CurrentRow();
    for (int row = 1; row <= lastRow; ++row) {
        SetCurrentRow(row);
        const std::string name = RowCell(0);
        long long id = 0;
        if (!TryReadInteger(NumericChars(CellValue(name, cell::kTarget)), id) || id == 0) continue;
        const CStored* object = factory_->FindObject(static_cast<std::int32_t>(id));
        if (!object) continue;
        ++objectCount_;
        const CStored* parent = object->GetRelation("PARENT");
        SetRowCell(5, LineTextCell(parent ? std::to_string(parent->ID()) : "nil"));
        SetRowCell(0, SetCellValue(SetCellValue(name, cell::kStyle, "HEADING"), cell::kEffect, "ROUND"));
        SetRowCell(1, LineTextCell(ClassWords(object->ClassName())));
        SetRowCell(2, LineTextCell(std::to_string(object->ID())));
        SetRowCell(3, LineTextCell(EnumWords(kStatusNames, static_cast<int>(object->Status()))));
        SetRowCell(4, LineTextCell(object->PathText()));
    }
    SetCurrentRow(lastRow);
}

}  // namespace vantaro
