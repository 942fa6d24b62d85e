#include "windows/assessment/TFramePupilNotes.h"

#include "domain/People.h"
#include "domain/PupilRecords.h"
#include "domain/StoredAccess.h"
#include "grid/markup/CellMarkup.h"
#include "routines/IdentifierCaption.h"
#include "windows/FrameObjects.h"

namespace vantaro {

TFramePupilNotes::TFramePupilNotes(QWidget* parent) : TFrameGridAncestor(parent) {}

double TFramePupilNotes::ColumnWidth(int column) { return column == 0 ? 1.0 : 0.0; }

void TFramePupilNotes::BuildPage() {
    BeginPage(1, 1);
    const std::vector<CPupil*> pupils = FrameObjectsAs<CPupil>(*this);
    if (pupils.empty()) SetRowCell(0, TitleCell(IdentifierCaption("NO_PUPIL_SELECTED")));
    bool first = true;
    for (CPupil* pupil : pupils) {
        if (!first) NextRow();
        first = false;
        PupilRows(*pupil);
    }
    // One pupil's name stays in view over their notes; with several, a frozen first name would
    // stand over the notes of the others.
    EndPage(pupils.size() == 1 ? 1 : 0, 0);
}

void TFramePupilNotes::PupilRows(CPupil& pupil) {
    SetRowCell(0, TitleCell(pupil.DisplayText(),
                            {.action = noAdd_ ? "" : "ActionAddPupilNote", .target = &pupil}));
    for (CNote* note : ShownMembers<CNote>(pupil, "NOTES")) {
        NextRow();
        SetRowCell(0, HeadingCell(note->DisplayText(), {.target = note, .level = 1}));
        NextRow();
        if (DragSourceMode())
            SetRowCell(0, AddDragSource(TextCell(note->GetAttributeText("DESCRIPTION"),
                                                 {.target = note, .level = 2})));
        else
            SetRowCell(0, DataCell(note, "DESCRIPTION", {.level = 2}));
    }
}

}  // namespace vantaro
