#include "windows/organisers/TFrameAptitudeListingGrid.h"

#include "domain/Aptitudes.h"
#include "domain/Periods.h"
#include "grid/markup/CellMarkup.h"
#include "routines/IdentifierCaption.h"

namespace vantaro {

TFrameAptitudeListingGrid::TFrameAptitudeListingGrid(QWidget* parent)
    : TFrameOrganiserGrid(parent) {}

double TFrameAptitudeListingGrid::ColumnWidth(int column) {
    if (column == 0) return 0.25;
    return column == 1 ? 0.15 : 0;
}

void TFrameAptitudeListingGrid::BuildPage() {
    BeginPage(2, 1);
    TitleBand(IdentifierCaption("APTITUDE_LISTING"));
    NextRow();
    SetRowCell(1, HeadingCell(IdentifierCaption("SCORE")));
    if (const CYear* year = Year()) {
        for (CAptitude* aptitude : ShownMembers<CAptitude>(*year, "APTITUDES")) {
            NextRow();
            SetRowCell(0, HeadingCell(aptitude->DisplayText(), {.target = aptitude}));
            for (CCapability* capability : ShownMembers<CCapability>(*aptitude, "CAPABILITIES")) {
                NextRow();
                SetRowCell(
                    0, HeadingCell(capability->DisplayText(), {.target = capability, .level = 1}));
                SetRowCell(1, DataLineCell(capability, "SCORE"));
            }
        }
    }
    EndPage(2, 0);
}

}  // namespace vantaro
