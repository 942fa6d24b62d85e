#include "windows/organisers/TFramePlanningOverviewGrid.h"

#include "domain/Lookups.h"
#include "domain/Periods.h"
#include "domain/Plans.h"
#include "domain/Subjects.h"
#include "grid/markup/CellMarkup.h"

namespace vantaro {
namespace {

constexpr int kLessonPlanPicture = 1;

}  // namespace

TFramePlanningOverviewGrid::TFramePlanningOverviewGrid(QWidget* parent)
    : TFrameOrganiserGrid(parent) {}

double TFramePlanningOverviewGrid::ColumnWidth(int column) {
    if (column == 0) return 0.25;
    return SubjectColumnShare(0.75, Grid().ColumnCount() - 1);
}

void TFramePlanningOverviewGrid::BuildPage() {
    BeginPage(1, 3);
    std::vector<SubjectColumn> subjects;
    if (const CYear* year = Year()) {
        subjects = SubjectColumnsByForm(*year);
        PeriodRows(*year, subjects);
    }
    TitleBand(subjects.empty() ? "Planning" : "Planning Organiser");
    // A page without periods or without subjects has nothing to keep fixed; EndPage drops
    // fixed counts that are not below the page's.
    EndPage(3, 1);
}

void TFramePlanningOverviewGrid::PeriodRows(const CYear& year,
                                            const std::vector<SubjectColumn>& subjects) {
    std::vector<PlansByDay> plans;
    for (const SubjectColumn& subject : subjects) plans.push_back(LessonPlansOf(*subject.subject));
    const int columns = CurrentColumn() + 1;
    for (CTerm* term : ShownMembers<CTerm>(year, "TERMS")) {
        NextRow();
        SetRowCell(0, HeadingCell(term->DisplayText(), {.target = term, .level = 1}));
        for (CWeek* week : ShownMembers<CWeek>(*term, "WEEKS")) {
            NextRow();
            HeadingBand(columns, week->DisplayText(), week, 2);
            for (CDay* day : ShownMembers<CDay>(*week, "DAYS")) {
                NextRow();
                SetRowCell(0, HeadingCell(day->DisplayText(), {.target = day, .level = 3}));
                for (std::size_t i = 0; i < subjects.size(); ++i)
                    SetRowCell(subjects[i].column,
                               LessonCell(plans[i], *subjects[i].subject, *day));
            }
        }
    }
}

// The lesson plans LessonPlanFor finds, for every day at once: the first shown plan of each day
// in the subject's long-term plan. A page of a year's days would otherwise walk every plan of
// the subject once per day.
TFramePlanningOverviewGrid::PlansByDay TFramePlanningOverviewGrid::LessonPlansOf(
    CSubject& subject) const {
    PlansByDay plans;
    if (const CLongTermPlan* longTermPlan = LongTermPlanOf(subject, false))
        for (CLessonPlan* plan : ShownMembers<CLessonPlan>(*longTermPlan, "LESSON_PLANS"))
            plans.try_emplace(plan->GetRelation("DAY"), plan);
    return plans;
}

std::string TFramePlanningOverviewGrid::LessonCell(const PlansByDay& plans, const CSubject& subject,
                                                   const CDay& day) {
    const auto found = plans.find(&day);
    if (found != plans.end())
        return SelectablePictureCell(kLessonPlanPicture,
                                     {.action = "ActionOpenLessonPlan", .target = found->second});
    return TextCell({}, {.action = "ActionCreateLessonPlan", .target = &subject, .source = &day});
}

}  // namespace vantaro
