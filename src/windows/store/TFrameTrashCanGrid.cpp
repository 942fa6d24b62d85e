#include "windows/store/TFrameTrashCanGrid.h"

#include "factory/CFactory.h"
#include "grid/markup/CellMarkup.h"
#include "routines/IdentifierCaption.h"
#include "routines/Words.h"

namespace vantaro {

TFrameTrashCanGrid::TFrameTrashCanGrid(QWidget* parent) : TFrameGridAncestor(parent) {}

double TFrameTrashCanGrid::ColumnWidth(int column) { return column == 0 ? 0.6 : column == 1 ? 0.4 : 0; }

void TFrameTrashCanGrid::BuildPage() {
    BeginPage(2, 1);
    SetRowCell(0, TitleCellStart(IdentifierCaption("TRASH_CAN")));
    SetRowCell(1, TitleCellEnd({}, {.action = "ActionTrashEmpty"}));
    NextRow();
    SetRowCell(0, HeadingCell(IdentifierCaption("NAME")));
    SetRowCell(1, HeadingCell(IdentifierCaption("TYPE")));
    const CFactory* factory = Factory();
    if (Object() && factory) {
        const CObjectStore& trash = factory->Trash();
        for (int i = 0; i < trash.Count(); ++i) {
            const CStored* object = trash.Item(i);
            if (object->Status() != StoredStatus::Deleted) continue;
            NextRow();
            SetRowCell(0, LabelCell(object->DisplayText(), {.action = "ActionTrashRestore", .target = object}));
            SetRowCell(1, LabelCell(ClassWords(object->ClassName()), {.target = object}));
        }
    }
    EndPage(2, 0);
}

}  // namespace vantaro
