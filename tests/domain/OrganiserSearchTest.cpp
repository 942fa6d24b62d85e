#include <string>
#include <vector>

#include "domain/Assessments.h"
#include "domain/DomainFixture.h"
#include "domain/Lookups.h"
#include "domain/OrganiserSearch.h"
#include "domain/People.h"
#include "domain/PeriodBuilding.h"
#include "domain/PlanItems.h"
#include "domain/Plans.h"
#include "domain/Subjects.h"

namespace vantaro::test {
namespace {

class OrganiserSearchTest : public DomainTest {
protected:
    OrganiserSearchTest() {
        maths->SetAttributeValue("DESCRIPTION", "Maths");
        CTerm* term = year->NewTerm();
        term->SetAttributeValue("START_DATE", "20070903");
        term->SetAttributeValue("END_DATE", "20070907");
        for (int weekday = 1; weekday <= 5; ++weekday) SetTeachingDay(*year, weekday, true);
        BuildWeeks(*term);
        week = static_cast<CWeek*>(term->AssociationItems("WEEKS").front());
        BuildDays(*week, *year);
    }
    CLessonPlan* Lesson(int day, const char* objective, const char* evaluation = "") {
        CLessonPlan* lesson = LessonPlanFor(*maths, static_cast<CDay*>(week->AssociationItem("DAYS", day)), true);
        lesson->NewObjective()->SetAttributeValue("DESCRIPTION", objective);
        lesson->SetAttributeValue("EVALUATION", evaluation);
        return lesson;
    }
    std::vector<CStored*> Found(const OrganiserSearch& search) {
        std::vector<CStored*> objects;
        for (const SearchResult& result : SearchOrganisers(factory, search)) objects.push_back(result.object);
        return objects;
    }

    CSubject* maths = year->NewSubject();
    CWeek* week = nullptr;
};

TEST_F(OrganiserSearchTest, PlansAreFoundOnceEachInKeyOrderAndDeletedOnesNever) {
    CLessonPlan* tuesday = Lesson(1, "Adds fractions", "Fractions went well");
    CLessonPlan* monday = Lesson(0, "Counts");
    monday->NewOutcome()->SetAttributeValue("DESCRIPTION", "Knows fractions");
    CLessonPlan* gone = Lesson(2, "More fractions");
    factory.MoveToTrash(gone);
    CLongTermPlan* longTerm = LongTermPlanOf(*maths, true);
    longTerm->NewObjective()->SetAttributeValue("DESCRIPTION", "fractions all year");

    const OrganiserSearch planning{SearchedOrganiser::Planning, 15, {"fractions"}};
    const std::vector<CStored*> found = Found(planning);
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(std::count(found.begin(), found.end(), tuesday), 1) << "an objective and the evaluation: once";
    EXPECT_EQ(std::count(found.begin(), found.end(), gone), 0);
    EXPECT_LT(std::find(found.begin(), found.end(), monday), std::find(found.begin(), found.end(), tuesday))
        << "by sort key: Monday first";
    EXPECT_EQ(Found({SearchedOrganiser::Planning, kSearchEvaluations, {"fractions"}}), (std::vector<CStored*>{tuesday}));
    EXPECT_TRUE(Found({SearchedOrganiser::Planning, 15, {"Fractions"}, false, true}).size() == 1u)
        << "case-sensitive: only the evaluation's capital";
}

TEST_F(OrganiserSearchTest, AssessmentsAndPupilsAreFoundByNameEachOnce) {
    std::vector<CPupil*> pupils;
    for (int i = 0; i < 2; ++i) {
        CPupil* pupil = year->NewPupil();
        pupil->SetAttributeValue("FIRST_NAME", "Ann");
        pupil->SetAttributeValue("LAST_NAME", "Lee");
        pupils.push_back(pupil);
        AssessmentFor(*maths, pupil, true);
    }
    EXPECT_EQ(Found({SearchedOrganiser::Report, kSearchPupilNames, {"lee"}}).size(), 2u) << "two pupils of one name";
    EXPECT_EQ(Found({SearchedOrganiser::Assessment, kSearchPupilNames, {"ann lee"}}).size(), 2u);
    EXPECT_TRUE(Found({SearchedOrganiser::Report, 0, {"lee"}}).empty()) << "nothing searched, nothing found";
}

}  // namespace
}  // namespace vantaro::test
