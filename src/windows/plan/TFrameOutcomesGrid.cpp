#include "windows/plan/TFrameOutcomesGrid.h"

#include <algorithm>

#include "domain/Aptitudes.h"
#include "domain/Assessments.h"
#include "domain/PlanItems.h"
#include "domain/Plans.h"
#include "domain/Subjects.h"
#include "domain/Summaries.h"
#include "factory/CRelationManager.h"
#include "grid/markup/CellMarkup.h"
#include "routines/IdentifierCaption.h"
#include "windows/plan/PlanPages.h"

namespace vantaro {
namespace {

constexpr std::string_view kNoRelation = "NO_RELATION";

}  // namespace

TFrameOutcomesGrid::TFrameOutcomesGrid(QWidget* parent) : TFrameGridAncestor(parent) {}

double TFrameOutcomesGrid::ColumnWidth(int column) {
    if (column == 0) return 0.25;
    if (column == 1) return 0.1;
    return std::max(0.15, 0.65 / std::max(Grid().ColumnCount() - 2, 1));
}

void TFrameOutcomesGrid::BuildPage() {
    BeginPage(2, 1);
    int lastColumn = 1;
    for (CStored* object : ObjectList())
        if (auto* plan = dynamic_cast<CLessonPlan*>(object)) lastColumn = std::max(lastColumn, AddPlan(*plan));
    SetCurrentColumn(lastColumn);
    EndPage(ObjectList().size() == 1 ? 4 : 1, 1);
}

int TFrameOutcomesGrid::AddPlan(CLessonPlan& plan) {
    NextRow();
    const int titleRow = CurrentRow();
    int column = 1;
    const CStored* subject = RelationAs<CSubject>(plan, "SUBJECT");
    if (subject) {
        NextRow();
        NextRow();
        const std::vector<PupilRow> pupils = AddPupilRows(plan, *subject);
        for (COutcome* outcome : ShownMembers<COutcome>(plan, "OUTCOMES")) AddOutcomeColumn(++column, titleRow, *outcome, pupils);
        SetCell(1, titleRow + 1, InfoCell(IdentifierCaption("NOTES")));
    }
    const int lastRow = CurrentRow();
    SetCurrentRow(titleRow);
    TitleRow(column + 1, PlanHeading(plan, "OUTCOMES"), {.target = subject});
    SetCurrentRow(lastRow);
    return column;
}

// The subject's shown assessments grouped by set (those without a shown set first, under no set
// row), each group sorted; one row per pupil with the categories of their notes on the lesson.
std::vector<TFrameOutcomesGrid::PupilRow> TFrameOutcomesGrid::AddPupilRows(CLessonPlan& plan,
                                                                          const CStored& subject) {
    CRelationManager groups;
    groups.ResetGroups();
    for (const CStored* set : MembersAs<CStored>(subject, "SETS")) groups.AddGroup(*set);
    for (CAssessment* assessment : ShownMembers<CAssessment>(subject, "ASSESSMENTS")) {
        const CStored* set = assessment->GetRelation("SET");
        groups.AddToGroup(assessment, set && !IsHiddenIn(subject, set) ? set : nullptr);
    }
    groups.SortAssociations("");

    std::vector<PupilRow> pupils;
    for (int line = 0; line < groups.PropertyCount(); ++line) {
        const std::string name = groups.PropertyName(line);
        const std::vector<CAssessment*> members = MembersAs<CAssessment>(groups, name);
        if (!members.empty() && name != kNoRelation) {
            NextRow();
            SetRowCell(0, InfoCell(IdentifierCaption(name)));
        }
        for (CAssessment* assessment : members) {
            NextRow();
            SetRowCell(0, HeadingCell(assessment->DisplayText(), {.target = assessment, .level = 1}));
            SetRowCell(1, LineTextCell(NoteCategories(*assessment, &plan),
                                       {.action = "ActionShowAssessmentNotes", .target = assessment, .source = &plan}));
            pupils.push_back({CurrentRow(), assessment});
        }
    }
    return pupils;
}

void TFrameOutcomesGrid::AddOutcomeColumn(int column, int titleRow, COutcome& outcome,
                                          const std::vector<PupilRow>& pupils) {
    const CStored* aptitude = outcome.GetRelation("APTITUDE");
    SetCell(column, titleRow + 1,
            aptitude ? HeadingCell(aptitude->DisplayText(), {.target = aptitude}) : HeadingCell({}));
    SetCell(column, titleRow + 2,
            TextCell(outcome.GetAttributeText("DESCRIPTION"), {.target = &outcome}));
    for (const PupilRow& pupil : pupils) {
        const CCapability* capability = AchievementOf(outcome, *pupil.assessment);
        const int type = capability ? ScoreTypeIndex(capability->GetAttributeValue("SCORE")) : -1;
        SetCell(column, pupil.row,
                SelectableTypedTextCell(type, capability ? capability->DisplayText() : std::string(),
                                        {.target = &outcome, .source = pupil.assessment}));
    }
}

}  // namespace vantaro
