#include "domain/PeriodBuilding.h"

#include <exception>
#include <utility>
#include <vector>

#include "domain/Lookups.h"
#include "domain/Periods.h"
#include "domain/Plans.h"
#include "domain/StoredAccess.h"
#include "domain/Subjects.h"
#include "domain/Timetable.h"
#include "routines/DateTime.h"

namespace vantaro {
namespace {

// 1 for Monday to 7 for Sunday.
int IsoWeekday(DateTime value) { return (DayOfWeek(value) + 5) % kDaysInWeek + 1; }

DateTime MondayOf(DateTime value) { return DateOf(value) - (IsoWeekday(value) - 1); }

// The weekday of a day's START_DATE; 0 when it holds no real date.
int WeekdayOf(const CStored& day) {
    const DateTime start = ParseStoredDate(day.GetAttributeValue("START_DATE"));
    return IsRealDate(start) ? IsoWeekday(start) : 0;
}

struct WeekPlan {
    DateTime monday;
    CWeek* kept;  // the week to bring back, or null for a new one
};

// The Mondays of the range and, for each, the first week already starting on it.
std::vector<WeekPlan> PlanWeeks(const CTerm& term, DateTime start, DateTime end) {
    const std::vector<CWeek*> weeks = MembersAs<CWeek>(term, "WEEKS");
    std::vector<WeekPlan> plans;
    const DateTime lastSunday = MondayOf(end) + (kDaysInWeek - 1);
    for (DateTime monday = MondayOf(start); monday <= lastSunday; monday += kDaysInWeek) {
        WeekPlan plan{monday, nullptr};
        for (CWeek* week : weeks) {
            const DateTime weekStart = ParseStoredDate(week->GetAttributeValue("START_DATE"));
            if (IsRealDate(weekStart) && DateOf(weekStart) == monday) {
                plan.kept = week;
                break;
            }
        }
        plans.push_back(plan);
    }
    return plans;
}

void DeleteLessonPlansWithoutDay(const CYear& year) {
    for (const CSubject* subject : MembersAs<CSubject>(year, "SUBJECTS"))
        for (const CLongTermPlan* longTermPlan : MembersAs<CLongTermPlan>(*subject, "LONG_TERM_PLANS"))
            for (CLessonPlan* plan : MembersAs<CLessonPlan>(*longTermPlan, "LESSON_PLANS")) {
                const CStored* day = plan->GetRelation("DAY");
                if (!day || day->Status() == StoredStatus::Deleted) plan->Delete();
            }
}

}  // namespace

void BuildWeeks(CTerm& term) {
    DateTime start = ParseStoredDate(term.GetAttributeValue("START_DATE"));
    DateTime end = ParseStoredDate(term.GetAttributeValue("END_DATE"));
    if (!IsRealDate(start) || !IsRealDate(end)) return;
    try {
        if (start > end) {
            term.SetAttributeValue("START_DATE", FormatStoredDate(end));
            term.SetAttributeValue("END_DATE", FormatStoredDate(start));
            std::swap(start, end);
        }
        // The weeks are worked out, and the new ones made, before the first week is deleted,
        // so a failure leaves the term's weeks, their days and the lessons on them as they were.
        const std::vector<CStored*> existing = term.AssociationItems("WEEKS");
        const std::vector<WeekPlan> plans = PlanWeeks(term, start, end);
        for (const WeekPlan& plan : plans)
            if (!plan.kept) term.NewWeek()->SetAttributeValue("START_DATE", FormatStoredDate(plan.monday));
        for (CStored* week : existing) week->Delete();
        for (const WeekPlan& plan : plans)
            if (plan.kept) plan.kept->Restore();
    } catch (const std::exception&) {
        // Building weeks is offered as a convenience; a term it fails on keeps its weeks.
    }
}

void BuildDays(CWeek& week, CYear& year) {
    const DateTime weekStart = ParseStoredDate(week.GetAttributeValue("START_DATE"));
    if (!IsRealDate(weekStart)) return;

    std::vector<std::pair<CDay*, int>> daysByWeekday;
    for (CDay* day : MembersAs<CDay>(week, "DAYS")) daysByWeekday.emplace_back(day, WeekdayOf(*day));
    for (CStored* day : week.AssociationItems("DAYS")) day->Delete();

    for (int weekday = 1; weekday <= kDaysInWeek; ++weekday) {
        const CTeachingDay* teachingDay = TeachingDayOf(year, weekday, true);
        if (teachingDay->GetAttributeValue("INCLUDE_IN_LESSON_PLANING") != "TRUE") continue;
        CDay* dayOfWeekday = nullptr;
        for (const auto& [day, dayWeekday] : daysByWeekday)
            if (dayWeekday == weekday) {
                day->Restore();
                dayOfWeekday = day;
            }
        if (!dayOfWeekday) {
            dayOfWeekday = week.NewDay();
            dayOfWeekday->SetAttributeValue("START_DATE",
                                            FormatStoredDate(DateOf(weekStart) + (weekday - 1)));
        }
        for (CSubject* subject : MembersAs<CSubject>(*teachingDay, "SUBJECTS"))
            LessonPlanFor(*subject, dayOfWeekday, true);
    }

    if (const CFactory* factory = week.GetFactory())
        if (const auto* rootYear = dynamic_cast<const CYear*>(factory->Root()))
            DeleteLessonPlansWithoutDay(*rootYear);
}

}  // namespace vantaro
