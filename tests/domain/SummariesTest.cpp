#include "domain/Aptitudes.h"
#include "domain/Assessments.h"
#include "domain/DomainFixture.h"
#include "domain/People.h"
#include "domain/PlanItems.h"
#include "domain/Plans.h"
#include "domain/PupilRecords.h"
#include "domain/Subjects.h"
#include "domain/Summaries.h"

namespace vantaro::test {
namespace {

class SummariesTest : public DomainTest {
protected:
    SummariesTest() { factory.SetDeletedCountsAsHidden(true); }

    template <class T>
    T* Described(T* object, const char* description) {
        object->SetAttributeValue("DESCRIPTION", description);
        return object;
    }
    CCapability* Capability(CAptitude* aptitude, const char* score) {
        CCapability* capability = aptitude->NewCapability();
        capability->SetAttributeValue("SCORE", score);
        return capability;
    }

    CPupil* pupil = year->NewPupil();
    CSubject* subject = year->NewSubject();
    CLessonPlan* lesson = subject->NewLongTermPlan()->NewLessonPlan();
};

TEST_F(SummariesTest, AbsenceTotalSumsLiveAbsencesOfEachKind) {
    CDuration* halfDay = year->NewDuration();
    halfDay->SetAttributeValue("LENGTH", "0.5");
    CDuration* oneDay = year->NewDuration();
    auto absence = [&](const char* authorised, CDuration* duration) {
        CAbsence* made = pupil->NewAbsence();
        made->SetAttributeValue("AUTHORIZED", authorised);
        made->SetRelation("DURATION", duration);
        return made;
    };
    absence("TRUE", halfDay);
    CAbsence* unmarked = absence("", oneDay);
    absence("TRUE", oneDay)->Delete();
    CAbsence* unauthorised = absence("FALSE", nullptr);
    unauthorised->MarkSaved(unauthorised->ID());

    EXPECT_DOUBLE_EQ(AbsenceTotal(*pupil, true), 0.5);
    EXPECT_DOUBLE_EQ(AbsenceTotal(*pupil, false), 1.0);
    EXPECT_EQ(unmarked->GetAttributeValue("AUTHORIZED"), "FALSE");
    // Already "FALSE": left alone, so counting marks nothing changed.
    EXPECT_EQ(unauthorised->Status(), StoredStatus::Saved);
}

TEST_F(SummariesTest, NoteCountLeavesDeletedNotesOut) {
    pupil->NewNote();
    pupil->NewNote()->Delete();
    EXPECT_EQ(NoteCount(*pupil), 1);
}

TEST_F(SummariesTest, NearestCapabilityPrefersTheFirstOfEquallyNearOnes) {
    COutcome* outcome = lesson->NewOutcome();
    EXPECT_EQ(NearestCapability(*outcome, 0.5), nullptr);
    CAptitude* aptitude = year->NewAptitude();
    outcome->SetRelation("APTITUDE", aptitude);
    EXPECT_EQ(NearestCapability(*outcome, 0.5), nullptr);
    CCapability* quarter = Capability(aptitude, "0.25");
    CCapability* threeQuarters = Capability(aptitude, "0.75");
    EXPECT_EQ(NearestCapability(*outcome, 0.5), quarter);
    EXPECT_EQ(NearestCapability(*outcome, 0.7), threeQuarters);
}

TEST_F(SummariesTest, AverageScoreCountsVisiblePupilsOnly) {
    COutcome* outcome = lesson->NewOutcome();
    EXPECT_EQ(AverageScore(*outcome), -1);
    CAptitude* aptitude = year->NewAptitude();
    CPupil* other = year->NewPupil();
    CPupil* hidden = year->NewPupil();
    outcome->SetLink("ACHIEVEMENTS", subject->NewAssessment(pupil), Capability(aptitude, "0.50"));
    outcome->SetLink("ACHIEVEMENTS", subject->NewAssessment(other), Capability(aptitude, "1.00"));
    outcome->SetLink("ACHIEVEMENTS", subject->NewAssessment(hidden), Capability(aptitude, "0.00"));
    factory.SetHiddenIDs(std::to_string(hidden->ID()));
    EXPECT_DOUBLE_EQ(AverageScore(*outcome), 0.75);
}

TEST_F(SummariesTest, NoteCategoriesOfALesson) {
    CAssessment* assessment = subject->NewAssessment(pupil);
    assessment->NewNote(lesson)->SetRelation("NOTE_CATEGORY",
                                             Described(year->NewNoteCategory(), "Off Task"));
    assessment->NewNote(lesson);
    assessment->NewNote(nullptr);
    assessment->NewNote(lesson)->Delete();
    EXPECT_EQ(NoteCategories(*assessment, lesson), "Off Task,No Category");
    EXPECT_EQ(NoteCategories(*assessment, nullptr), "No Category");
    EXPECT_EQ(assessment->AssociationItem("NOTES", 0)->GetAttributeValue("DATE"), "20070315 12:00:00");
    EXPECT_EQ(assessment->AssociationItem("NOTES", 0)->GetRelation("LESSON_PLAN"), lesson);
}

TEST_F(SummariesTest, HeadingsNameWhatAnItemIsAbout) {
    CObjective* objective = lesson->NewObjective();
    COutcome* outcome = lesson->NewOutcome();
    CActivity* activity = lesson->NewActivity();
    EXPECT_EQ(ObjectiveHeading(*objective), "Objective");
    EXPECT_EQ(OutcomeHeading(*outcome), "Outcome");
    EXPECT_EQ(ActivityHeading(*activity), "Activity");

    objective->SetRelation("OBJECTIVE_CATEGORY", Described(year->NewObjectiveCategory(), "Resources"));
    outcome->SetRelation("APTITUDE", Described(year->NewAptitude(), "Can/Can't"));
    CStaff* staff = year->NewStaff();
    staff->SetAttributeValue("FIRST_NAME", "Jo");
    staff->SetAttributeValue("LAST_NAME", "Bloggs");
    activity->AddToAssociation("FOCUS", Described(subject->NewSet(), "Top Set"));
    activity->AddToAssociation("FOCUS", Described(year->NewForm(), "Year 1"));
    activity->AddToAssociation("FOCUS", staff);
    activity->AddToAssociation("STAFF", staff);
    activity->AddToAssociation("STAFF", year->NewPupil());
    activity->AddToAssociation("STAFF", staff);
    EXPECT_EQ(ObjectiveHeading(*objective), "Resources");
    EXPECT_EQ(OutcomeHeading(*outcome), "Can/Can't");
    EXPECT_EQ(ActivityHeading(*activity), "Top Set, Jo Bloggs");
    EXPECT_EQ(StaffNames(*activity, "STAFF"), "Jo Bloggs");
}

}  // namespace
}  // namespace vantaro::test
