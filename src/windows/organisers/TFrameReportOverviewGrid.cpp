#include "windows/organisers/TFrameReportOverviewGrid.h"

#include <array>

#include "domain/People.h"
#include "domain/Periods.h"
#include "domain/Summaries.h"
#include "grid/markup/CellMarkup.h"
#include "routines/IdentifierCaption.h"
#include "routines/NumberText.h"

namespace vantaro {
namespace {

constexpr int kReportPicture = 0;
constexpr std::array kWidths{0.25, 0.35, 0.2};

}  // namespace

TFrameReportOverviewGrid::TFrameReportOverviewGrid(QWidget* parent) : TFrameOrganiserGrid(parent) {}

double TFrameReportOverviewGrid::ColumnWidth(int column) {
    return column >= 0 && column < static_cast<int>(kWidths.size()) ? kWidths[column] : 0;
}

void TFrameReportOverviewGrid::BuildPage() {
    BeginPage(3, 1);
    TitleBand(IdentifierCaption("REPORT_ORGANISER"));
    if (const CYear* year = Year()) {
        NextRow();
        SetRowCell(1, InfoCell(IdentifierCaption("ABSENCES (Authorised/Unauthorised)")));
        SetRowCell(2, InfoCell(IdentifierCaption("ANNUAL_REPORT")));
        PupilRowsByForm(*year, [this](CPupil& pupil) {
            const std::string absences = NumberOrNone(AbsenceTotal(pupil, true)) + "/" +
                                         NumberOrNone(AbsenceTotal(pupil, false));
            SetRowCell(1, LabelCell(absences, {.action = "ActionShowAbsences", .target = &pupil}));
            SetRowCell(2, SelectablePictureCell(kReportPicture,
                                                {.action = "ActionOpenReport", .target = &pupil}));
        });
    }
    EndPage(2, 0);
}

}  // namespace vantaro
