#include "windows/report/TFrameReportGrid.h"

#include "domain/Assessments.h"
#include "domain/People.h"
#include "domain/Periods.h"
#include "domain/PupilRecords.h"
#include "domain/StoredAccess.h"
#include "domain/Subjects.h"
#include "factory/CFactory.h"
#include "factory/FactorySettings.h"
#include "grid/markup/CellMarkup.h"
#include "routines/IdentifierCaption.h"
#include "windows/FrameObjects.h"

namespace vantaro {
namespace {

constexpr std::string_view kSynchronise = "ActionSynchroniseInfoPanel";

bool IsTransient(const CStored& object) { return object.Status() == StoredStatus::Transient; }

}  // namespace

TFrameReportGrid::TFrameReportGrid(QWidget* parent) : TFrameGridAncestor(parent) {}

double TFrameReportGrid::ColumnWidth(int column) { return column == 0 ? 1.0 : 0.0; }

void TFrameReportGrid::BuildPage() {
    BeginPage(1, 1);
    const std::vector<CPupil*> pupils = FrameObjectsAs<CPupil>(*this);
    for (std::size_t i = 0; i < pupils.size(); ++i) {
        if (i > 0) NextRow();
        PupilRows(*pupils[i]);
    }
    EndPage(0, 0);
}

void TFrameReportGrid::PupilRows(CPupil& pupil) {
    std::string title = pupil.DisplayText();
    const CFactory* factory = Factory();
    if (factory && factory->Settings().AnnualReportFullTitle) {
        const CStored* year = factory->Root();
        title.append(" ").append(IdentifierCaption("ANNUAL_REPORT")).append(" ").append(year ? year->DisplayText() : "");
    }
    SetRowCell(0, TitleCell(title, {.target = &pupil}));
    SubjectReports(pupil);
    Comments(pupil);
    Absences(pupil, true);
    Absences(pupil, false);
}

void TFrameReportGrid::SubjectReports(CPupil& pupil) {
    const CFactory* factory = Factory();
    const CStored* year = factory ? factory->Root() : nullptr;
    if (!year) return;
    for (CSubject* subject : ShownMembers<CSubject>(*year, "SUBJECTS"))
        for (CAssessment* assessment : ShownMembers<CAssessment>(*subject, "ASSESSMENTS")) {
            if (assessment->GetRelation("PUPIL") != &pupil) continue;
            NextRow();
            SetRowCell(0, HeadingCell(subject->GetAttributeLineText("DESCRIPTION"),
                                      {.target = assessment, .source = &pupil, .level = 1}));
            NextRow();
            const CellLink link{.action = kSynchronise, .target = assessment, .source = &pupil, .level = 2};
            SetRowCell(0, IsTransient(*assessment) ? ReadOnlyDataCell(assessment, "SUBJECT_REPORT", link)
                                                   : DropTargetDataCell(assessment, "SUBJECT_REPORT", link));
        }
}

void TFrameReportGrid::Comments(CPupil& pupil) {
    const std::vector<CComment*> comments = ShownMembers<CComment>(pupil, "COMMENTS");
    for (bool transient : {true, false})
        for (CComment* comment : comments) {
            if (IsTransient(*comment) != transient) continue;
            NextRow();
            SetRowCell(0, HeadingCell(comment->GetAttributeLineText("TITLE"), {.target = comment, .level = 1}));
            NextRow();
            const CellLink link{.action = kSynchronise, .target = &pupil, .source = &pupil, .level = 2};
            SetRowCell(0, transient ? ReadOnlyDataCell(comment, "DESCRIPTION", link)
                                    : DropTargetDataCell(comment, "DESCRIPTION", link));
        }
}

void TFrameReportGrid::Absences(CPupil& pupil, bool authorised) {
    bool headed = false;
    for (CAbsence* absence : ShownMembers<CAbsence>(pupil, "ABSENCES")) {
        const auto* duration = RelationAs<CDuration>(*absence, "DURATION");
        if (!duration || absence->GetAttributeValue("AUTHORIZED") != (authorised ? "TRUE" : "FALSE")) continue;
        if (!headed) {
            NextRow();
            SetRowCell(0, HeadingCell(IdentifierCaption(authorised ? "AUTHORISED_ABSENCES" : "UNAUTHORISED_ABSENCES"),
                                      {.level = 1}));
            headed = true;
        }
        std::string text = absence->GetAttributeText("DATE") + ", " + duration->GetAttributeLineText("DESCRIPTION");
        const std::string description = absence->GetAttributeLineText("DESCRIPTION");
        if (!description.empty()) text.append(" (").append(description).append(")");
        NextRow();
        SetRowCell(0, LineTextCell(text, {.target = &pupil, .level = 2}));
    }
}

}  // namespace vantaro
