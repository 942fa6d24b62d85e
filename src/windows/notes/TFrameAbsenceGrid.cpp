#include "windows/notes/TFrameAbsenceGrid.h"

#include "domain/People.h"
#include "domain/PupilRecords.h"
#include "domain/StoredAccess.h"
#include "grid/ImageList.h"
#include "grid/markup/CellMarkup.h"
#include "routines/IdentifierCaption.h"

namespace vantaro {
namespace {

constexpr int kAuthorisedPicture = 0;
constexpr int kNoPicture = -1;

}  // namespace

TFrameAbsenceGrid::TFrameAbsenceGrid(QWidget* parent) : TFrameGridAncestor(parent) {
    SetPictures(&grid_images::TickPictures());
}

double TFrameAbsenceGrid::ColumnWidth(int column) { return column == 3 ? 0.4 : 0.2; }

void TFrameAbsenceGrid::BuildPage() {
    BeginPage(4, 1);
    if (auto* pupil = dynamic_cast<CPupil*>(Object())) AbsenceRows(*pupil);
    EndPage(2, 0);
}

void TFrameAbsenceGrid::AbsenceRows(CPupil& pupil) {
    NextRow();
    SetRowCell(0, TitleCellStart(pupil.DisplayText(), {.target = &pupil}));
    SetRowCell(1, TitleCellMiddle({}, {.target = &pupil}));
    SetRowCell(2, TitleCellMiddle({}, {.target = &pupil}));
    SetRowCell(3, TitleCellEnd({}, {.action = "ActionNewAbsence", .target = &pupil}));
    NextRow();
    SetRowCell(0, InfoCell(IdentifierCaption("AUTHORIZED"), {.level = 1}));
    SetRowCell(1, InfoCell(IdentifierCaption("DATE")));
    SetRowCell(2, InfoCell(IdentifierCaption("DURATION")));
    SetRowCell(3, InfoCell(IdentifierCaption("NOTES")));
    for (CAbsence* absence : ShownMembers<CAbsence>(pupil, "ABSENCES")) {
        NextRow();
        const bool authorised = absence->GetAttributeValue("AUTHORIZED") == "TRUE";
        SetRowCell(0, PictureCell(authorised ? kAuthorisedPicture : kNoPicture,
                                  {.action = "ActionSwapAuthorization", .target = absence, .level = 1}));
        SetRowCell(1, ParameterDataCell(absence, "DATE", {.action = "ActionChooseDate", .target = absence}));
        const CStored* duration = absence->GetRelation("DURATION");
        SetRowCell(2, duration ? ReadOnlyDataLineCell(duration, "DESCRIPTION",
                                                      {.action = "ActionChooseDuration", .target = absence})
                               : LineTextCell({}, {.action = "ActionChooseDuration", .target = absence}));
        SetRowCell(3, DataCell(absence, "DESCRIPTION"));
    }
}

}  // namespace vantaro
