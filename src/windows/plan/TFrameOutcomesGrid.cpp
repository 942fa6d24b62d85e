#include "windows/plan/TFrameOutcomesGrid.h"

#include <algorithm>
#include <unordered_map>

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

constexpr std::string_view kNoRelation = CRelationManager::kNoRelation;

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

// The subject's shown assessments grouped by set name, those without a shown set first (under no
// set row), then the subject's sets in order; each group sorted. One row per pupil with the
// categories of their notes on the lesson.
std::vector<TFrameOutcomesGrid::PupilRow> TFrameOutcomesGrid::AddPupilRows(CLessonPlan& plan,
                                                                          const CStored& subject) {
    struct Group {
        std::string name;
        std::vector<std::pair<std::string, CAssessment*>> members;  // by sort key
    };
    std::vector<Group> groups{{std::string(kNoRelation), {}}};
    const auto groupNamed = [&groups](const std::string& name) -> Group& {
        for (Group& group : groups)
            if (group.name == name) return group;
        return groups.emplace_back(Group{name, {}});
    };
    for (const CStored* set : MembersAs<CStored>(subject, "SETS")) groupNamed(CRelationManager::GroupName(*set));
    for (CAssessment* assessment : ShownMembers<CAssessment>(subject, "ASSESSMENTS")) {
        const CStored* set = assessment->GetRelation("SET");
        const bool shownSet = set && !IsHiddenIn(subject, set);
        groupNamed(shownSet ? CRelationManager::GroupName(*set) : std::string(kNoRelation))
            .members.emplace_back(assessment->SortKey(), assessment);
    }

    std::vector<PupilRow> pupils;
    for (Group& group : groups) {
        std::stable_sort(group.members.begin(), group.members.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        if (!group.members.empty() && group.name != kNoRelation) {
            NextRow();
            SetRowCell(0, InfoCell(IdentifierCaption(group.name)));
        }
        for (const auto& [key, assessment] : group.members) {
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
    // The outcome's achievements by assessment, read once rather than searched for each pupil.
    std::unordered_map<const CStored*, const CCapability*> reached;
    for (int i = 0; i < outcome.LinkCount("ACHIEVEMENTS"); ++i)
        if (const CLink* link = outcome.LinkItem("ACHIEVEMENTS", i))
            reached.try_emplace(link->Source(), dynamic_cast<const CCapability*>(link->Target()));
    for (const PupilRow& pupil : pupils) {
        const auto found = reached.find(pupil.assessment);
        const CCapability* capability = found == reached.end() ? nullptr : found->second;
        const int type = capability ? ScoreTypeIndex(capability->GetAttributeValue("SCORE")) : -1;
        SetCell(column, pupil.row,
                SelectableTypedTextCell(type, capability ? capability->DisplayText() : std::string(),
                                        {.target = &outcome, .source = pupil.assessment}));
    }
}

}  // namespace vantaro
