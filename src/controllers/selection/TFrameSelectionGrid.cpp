#include "controllers/selection/TFrameSelectionGrid.h"

#include "factory/CStored.h"
#include "grid/markup/CellMarkup.h"
#include "grid/markup/CellReaders.h"
#include "routines/IdentifierCaption.h"
#include "routines/NumberText.h"
#include "routines/XMLRoutines.h"

namespace vantaro {
namespace {

std::set<std::int32_t> IdsOf(std::string_view list) {
    std::set<std::int32_t> ids;
    ForEachListItem(list, [&ids](std::string_view item) {
        long long id = 0;
        if (TryReadInteger(item, id) && id != 0) ids.insert(static_cast<std::int32_t>(id));
    });
    return ids;
}

}  // namespace

TFrameSelectionGrid::TFrameSelectionGrid(QWidget* parent) : TFrameGridAncestor(parent) {
    SetAllowClear(false);
}

void TFrameSelectionGrid::Clear() {
    levels_.clear();
    initialChoice_.clear();
    built_ = false;
}

void TFrameSelectionGrid::AddLevel(CStored* root, std::string heading, std::string newAction,
                                   std::string collection, std::string path) {
    levels_.push_back({StoredRef(root), std::move(heading), std::move(newAction), std::move(collection),
                       std::move(path)});
}

void TFrameSelectionGrid::SetInitialChoice(std::string_view ids) {
    initialChoice_ = ids;
    if (initialChoice_.empty() || initialChoice_.back() != ',') initialChoice_ += ',';
    built_ = false;
}

double TFrameSelectionGrid::ColumnWidth(int) { return 1.0 / std::max(Grid().ColumnCount(), 1); }

void TFrameSelectionGrid::BuildPage() {
    // After the first build the ticks on the page are the choice: a rebuild (a new object made
    // from a title, a delete from the cell menu) must not throw them away.
    const std::set<std::int32_t> chosen = IdsOf(built_ ? AllChoices() : initialChoice_);
    BeginPage(1, 1);
    int deepestRow = 0;
    for (const ASelectionSetup& level : levels_) {
        CStored* root = level.root.Get();
        if (!root) continue;
        SetRowCell(CurrentColumn(), TitleCell(IdentifierCaption(level.heading), {.action = level.newAction, .target = root}));
        NextRow();
        AddAssociationTree(CurrentColumn(), false, level.collection, level.path, 0, root);
        deepestRow = std::max(deepestRow, CurrentRow());
        if (columnPerLevel_) {
            NextColumn();
            SetCurrentRow(0);
        }
    }
    SetCurrentRow(deepestRow);
    if (columnPerLevel_ && CurrentColumn() > 0) SetCurrentColumn(CurrentColumn() - 1);
    MarkItems(CurrentColumn() + 1, chosen);
    EndPage(1, 0);
    built_ = true;
}

// Cells deeper than 0 become group headings, or at the column's deepest level items whose check
// says whether they are chosen.
void TFrameSelectionGrid::MarkItems(int columns, const std::set<std::int32_t>& chosen) {
    const int rows = CurrentRow() + 1;
    const char* chosenCheck = MultipleChoice() ? "1" : "2";
    for (int column = 0; column < columns; ++column) {
        int deepest = 0;
        for (int row = 0; row < rows; ++row) deepest = std::max(deepest, ReadCellFacts(Cell(column, row)).level);
        for (int row = 0; row < rows; ++row) {
            const std::string& markup = Cell(column, row);
            const int level = ReadCellFacts(markup).level;
            if (level <= 0) continue;
            if (level < deepest) {
                SetCell(column, row, SetCellValue(SetCellValue(markup, cell::kStyle, cell::kHeading), cell::kEffect, "ROUND"));
            } else {
                const CStored* object = CellObject(markup, Factory());
                const bool isChosen = object && chosen.count(object->ID()) > 0;
                SetCell(column, row, SetCellValue(markup, cell::kCheck, isChosen ? chosenCheck : "0"));
            }
        }
    }
}

void TFrameSelectionGrid::StringGridClick() {
    const QRect selection = Selection();
    if (selection.top() <= 0) return;
    CycleCheck(selection.left(), selection.top());
    emit ChoiceChanged();
}

std::string TFrameSelectionGrid::ColumnChoices(int column) const {
    std::string ids;
    for (int row = 1; row < Grid().RowCount(); ++row) {
        const std::string& markup = Cell(column, row);
        const std::string check = CellValue(markup, cell::kCheck);
        if (check != "1" && check != "2") continue;
        const CStored* object = CellObject(markup, Factory());
        if (!object) continue;
        if (!ids.empty()) ids += ',';
        ids += std::to_string(object->ID());
    }
    return ids;
}

std::string TFrameSelectionGrid::AllChoices() const {
    std::string ids;
    for (int column = Grid().ColumnCount() - 1; column >= 0; --column) {
        const std::string choices = ColumnChoices(column);
        if (choices.empty()) continue;
        if (!ids.empty()) ids += ',';
        ids += choices;
    }
    return ids;
}

}  // namespace vantaro
