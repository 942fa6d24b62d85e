#include <numeric>
#include <string>
#include <vector>

#include "domain/DomainFixture.h"
#include "domain/Subjects.h"

namespace vantaro::test {
namespace {

class SeedingTest : public DomainTest {
protected:
    SeedingTest() { year = factory.NewDataStore(true); }

    int CountUnder(const std::string& association, const std::string& childAssociation) const {
        int count = 0;
        for (const CStored* owner : year->AssociationItems(association))
            count += owner->AssociationCount(childAssociation);
        return count;
    }
};

TEST_F(SeedingTest, SeededYearHoldsTheStandardVocabulary) {
    const struct {
        const char* association;
        int count;
    } counts[] = {
        {"TEACHING_DAYS", 7},         {"GENDERS", 2},          {"DURATIONS", 8},
        {"FORMS", 13},                {"OBJECTIVE_CATEGORIES", 9}, {"ACTIVITY_CATEGORIES", 10},
        {"NOTE_CATEGORIES", 12},      {"APTITUDES", 8},        {"CURRICULUMS", 11},
        {"SUBJECTS", 11},             {"TERMS", 0},            {"STAFF", 0},
        {"PUPILS", 0},                {"TUTOR_STATEMENTS", 0},
    };
    for (const auto& c : counts) EXPECT_EQ(year->AssociationCount(c.association), c.count) << c.association;
    EXPECT_EQ(CountUnder("APTITUDES", "CAPABILITIES"), 67);
    EXPECT_EQ(CountUnder("CURRICULUMS", "ATTAINMENTS"), 22);
    EXPECT_EQ(CountUnder("CURRICULUMS", "GRADES"), 0);
    EXPECT_EQ(CountUnder("SUBJECTS", "SETS"), 55);
    int levels = 0;
    for (const CStored* curriculum : year->AssociationItems("CURRICULUMS"))
        for (const CStored* attainment : curriculum->AssociationItems("ATTAINMENTS"))
            levels += attainment->AssociationCount("CURRICULUM_LEVELS");
    EXPECT_EQ(levels, 198);
    for (const char* association : {"CURRICULUM_LEVELS", "LONG_TERM_PLANS", "ASSESSMENTS"})
        EXPECT_EQ(CountUnder("SUBJECTS", association), 0) << association;
    EXPECT_EQ(year->GetAttributeValue("ACADEMIC_YEAR_START_DATE"), "-2");
    EXPECT_EQ(year->GetAttributeValue("TUTOR_NAME"), "");
    EXPECT_EQ(factory.FileName(), "");
}

TEST_F(SeedingTest, TextsAreStoredExactlyAsQuoted) {
    const CStored* knows = year->AssociationItem("APTITUDES", 1);
    EXPECT_EQ(knows->GetAttributeValue("DESCRIPTION"), "Knows/Does't Know");
    const CStored* able = year->AssociationItem("APTITUDES", 2);
    EXPECT_EQ(able->AssociationItem("CAPABILITIES", 0)->GetAttributeValue("DESCRIPTION"), "Is unable");

    const CStored* inTest = year->AssociationItem("APTITUDES", 7);
    EXPECT_EQ(inTest->GetAttributeValue("DESCRIPTION"), "Scored In Test");
    ASSERT_EQ(inTest->AssociationCount("CAPABILITIES"), 21);
    const CStored* fivePercent = inTest->AssociationItem("CAPABILITIES", 1);
    EXPECT_EQ(fivePercent->GetAttributeValue("DESCRIPTION"), "Scored 5%");
    EXPECT_EQ(fivePercent->GetAttributeValue("SCORE"), "0.05");
    EXPECT_EQ(inTest->AssociationItem("CAPABILITIES", 20)->GetAttributeValue("SCORE"), "1.00");
    const CStored* outOfTen = year->AssociationItem("APTITUDES", 6);
    EXPECT_EQ(outOfTen->AssociationItem("CAPABILITIES", 3)->GetAttributeValue("DESCRIPTION"),
              "Scored 3/10");
    EXPECT_EQ(outOfTen->AssociationItem("CAPABILITIES", 3)->GetAttributeValue("SCORE"), "0.30");

    const CStored* halfDay = year->AssociationItem("DURATIONS", 1);
    EXPECT_EQ(halfDay->GetAttributeValue("DESCRIPTION"), "Half Day");
    EXPECT_EQ(halfDay->GetAttributeValue("LENGTH"), "0.5");
    EXPECT_EQ(year->AssociationItem("DURATIONS", 0)->GetAttributeValue("LENGTH"), "0.0");

    const CStored* saturday = year->AssociationItem("TEACHING_DAYS", 5);
    EXPECT_EQ(saturday->GetAttributeValue("DAY_OF_WEEK"), "6");
    EXPECT_EQ(saturday->GetAttributeValue("INCLUDE_IN_LESSON_PLANING"), "FALSE");

    const CStored* male = year->AssociationItem("GENDERS", 1);
    EXPECT_EQ(male->GetAttributeValue("GENITIVE_REPLACEMENT"), "his");

    EXPECT_EQ(MemberTexts(*year, "FORMS").front(), "Nursery");
    EXPECT_EQ(MemberTexts(*year, "FORMS").back(), "Year 11");

    const CStored* design = year->AssociationItem("CURRICULUMS", 3);
    EXPECT_EQ(design->GetAttributeValue("DESCRIPTION"), "Design & Technology");
    ASSERT_EQ(design->AssociationCount("ATTAINMENTS"), 1);
    const CStored* unnamed = design->AssociationItem("ATTAINMENTS", 0);
    EXPECT_EQ(unnamed->GetAttributeValue("DESCRIPTION"), "");
    EXPECT_EQ(MemberTexts(*unnamed, "CURRICULUM_LEVELS").back(), "Exceptional Performance");
    EXPECT_EQ(MemberTexts(*year->AssociationItem("SUBJECTS", 10), "SETS"),
              (std::vector<std::string>{"Gifted & Talented", "Top Set", "Middle Set", "Bottom Set", "SEN"}));
}

TEST_F(SeedingTest, CoreSubjectsCarryTheirPresets) {
    const struct {
        const char* subject;
        std::vector<std::string> objectives;
        std::vector<std::string> activities;
    } core[] = {
        {"English",
         {"Main Objectives", "Shared Reading & Writing", "Phonics, Spelling, Vocabulary and Grammar"},
         {"Higher Ability", "Middle Ability", "Lower Ability", "Plenary"}},
        {"Maths",
         {"Mental Oral Starter", "Main Objectives", "Key Vocabulary", "Resources"},
         {"Introduction", "Higher Ability", "Middle Ability", "Lower Ability", "Plenary"}},
        {"Science",
         {"Main Objectives", "Key Vocabulary", "Resources"},
         {"Introduction", "Higher Ability", "Middle Ability", "Lower Ability", "Plenary"}},
    };
    for (const auto& c : core) {
        SCOPED_TRACE(c.subject);
        const CStored* subject = year->FindInAssociation("SUBJECTS", c.subject);
        ASSERT_NE(subject, nullptr);
        EXPECT_EQ(subject->GetAttributeValue("CORE_SUBJECT"), "TRUE");
        EXPECT_EQ(MemberTexts(*subject, "PRESET_OBJECTIVES"), c.objectives);
        EXPECT_EQ(MemberTexts(*subject, "PRESET_ACTIVITIES"), c.activities);
        EXPECT_EQ(subject->GetRelation("TUTOR"), nullptr);
    }
    const CStored* music = year->FindInAssociation("SUBJECTS", "Music");
    ASSERT_NE(music, nullptr);
    EXPECT_EQ(music->GetAttributeValue("CORE_SUBJECT"), "");
    EXPECT_EQ(music->AssociationCount("PRESET_OBJECTIVES"), 0);
}

TEST_F(DomainTest, AnUnseededStoreHoldsOnlyItsYear) {
    EXPECT_EQ(factory.Objects().Count(), 1);
    EXPECT_EQ(factory.Root(), year);
    EXPECT_EQ(year->AssociationCount("TEACHING_DAYS"), 0);
}

}  // namespace
}  // namespace vantaro::test
