#include "windows/assessment/TFrameTargetListingGrid.h"

#include "domain/Assessments.h"
#include "domain/Lookups.h"
#include "domain/StoredAccess.h"
#include "domain/Summaries.h"
#include "grid/markup/CellMarkup.h"
#include "routines/IdentifierCaption.h"
#include "windows/FrameObjects.h"

namespace vantaro {
namespace {

constexpr std::array kWidths{0.4, 0.2, 0.2, 0.2};
constexpr int kColumns = static_cast<int>(kWidths.size());

}  // namespace

TFrameTargetListingGrid::TFrameTargetListingGrid(QWidget* parent) : TFrameGridAncestor(parent) {}

double TFrameTargetListingGrid::ColumnWidth(int column) {
    return column >= 0 && column < kColumns ? kWidths[column] : 0.0;
}

std::string_view TFrameTargetListingGrid::StaffAssociationOf(std::string_view grading) {
    for (std::size_t i = 0; i < kGradings.size(); ++i)
        if (kGradings[i] == grading) return kStaff[i];
    return {};
}

// Row 0 stays empty: it is the page's fixed row, so no assessment's title is frozen there.
void TFrameTargetListingGrid::BuildPage() {
    BeginPage(kColumns, 1);
    for (CAssessment* assessment : FrameObjectsAs<CAssessment>(*this)) {
        const CStored* subject = assessment->GetRelation("SUBJECT");
        if (!subject) continue;
        EnsureAttainmentTargets(*assessment);
        AssessmentRows(*assessment, *subject);
    }
    EndPage(1, 0);
}

void TFrameTargetListingGrid::AssessmentRows(CAssessment& assessment, const CStored& subject) {
    NextRow();
    TitleRow(kColumns,
             assessment.DisplayText() + " " + subject.DisplayText() + " " +
                 IdentifierCaption("ATTAINMENT_TARGETS"),
             {.target = &assessment});
    NextRow();
    for (std::size_t i = 0; i < kGradings.size(); ++i)
        SetRowCell(static_cast<int>(i) + 1, InfoCell(IdentifierCaption(kGradings[i])));
    for (CAttainmentTarget* target : ShownMembers<CAttainmentTarget>(assessment, "ATTAINMENT_TARGETS")) {
        NextRow();
        if (const CStored* attainment = target->GetRelation("ATTAINMENT"))
            SetRowCell(0, TextCell(attainment->DisplayText(), {.target = attainment, .level = 1}));
        for (std::size_t i = 0; i < kGradings.size(); ++i)
            SetRowCell(static_cast<int>(i) + 1, DataLineCell(target, kGradings[i]));
    }
    NextRow();
    for (std::size_t i = 0; i < kGradings.size(); ++i) {
        const std::string staff = StaffNames(assessment, kStaff[i]);
        SetRowCell(static_cast<int>(i) + 1,
                   SetParameter(SelectableTextCell(staff, {.action = "ActionSelectTargetStaff",
                                                           .target = &assessment}),
                                kGradings[i]));
    }
}

}  // namespace vantaro
