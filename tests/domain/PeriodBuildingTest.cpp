#include <string>
#include <vector>

#include "domain/DomainFixture.h"
#include "domain/Lookups.h"
#include "domain/PeriodBuilding.h"
#include "domain/Plans.h"
#include "domain/Subjects.h"
#include "domain/Timetable.h"

namespace vantaro::test {
namespace {

// The START_DATE of every live member of an association, in member order.
std::vector<std::string> LiveStarts(const CStored& owner, const char* association) {
    std::vector<std::string> starts;
    for (const CStored* member : owner.AssociationItems(association))
        if (member->Status() != StoredStatus::Deleted)
            starts.push_back(member->GetAttributeValue("START_DATE"));
    return starts;
}

class BuildWeeksTest : public DomainTest {
protected:
    CTerm* Term(const char* start, const char* end) {
        CTerm* made = year->NewTerm();
        made->SetAttributeValue("START_DATE", start);
        made->SetAttributeValue("END_DATE", end);
        return made;
    }
};

TEST_F(BuildWeeksTest, OneWeekPerMondayAndTheSameWeeksOnASecondRun) {
    // Wednesday 14 March to Tuesday 27 March 2007.
    CTerm* term = Term("20070314", "20070327");
    BuildWeeks(*term);
    const std::vector<std::string> mondays{"20070312", "20070319", "20070326"};
    EXPECT_EQ(LiveStarts(*term, "WEEKS"), mondays);
    const std::vector<CStored*> weeks = term->AssociationItems("WEEKS");
    CStored* day = static_cast<CWeek*>(weeks[0])->NewDay();

    BuildWeeks(*term);
    EXPECT_EQ(term->AssociationItems("WEEKS"), weeks);
    EXPECT_EQ(LiveStarts(*term, "WEEKS"), mondays);
    EXPECT_NE(day->Status(), StoredStatus::Deleted);

    // Shortened: the last week is deleted, the others kept.
    term->SetAttributeValue("END_DATE", "20070320");
    BuildWeeks(*term);
    EXPECT_EQ(LiveStarts(*term, "WEEKS"), (std::vector<std::string>{"20070312", "20070319"}));
    EXPECT_EQ(weeks[2]->Status(), StoredStatus::Deleted);
}

TEST_F(BuildWeeksTest, SwapsDatesGivenTheWrongWayRound) {
    CTerm* term = Term("20070320", "20070313");
    BuildWeeks(*term);
    EXPECT_EQ(term->GetAttributeValue("START_DATE"), "20070313");
    EXPECT_EQ(term->GetAttributeValue("END_DATE"), "20070320");
    EXPECT_EQ(LiveStarts(*term, "WEEKS"), (std::vector<std::string>{"20070312", "20070319"}));
}

TEST_F(BuildWeeksTest, DoesNothingWithoutBothDates) {
    for (const char* missing : {"", "-1", "-2", "not a date"}) {
        SCOPED_TRACE(missing);
        CTerm* term = Term("20070314", missing);
        BuildWeeks(*term);
        EXPECT_EQ(term->AssociationCount("WEEKS"), 0);
    }
}

TEST_F(BuildWeeksTest, AFailureLeavesTheWeeksAndTheirLessonsAlone) {
    CTerm* term = Term("20070312", "20070318");
    BuildWeeks(*term);
    CStored* week = term->AssociationItem("WEEKS", 0);
    CDay* day = static_cast<CWeek*>(week)->NewDay();
    CLessonPlan* lesson = LessonPlanFor(*year->NewSubject(), day, true);

    // Lengthened, but the term has lost its factory, so no new week can be made.
    term->SetAttributeValue("END_DATE", "20070325");
    term->SetFactory(nullptr);
    BuildWeeks(*term);
    for (const CStored* kept : {week, static_cast<CStored*>(day), static_cast<CStored*>(lesson)})
        EXPECT_NE(kept->Status(), StoredStatus::Deleted);
}

class BuildDaysTest : public DomainTest {
protected:
    BuildDaysTest() {
        for (int day = 1; day <= 7; ++day) SetTeachingDay(*year, day, day <= 5);
        week->SetAttributeValue("START_DATE", "20070312");
        TeachingDayOf(*year, 1, false)->AddToAssociation("SUBJECTS", maths);
    }

    CSubject* maths = year->NewSubject();
    CWeek* week = year->NewTerm()->NewWeek();
};

TEST_F(BuildDaysTest, TeachingWeekdaysWithTheirLessonsAndTheSameOnASecondRun) {
    CDay* saturday = week->NewDay();
    saturday->SetAttributeValue("START_DATE", "20070317");
    BuildDays(*week, *year);
    const std::vector<std::string> weekdays{"20070312", "20070313", "20070314", "20070315", "20070316"};
    EXPECT_EQ(LiveStarts(*week, "DAYS"), weekdays);
    EXPECT_EQ(saturday->Status(), StoredStatus::Deleted);
    auto* monday = static_cast<CDay*>(week->AssociationItem("DAYS", 1));
    CLessonPlan* lesson = LessonPlanFor(*maths, monday, false);
    ASSERT_NE(lesson, nullptr);

    const std::vector<CStored*> days = week->AssociationItems("DAYS");
    BuildDays(*week, *year);
    EXPECT_EQ(week->AssociationItems("DAYS"), days);
    EXPECT_EQ(LiveStarts(*week, "DAYS"), weekdays);
    EXPECT_EQ(LongTermPlanOf(*maths, false)->AssociationCount("LESSON_PLANS"), 1);
    EXPECT_NE(lesson->Status(), StoredStatus::Deleted);

    // Monday no longer taught: its day goes, and its lesson with it.
    SetTeachingDay(*year, 1, false);
    BuildDays(*week, *year);
    EXPECT_EQ(monday->Status(), StoredStatus::Deleted);
    EXPECT_EQ(lesson->Status(), StoredStatus::Deleted);
}

TEST_F(BuildDaysTest, MakesMissingTeachingDays) {
    CYear* bare = factory.NewDataStore(false);
    CWeek* bareWeek = bare->NewTerm()->NewWeek();
    bareWeek->SetAttributeValue("START_DATE", "20070312");
    BuildDays(*bareWeek, *bare);
    EXPECT_EQ(bare->AssociationCount("TEACHING_DAYS"), 7);
    EXPECT_EQ(bareWeek->AssociationCount("DAYS"), 0);
}

TEST_F(BuildDaysTest, DoesNothingForAWeekWithoutAStart) {
    for (const char* missing : {"", "-2"}) {
        SCOPED_TRACE(missing);
        CDay* day = week->NewDay();
        week->SetAttributeValue("START_DATE", missing);
        BuildDays(*week, *year);
        EXPECT_EQ(week->AssociationItems("DAYS").back(), day);
        EXPECT_EQ(LiveStarts(*week, "DAYS"), std::vector<std::string>(week->AssociationCount("DAYS"), "20070315"));
    }
}

}  // namespace
}  // namespace vantaro::test
