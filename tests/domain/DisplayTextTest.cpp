#include <string>
#include <vector>

#include "domain/Aptitudes.h"
#include "domain/Assessments.h"
#include "domain/Curricula.h"
#include "domain/DomainFixture.h"
#include "domain/People.h"
#include "domain/PlanItems.h"
#include "domain/Plans.h"
#include "domain/PupilRecords.h"
#include "domain/Subjects.h"
#include "domain/Timetable.h"

namespace vantaro::test {
namespace {

template <class T>
T* With(T* object, std::vector<std::pair<const char*, const char*>> values) {
    for (const auto& [name, value] : values) object->SetAttributeValue(name, value);
    return object;
}

class DisplayTextTest : public DomainTest {
protected:
    CPupil* Pupil(const char* first, const char* initials, const char* last) {
        return With(year->NewPupil(),
                    {{"FIRST_NAME", first}, {"MIDDLE_INITIALS", initials}, {"LAST_NAME", last}});
    }
    CStaff* Staff(const char* first, const char* last) {
        return With(year->NewStaff(), {{"FIRST_NAME", first}, {"LAST_NAME", last}});
    }
};

TEST_F(DisplayTextTest, EveryClassShowsAndSortsByItsOwnRule) {
    CPupil* anna = Pupil("Anna", "", "Smith");
    CStaff* john = Staff("John", "Smith");
    CForm* form = With(year->NewForm(), {{"DESCRIPTION", "Year 3"}});
    CSubject* maths = With(year->NewSubject(), {{"DESCRIPTION", "Maths"}, {"STREAM", "Set 1"}});
    CSubject* coreMaths = With(year->NewSubject(), {{"DESCRIPTION", "Maths"}, {"CORE_SUBJECT", "TRUE"}});
    CSubject* taught = With(year->NewSubject(), {{"DESCRIPTION", "Maths"}, {"STREAM", "Set 1"}});
    taught->SetRelation("FORM", form);
    taught->SetRelation("TUTOR", john);

    CTerm* term = With(year->NewTerm(), {{"DESCRIPTION", "Autumn"}, {"START_DATE", "20060904"}});
    CWeek* week = With(term->NewWeek(), {{"START_DATE", "20070312"}});
    CDay* day = With(week->NewDay(), {{"START_DATE", "20070312"}});
    CLongTermPlan* plan = maths->NewLongTermPlan();
    CMedimumTermPlan* session = plan->NewMedimumTermPlan();
    session->SetRelation("TERM", term);
    CLessonPlan* lesson = plan->NewLessonPlan();
    lesson->SetRelation("DAY", day);
    CLongTermPlan* planWithoutSubject = maths->NewLongTermPlan();
    planWithoutSubject->SetRelation("SUBJECT", nullptr);

    CAssessment* assessment = maths->NewAssessment(anna);
    CCurriculum* english = With(year->NewCurriculum(), {{"DESCRIPTION", "English"}});
    CAttainment* reading = With(english->NewAttainment(), {{"DESCRIPTION", "Reading"}});
    CAttainment* writing = With(english->NewAttainment(), {{"DESCRIPTION", "Writing"}});
    writing->SetRelation("CURRICULUM", english);
    CAttainmentTarget* target = assessment->NewAttainmentTarget();
    target->SetRelation("ATTAINMENT", reading);

    CAptitude* canOrCant = With(year->NewAptitude(), {{"DESCRIPTION", "Can/Can't"}});
    CCapability* can = With(canOrCant->NewCapability(), {{"DESCRIPTION", "Can"}, {"SCORE", "1.00"}});
    COutcome* outcome = With(lesson->NewOutcome(), {{"DESCRIPTION", "Counting"}});
    outcome->SetRelation("APTITUDE", canOrCant);
    COutcome* unassessed = With(lesson->NewOutcome(), {{"DESCRIPTION", "Counting"}});

    CNote* note = With(anna->NewNote(), {{"DESCRIPTION", "Late again"}});
    CDuration* halfDay = With(year->NewDuration(), {{"DESCRIPTION", "Half Day"}, {"LENGTH", "0.5"}});
    CDuration* twoWeeks = With(year->NewDuration(), {{"DESCRIPTION", "Two Weeks"}, {"LENGTH", "10"}});
    auto teachingDay = [&](const char* number) {
        return With(year->NewTeachingDay(), {{"DAY_OF_WEEK", number}});
    };
    CForm* twoLines = With(year->NewForm(), {{"DESCRIPTION", "Line one&#13;&#10;Line two"}});

    const struct {
        const char* name;
        const CStored* object;
        std::string display;
        std::string sortKey;
    } cases[] = {
        {"pupil without initials", anna, "Anna Smith", "SmithAnna"},
        {"pupil with initials", Pupil(" Anna ", "J", "Smith"), "Anna J Smith", "Smith Anna J"},
        {"pupil with a last name only", Pupil("", "", "Smith"), "Smith", "Smith"},
        {"staff", john, "John Smith", "SmithJohn"},
        {"subject with stream", maths, "Maths - Set 1", "-Maths - Set 1"},
        {"core subject", coreMaths, "Maths", " Maths"},
        {"subject with form and tutor", taught, "Maths - Set 1 Year 3 (JS)", "-Maths - Set 1 Year 3 (JS)"},
        {"new year", year, "<New Year>", "<New Year>"},
        {"term", term, "Autumn", "20060904"},
        {"week", week, "12 March 2007", "20070312"},
        {"day", day, "Monday 12 Mar", "20070312"},
        {"long-term plan", plan, "Maths - Set 1 Plan", "Maths - Set 1 Plan"},
        {"long-term plan without subject", planWithoutSubject, "", ""},
        {"medium-term plan", session, "Session 2 Maths - Set 1 Plan For Autumn",
         "Session 2 Maths - Set 1 Plan For Autumn"},
        {"lesson plan", lesson, "Maths - Set 1 Plan For Monday 12 Mar", "Maths - Set 1 20070312"},
        {"assessment", assessment, "Anna Smith", "Smith Anna  Maths - Set 1"},
        {"attainment target", target, "Reading", "Reading"},
        {"attainment without curriculum", reading, "Reading", ""},
        {"attainment with curriculum", writing, "Writing", "English Writing"},
        {"capability", can, "Can", "1.00"},
        {"outcome", outcome, "Counting", "Can/Can't Counting (Maths - Set 1 Plan For Monday 12 Mar) "},
        {"outcome without aptitude", unassessed, "Counting", ""},
        {"note", note, "15 March 2007", "20070315 12:00:00"},
        {"half a day", halfDay, "Half Day", "000.50"},
        {"two weeks", twoWeeks, "Two Weeks", "010.00"},
        {"teaching day 7", teachingDay("7"), "Sunday", "7"},
        {"teaching day 1", teachingDay("1"), "Monday", "1"},
        {"teaching day 0", teachingDay("0"), "Monday", "0"},
        {"teaching day 9", teachingDay("9"), "", "9"},
        {"teaching day -1", teachingDay("-1"), "", "-1"},
        {"multi-line description", twoLines, "Line one ...", "Line one ..."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.object->DisplayText(), c.display);
        EXPECT_EQ(c.object->SortKey(), c.sortKey);
    }
    EXPECT_EQ(taught->ShortDisplayText(), "Maths - Set 1 (JS)");
    EXPECT_EQ(taught->PathText(), "Maths - Set 1 Year 3 (JS) John Smith");
    EXPECT_EQ(note->PathText(), "Late again15 March 2007 Anna Smith");
    EXPECT_EQ(year->PathText(), "");
}

TEST_F(DisplayTextTest, YearShowsItsCalendarYearsOnceBothDatesAreReal) {
    year->SetAttributeValue("ACADEMIC_YEAR_START_DATE", "20060901");
    EXPECT_EQ(year->DisplayText(), "<New Year>");
    year->SetAttributeValue("ACADEMIC_YEAR_END_DATE", "20070731");
    EXPECT_EQ(year->DisplayText(), "2006/2007");
    year->SetAttributeValue("ACADEMIC_YEAR_END_DATE", "-1");
    EXPECT_EQ(year->DisplayText(), "<New Year>");
}

TEST_F(DisplayTextTest, TheYearsTutorShowsNoInitials) {
    year->SetAttributeValue("TUTOR_NAME", "Jane Doe");
    CSubject* subject = With(year->NewSubject(), {{"DESCRIPTION", "Art"}, {"STREAM", "A"}});
    ASSERT_NE(subject->GetRelation("TUTOR"), nullptr);
    EXPECT_EQ(subject->DisplayText(), "Art - A");
    EXPECT_EQ(subject->PathText(), "Art - A Jane Doe");

    subject->SetRelation("TUTOR", Staff("mary", "ann  lee"));
    EXPECT_EQ(subject->DisplayText(), "Art - A (MA L)");
}

}  // namespace
}  // namespace vantaro::test
