#include "windows/organisers/TFrameAssessmentOverviewGrid.h"

#include "domain/Assessments.h"
#include "domain/People.h"
#include "domain/Periods.h"
#include "domain/Subjects.h"
#include "domain/Summaries.h"
#include "grid/markup/CellMarkup.h"
#include "routines/IdentifierCaption.h"
#include "routines/NumberText.h"

namespace vantaro {
namespace {

constexpr int kAssessmentPicture = 0;
constexpr int kNoPicture = -1;

}  // namespace

TFrameAssessmentOverviewGrid::TFrameAssessmentOverviewGrid(QWidget* parent)
    : TFrameOrganiserGrid(parent) {}

double TFrameAssessmentOverviewGrid::ColumnWidth(int column) {
    if (column == 0) return 0.25;
    if (column == 1) return 0.1;
    return SubjectColumnShare(0.65, Grid().ColumnCount() - 2);
}

void TFrameAssessmentOverviewGrid::BuildPage() {
    BeginPage(2, 3);
    SetRowCell(1, InfoCell(IdentifierCaption("NOTES")));
    if (const CYear* year = Year()) {
        const std::vector<SubjectColumn> subjects = SubjectColumnsByForm(*year);
        std::vector<AssessmentsByPupil> assessments;
        for (const SubjectColumn& subject : subjects)
            assessments.push_back(AssessmentsOf(*subject.subject));
        PupilRowsByForm(*year, [&](CPupil& pupil) {
            SetRowCell(1, LabelCell(IntegerOrNone(NoteCount(pupil)),
                                    {.action = "ActionShowPupilNotes", .target = &pupil}));
            for (std::size_t i = 0; i < subjects.size(); ++i)
                SetRowCell(subjects[i].column,
                           AssessmentCell(assessments[i], *subjects[i].subject, pupil));
        });
    }
    TitleBand(IdentifierCaption("ASSESSMENT_ORGANISER"));
    EndPage(3, 1);
}

// Each pupil's first shown assessment in the subject, found in one pass over the subject rather
// than once per cell.
TFrameAssessmentOverviewGrid::AssessmentsByPupil TFrameAssessmentOverviewGrid::AssessmentsOf(
    const CSubject& subject) const {
    AssessmentsByPupil assessments;
    for (CAssessment* assessment : ShownMembers<CAssessment>(subject, "ASSESSMENTS"))
        assessments.try_emplace(assessment->GetRelation("PUPIL"), assessment);
    return assessments;
}

std::string TFrameAssessmentOverviewGrid::AssessmentCell(const AssessmentsByPupil& assessments,
                                                         const CSubject& subject,
                                                         const CPupil& pupil) {
    const auto found = assessments.find(&pupil);
    if (found != assessments.end())
        return SelectablePictureCell(kAssessmentPicture,
                                     {.action = "ActionOpenAssessment", .target = found->second});
    return SelectablePictureCell(
        kNoPicture, {.action = "ActionCreateAssessment", .target = &subject, .source = &pupil});
}

}  // namespace vantaro
