#include "windows/assessment/TFramePupilOutcomesGrid.h"

#include "domain/Aptitudes.h"
#include "domain/Assessments.h"
#include "domain/People.h"
#include "domain/PlanItems.h"
#include "domain/Plans.h"
#include "domain/StoredAccess.h"
#include "domain/Subjects.h"
#include "grid/markup/CellMarkup.h"
#include "routines/IdentifierCaption.h"
#include "routines/TextBasics.h"
#include "routines/XMLRoutines.h"
#include "windows/FrameObjects.h"

namespace vantaro {
TFramePupilOutcomesGrid::TFramePupilOutcomesGrid(QWidget* parent) : TFrameGridAncestor(parent) {}

double TFramePupilOutcomesGrid::ColumnWidth(int column) { return column == 0 ? 1.0 : 0.0; }

void TFramePupilOutcomesGrid::BuildPage() {
    BeginPage(1, 1);
    const std::vector<CAssessment*> assessments = FrameObjectsAs<CAssessment>(*this);
    if (assessments.empty()) SetRowCell(0, TitleCell(IdentifierCaption("NO_ASSESSMENT_SELECTED")));
    bool first = true;
    for (CAssessment* assessment : assessments) {
        CPupil* pupil = RelationAs<CPupil>(*assessment, "PUPIL");
        if (!pupil || !RelationAs<CSubject>(*assessment, "SUBJECT")) continue;
        AssessmentRows(*assessment, *pupil, first);
        first = false;
    }
    EndPage(0, 0);
}

// Every lesson plan is listed, hidden ones too, so the record of what was achieved stays whole.
void TFramePupilOutcomesGrid::AssessmentRows(CAssessment& assessment, CPupil& pupil, bool first) {
    const CSubject& subject = *RelationAs<CSubject>(assessment, "SUBJECT");
    if (!first) NextRow();
    SetRowCell(0, TitleCell(pupil.DisplayText() + " " + subject.DisplayText() + " " +
                                IdentifierCaption("OUTCOMES"),
                            {.target = &pupil}));
    for (CLongTermPlan* longTermPlan : MembersAs<CLongTermPlan>(subject, "LONG_TERM_PLANS")) {
        for (CLessonPlan* plan : MembersAs<CLessonPlan>(*longTermPlan, "LESSON_PLANS")) {
            NextRow();
            SetRowCell(0, HeadingCell(plan->DisplayText(), {.target = plan, .level = 1}));
            for (COutcome* outcome : MembersAs<COutcome>(*plan, "OUTCOMES")) {
                const auto* capability =
                    dynamic_cast<CCapability*>(outcome->GetLinkTarget("ACHIEVEMENTS", &assessment));
                if (!capability) continue;
                NextRow();
                SetRowCell(0, OutcomeCell(pupil, *capability, *outcome));
            }
        }
    }
}

std::string TFramePupilOutcomesGrid::OutcomeCell(const CPupil& pupil, const CCapability& capability,
                                                 const COutcome& outcome) const {
    std::string markup = TypedTextCell(ScoreTypeIndex(capability.GetAttributeValue("SCORE")),
                                       OutcomeSentence(pupil, capability, outcome),
                                       {.target = &outcome, .source = &capability, .level = 2});
    return DragSourceMode() ? AddDragSource(markup) : markup;
}

// Each stored text is unescaped on its own, so the lower-casing never touches an entity.
std::string TFramePupilOutcomesGrid::OutcomeSentence(const CPupil& pupil,
                                                     const CCapability& capability,
                                                     const COutcome& outcome) {
    return UnescapeText(pupil.GetAttributeValue("FIRST_NAME")) + " " +
           LowerCase(UnescapeText(capability.GetAttributeValue("DESCRIPTION"))) + " " +
           UnescapeText(outcome.GetAttributeValue("DESCRIPTION"));
}

}  // namespace vantaro
