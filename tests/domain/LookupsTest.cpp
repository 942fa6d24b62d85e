#include <string>
#include <vector>

#include "domain/Assessments.h"
#include "domain/Curricula.h"
#include "domain/DomainFixture.h"
#include "domain/Lookups.h"
#include "domain/People.h"
#include "domain/PlanItems.h"
#include "domain/Plans.h"
#include "domain/Subjects.h"
#include "domain/Timetable.h"

namespace vantaro::test {
namespace {

class LookupsTest : public DomainTest {
protected:
    LookupsTest() { factory.SetDeletedCountsAsHidden(true); }

    CStored* Described(CStored* object, const char* description) {
        object->SetAttributeValue("DESCRIPTION", description);
        return object;
    }
    CDay* Day(const char* date) {
        CDay* day = year->NewTerm()->NewWeek()->NewDay();
        day->SetAttributeValue("START_DATE", date);
        return day;
    }

    CSubject* subject = year->NewSubject();
};

TEST_F(LookupsTest, LessonPlanStartsWithTheSubjectsPresets) {
    CDay* day = Day("20070312");
    EXPECT_EQ(LessonPlanFor(*subject, day, false), nullptr);
    EXPECT_EQ(subject->AssociationCount("LONG_TERM_PLANS"), 0);

    CStored* starter = Described(year->NewObjectiveCategory(), "Mental Oral Starter");
    CStored* vocabulary = Described(year->NewObjectiveCategory(), "Key Vocabulary");
    CStored* plenary = Described(year->NewActivityCategory(), "Plenary");
    for (CStored* category : {starter, vocabulary}) subject->AddToAssociation("PRESET_OBJECTIVES", category);
    subject->AddToAssociation("PRESET_ACTIVITIES", plenary);

    CLessonPlan* plan = LessonPlanFor(*subject, day, true);
    ASSERT_NE(plan, nullptr);
    CLongTermPlan* longTermPlan = LongTermPlanOf(*subject, false);
    ASSERT_NE(longTermPlan, nullptr);
    EXPECT_EQ(longTermPlan->GetRelation("SUBJECT"), subject);
    EXPECT_EQ(plan->GetRelation("DAY"), day);
    EXPECT_EQ(plan->GetRelation("SUBJECT"), subject);
    EXPECT_EQ(plan->GetRelation("LONG_TERM_PLAN"), longTermPlan);
    EXPECT_EQ(PeriodOf(*plan), day);
    std::vector<CStored*> categories;
    for (CStored* objective : plan->AssociationItems("OBJECTIVES"))
        categories.push_back(objective->GetRelation("OBJECTIVE_CATEGORY"));
    EXPECT_EQ(categories, (std::vector<CStored*>{starter, vocabulary}));
    ASSERT_EQ(plan->AssociationCount("ACTIVITIES"), 1);
    EXPECT_EQ(plan->AssociationItem("ACTIVITIES", 0)->AssociationItems("FOCUS"),
              std::vector<CStored*>{plenary});
    ASSERT_EQ(plan->AssociationCount("OUTCOMES"), 1);
    EXPECT_EQ(plan->AssociationItem("OUTCOMES", 0)->GetRelation("LESSON_PLAN"), plan);

    EXPECT_EQ(LessonPlanFor(*subject, day, true), plan);
    factory.MoveToTrash(plan);
    EXPECT_EQ(LessonPlanFor(*subject, day, false), nullptr);
}

TEST_F(LookupsTest, APlanWithoutPresetsGetsOneOfEachItem) {
    CLessonPlan* plan = LessonPlanFor(*subject, Day("20070312"), true);
    for (const char* items : {"OBJECTIVES", "ACTIVITIES", "OUTCOMES"})
        EXPECT_EQ(plan->AssociationCount(items), 1) << items;
    EXPECT_EQ(PeriodOf(*LongTermPlanOf(*subject, false)), nullptr);
}

TEST_F(LookupsTest, MediumTermPlansAreNumberedFromTwo) {
    CLongTermPlan* longTermPlan = LongTermPlanOf(*subject, true);
    CMedimumTermPlan* first = longTermPlan->NewMedimumTermPlan();
    CMedimumTermPlan* second = longTermPlan->NewMedimumTermPlan();
    EXPECT_EQ(first->GetAttributeValue("SESSION_NAME"), "Session 2");
    EXPECT_EQ(second->GetAttributeValue("SESSION_NAME"), "Session 3");
    EXPECT_EQ(first->GetRelation("LONG_TERM_PLAN"), longTermPlan);
    EXPECT_EQ(first->GetRelation("SUBJECT"), subject);
}

// A lesson planned after the subject's long-term plan went to the trash must survive emptying
// the trash, whether or not the factory shows deleted objects.
TEST_F(LookupsTest, ANewLessonPlanIsNotFiledUnderATrashedLongTermPlan) {
    for (const bool deletedHidden : {true, false}) {
        SCOPED_TRACE(deletedHidden ? "deleted objects hidden" : "deleted objects shown");
        factory.SetDeletedCountsAsHidden(deletedHidden);
        CSubject* planned = year->NewSubject();
        factory.MoveToTrash(LongTermPlanOf(*planned, true));
        CDay* day = Day("20070312");

        CLessonPlan* plan = LessonPlanFor(*planned, day, true);
        ASSERT_NE(plan, nullptr);
        CLongTermPlan* live = LongTermPlanOf(*planned, false);
        ASSERT_NE(live, nullptr);
        EXPECT_NE(live->Status(), StoredStatus::Deleted);
        EXPECT_EQ(plan->GetRelation("LONG_TERM_PLAN"), live);

        const std::int32_t planID = plan->ID();
        factory.EmptyTrash();
        ASSERT_NE(factory.FindObject(planID), nullptr) << "the new plan was destroyed with the trash";
        CLessonPlan* found = LessonPlanFor(*planned, day, false);
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(found->ID(), planID);
        EXPECT_EQ(planned->AssociationCount("LONG_TERM_PLANS"), 1);
    }
}

TEST_F(LookupsTest, AssessmentsArePerPupilAndHiddenOnesAreSkipped) {
    CPupil* anna = year->NewPupil();
    CPupil* ben = year->NewPupil();
    CAssessment* annas = AssessmentFor(*subject, anna, true);
    CAssessment* bens = AssessmentFor(*subject, ben, true);
    EXPECT_EQ(AssessmentFor(*subject, anna, true), annas);
    EXPECT_EQ(annas->GetRelation("SUBJECT"), subject);
    EXPECT_EQ(annas->GetRelation("PUPIL"), anna);
    EXPECT_EQ(PupilIdList(*subject), std::to_string(ben->ID()) + "," + std::to_string(anna->ID()));

    factory.SetHiddenIDs(std::to_string(bens->ID()));
    EXPECT_EQ(AssessmentFor(*subject, ben, false), nullptr);
    EXPECT_EQ(PupilIdList(*subject), std::to_string(anna->ID()));
}

TEST_F(LookupsTest, EnsureAttainmentTargetsMovesGeneralGradingsIntoTheCurriculumsTargets) {
    CAssessment* assessment = subject->NewAssessment(year->NewPupil());
    EnsureAttainmentTargets(*assessment);
    CAttainmentTarget* general = AttainmentTargetFor(*assessment, nullptr, false);
    ASSERT_NE(general, nullptr);
    general->SetAttributeValue("INITIAL_GRADING", "2A");
    general->SetAttributeValue("FINAL_GRADING", "3C");

    CCurriculum* curriculum = year->NewCurriculum();
    CAttainment* reading = curriculum->NewAttainment();
    CAttainment* writing = curriculum->NewAttainment();
    subject->AddToAssociation("CURRICULUM_LEVELS", writing->NewCurriculumLevel());
    EnsureAttainmentTargets(*assessment);
    EnsureAttainmentTargets(*assessment);

    EXPECT_EQ(general->Status(), StoredStatus::Deleted);
    EXPECT_EQ(factory.Trash().Find(general->ID()), general);
    ASSERT_EQ(assessment->AssociationCount("ATTAINMENT_TARGETS"), 3);
    for (CAttainment* attainment : {reading, writing}) {
        CAttainmentTarget* target = AttainmentTargetFor(*assessment, attainment, false);
        ASSERT_NE(target, nullptr);
        EXPECT_EQ(target->GetAttributeValue("INITIAL_GRADING"), "2A");
        EXPECT_EQ(target->GetAttributeValue("TARGET_GRADING"), "");
        EXPECT_EQ(target->GetAttributeValue("FINAL_GRADING"), "3C");
    }

    // A general target that comes back (restored from the trash) fills only targets made now.
    CAttainmentTarget* readingTarget = AttainmentTargetFor(*assessment, reading, false);
    readingTarget->SetAttributeValue("INITIAL_GRADING", "4B");
    factory.RestoreFromTrash(general);
    CAttainment* speaking = curriculum->NewAttainment();
    EnsureAttainmentTargets(*assessment);
    EXPECT_EQ(readingTarget->GetAttributeValue("INITIAL_GRADING"), "4B");
    EXPECT_EQ(AttainmentTargetFor(*assessment, speaking, false)->GetAttributeValue("INITIAL_GRADING"), "2A");

    RemoveTargets(*subject);
    for (CStored* target : assessment->AssociationItems("ATTAINMENT_TARGETS"))
        EXPECT_EQ(target->Status(), StoredStatus::Deleted);
    EXPECT_EQ(factory.Trash().Count(), 4);
}

TEST_F(LookupsTest, ALevelWithoutAttainmentMeansNoCurriculum) {
    CAssessment* assessment = subject->NewAssessment(year->NewPupil());
    auto* orphanLevel = factory.AddObject(std::make_unique<CCurriculumLevel>(nullptr, -1));
    subject->AddToAssociation("CURRICULUM_LEVELS", orphanLevel);
    EnsureAttainmentTargets(*assessment);
    ASSERT_EQ(assessment->AssociationCount("ATTAINMENT_TARGETS"), 1);
    EXPECT_NE(AttainmentTargetFor(*assessment, nullptr, false), nullptr);

    // A level whose parent is a subject, and an attainment outside any curriculum, likewise.
    subject->ClearAssociation("CURRICULUM_LEVELS");
    subject->AddToAssociation("CURRICULUM_LEVELS", subject->NewSubjectLevel());
    EnsureAttainmentTargets(*assessment);
    auto* looseAttainment = factory.AddObject(std::make_unique<CAttainment>(nullptr, -1));
    subject->ClearAssociation("CURRICULUM_LEVELS");
    subject->AddToAssociation("CURRICULUM_LEVELS", looseAttainment->NewCurriculumLevel());
    EnsureAttainmentTargets(*assessment);
    EXPECT_EQ(assessment->AssociationCount("ATTAINMENT_TARGETS"), 1);
}

TEST_F(LookupsTest, AGeneralTargetSurvivesResolvingButATargetOfAGoneAttainmentDoes) {
    CAssessment* assessment = subject->NewAssessment(year->NewPupil());
    CAttainmentTarget* general = AttainmentTargetFor(*assessment, nullptr, true);
    CAttainment* attainment = year->NewCurriculum()->NewAttainment();
    CAttainmentTarget* specific = AttainmentTargetFor(*assessment, attainment, true);
    general->MarkSaved(general->ID());

    factory.Objects().Remove(attainment);  // purged, as emptying the trash does
    general->ResolveReferences();
    specific->ResolveReferences();
    EXPECT_EQ(general->Status(), StoredStatus::Saved);
    EXPECT_EQ(specific->Status(), StoredStatus::Deleted);

    // A trashed general target stays deleted.
    factory.MoveToTrash(general);
    general->ResolveReferences();
    EXPECT_EQ(general->Status(), StoredStatus::Deleted);
}

TEST_F(LookupsTest, TeachingDaysAreFoundByNumberAndOnlyWeekdaysAreMade) {
    CTeachingDay* odd = year->NewTeachingDay();
    odd->SetAttributeValue("DAY_OF_WEEK", "9");
    EXPECT_EQ(TeachingDayOf(*year, 9, true), nullptr);
    EXPECT_EQ(TeachingDayOf(*year, 0, true), nullptr);
    EXPECT_EQ(year->AssociationCount("TEACHING_DAYS"), 1);

    EXPECT_EQ(TeachingDayOf(*year, 3, false), nullptr);
    CTeachingDay* wednesday = TeachingDayOf(*year, 3, true);
    ASSERT_NE(wednesday, nullptr);
    EXPECT_EQ(wednesday->GetAttributeValue("DAY_OF_WEEK"), "3");
    EXPECT_EQ(wednesday->GetAttributeValue("INCLUDE_IN_LESSON_PLANING"), "");
    EXPECT_EQ(TeachingDayOf(*year, 3, true), wednesday);

    SetTeachingDay(*year, 6, false);
    SetTeachingDay(*year, 3, true);
    EXPECT_EQ(TeachingDayOf(*year, 6, false)->GetAttributeValue("INCLUDE_IN_LESSON_PLANING"), "FALSE");
    EXPECT_EQ(wednesday->GetAttributeValue("INCLUDE_IN_LESSON_PLANING"), "TRUE");
    EXPECT_EQ(year->AssociationCount("TEACHING_DAYS"), 3);
}

}  // namespace
}  // namespace vantaro::test
