#include "windows/organisers/TFrameCurriculumOverviewGrid.h"

#include "domain/Curricula.h"
#include "domain/Periods.h"
#include "grid/markup/CellMarkup.h"

namespace vantaro {
namespace {

constexpr int kCurriculumPicture = 0;

}  // namespace

TFrameCurriculumOverviewGrid::TFrameCurriculumOverviewGrid(QWidget* parent)
    : TFrameOrganiserGrid(parent) {}

double TFrameCurriculumOverviewGrid::ColumnWidth(int column) {
    if (column == 0) return 0.35;
    return column == 1 ? 0.1 : 0;
}

void TFrameCurriculumOverviewGrid::BuildPage() {
    BeginPage(2, 1);
    TitleBand("Curriculum Organiser");
    if (const CYear* year = Year()) {
        for (CCurriculum* curriculum : ShownMembers<CCurriculum>(*year, "CURRICULUMS")) {
            NextRow();
            SetRowCell(0, HeadingCell(curriculum->DisplayText(), {.target = curriculum}));
            SetRowCell(
                1, SelectablePictureCell(kCurriculumPicture,
                                         {.action = "ActionOpenCurriculum", .target = curriculum}));
        }
    }
    EndPage(1, 0);
}

}  // namespace vantaro
