#pragma once

#include "domain/Aptitudes.h"
#include "domain/Assessments.h"
#include "domain/Lookups.h"
#include "domain/PeriodBuilding.h"
#include "domain/PlanItems.h"
#include "domain/People.h"
#include "domain/Plans.h"
#include "domain/Subjects.h"
#include "grid/markup/CellReaders.h"
#include "ui/controllers/ControllerTestSupport.h"

namespace vantaro::test {

// A week of lessons in "Maths", one lesson planned, and three pupils assessed in it: Carl
// without a set, Anna and Ben in "Group A". The lesson's outcome is measured on an aptitude of
// three capabilities scored 0, 0.5 and 1.
class PlanFixture {
public:
    explicit PlanFixture(CYear& year) : year_(year) {
        CTerm* term = year.NewTerm();
        term->SetAttributeValue("START_DATE", "20070903");
        term->SetAttributeValue("END_DATE", "20070907");
        for (int weekday = 1; weekday <= 5; ++weekday) SetTeachingDay(year, weekday, true);
        BuildWeeks(*term);
        week = static_cast<CWeek*>(term->AssociationItems("WEEKS").front());
        BuildDays(*week, year);
        subject = year.NewSubject();
        subject->SetAttributeValue("DESCRIPTION", "Maths");
        lesson = LessonPlanFor(*subject, Day(0), true);
        outcome = static_cast<COutcome*>(lesson->AssociationItems("OUTCOMES").front());
        outcome->SetAttributeValue("DESCRIPTION", "Adds fractions");

        aptitude = year.NewAptitude();
        aptitude->SetAttributeValue("DESCRIPTION", "Number");
        for (const auto& [text, score] : {std::pair{"Not yet", "0"}, {"Partly", "0.5"}, {"Fully", "1"}})
            capabilities.push_back(NewCapability(text, score));
        outcome->SetRelation("APTITUDE", aptitude);

        CSet* group = subject->NewSet();
        group->SetAttributeValue("DESCRIPTION", "Group A");
        for (const char* name : {"Carl", "Anna", "Ben"}) {
            CPupil* pupil = year.NewPupil();
            pupil->SetAttributeValue("FIRST_NAME", name);
            pupil->SetAttributeValue("LAST_NAME", name);
            CAssessment* assessment = AssessmentFor(*subject, pupil, true);
            if (std::string_view(name) != "Carl") assessment->SetRelation("SET", group);
            assessments.push_back(assessment);
        }
    }

    CDay* Day(int index) const { return static_cast<CDay*>(week->AssociationItems("DAYS").at(index)); }
    CCapability* NewCapability(const char* text, const char* score) {
        CCapability* capability = aptitude->NewCapability();
        capability->SetAttributeValue("DESCRIPTION", text);
        capability->SetAttributeValue("SCORE", score);
        return capability;
    }
    CAssessment* Carl() const { return assessments[0]; }
    CAssessment* Anna() const { return assessments[1]; }
    CAssessment* Ben() const { return assessments[2]; }

    CWeek* week;
    CSubject* subject;
    CLessonPlan* lesson;
    COutcome* outcome;
    CAptitude* aptitude;
    std::vector<CCapability*> capabilities;
    std::vector<CAssessment*> assessments;

private:
    CYear& year_;
};

}  // namespace vantaro::test
