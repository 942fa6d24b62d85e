#include "windows/curriculum/TFrameCurriculumStatementListingGrid.h"

#include "domain/Curricula.h"
#include "domain/StoredAccess.h"
#include "grid/markup/CellMarkup.h"
#include "routines/IdentifierCaption.h"
#include "windows/FrameObjects.h"

namespace vantaro {

TFrameCurriculumStatementListingGrid::TFrameCurriculumStatementListingGrid(QWidget* parent)
    : TFrameGridAncestor(parent) {}

double TFrameCurriculumStatementListingGrid::ColumnWidth(int column) { return column == 0 ? 1.0 : 0.0; }

void TFrameCurriculumStatementListingGrid::BuildPage() {
    BeginPage(1, 1);
    const std::vector<CCurriculum*> curricula = FrameObjectsAs<CCurriculum>(*this);
    for (std::size_t i = 0; i < curricula.size(); ++i) {
        if (i > 0) NextRow();
        CurriculumRows(*curricula[i]);
    }
    if (curricula.empty()) SetRowCell(0, TitleCell(IdentifierCaption("NO_CURRICULUMN_ASSOCATED_WITH_SUBJECT")));
    EndPage(1, 0);
}

void TFrameCurriculumStatementListingGrid::CurriculumRows(CCurriculum& curriculum) {
    SetRowCell(0, TitleCell(curriculum.DisplayText(), {.target = &curriculum}));
    for (CAttainment* attainment : ShownMembers<CAttainment>(curriculum, "ATTAINMENTS")) {
        NextRow();
        SetRowCell(0, HeadingCell(attainment->DisplayText(), {.target = attainment, .level = 1}));
        for (CCurriculumLevel* level : ShownMembers<CCurriculumLevel>(*attainment, "CURRICULUM_LEVELS")) {
            NextRow();
            SetRowCell(0, HeadingCell(level->DisplayText(), {.target = level, .level = 2}));
            for (CCurriculumStatement* statement : ShownMembers<CCurriculumStatement>(*level, "CURRICULUM_STATEMENTS")) {
                NextRow();
                const CellLink link{.target = statement, .source = &curriculum, .level = 3};
                SetRowCell(0, DragSourceMode()
                                  ? AddDragSource(TextCell(statement->GetAttributeText("DESCRIPTION"), link))
                                  : DataCell(statement, "DESCRIPTION", link));
            }
        }
    }
}

}  // namespace vantaro
