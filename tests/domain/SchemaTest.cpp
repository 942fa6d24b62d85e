#include <string>
#include <vector>

#include "domain/ClassTables.h"
#include "domain/Curricula.h"
#include "domain/DomainFixture.h"
#include "routines/Errors.h"

namespace vantaro::test {
namespace {

using Lines = std::vector<std::string>;

Lines AllLines(const CStored& object) {
    Lines lines;
    for (int i = 0; i < object.PropertyCount(); ++i) lines.push_back(object.PropertyLine(i));
    return lines;
}

std::unique_ptr<CStored> Make(const std::string& className) {
    std::unique_ptr<CStored> object = CreateStoredObject(className, 1);
    EXPECT_NE(object, nullptr) << className;
    return object;
}

using SchemaTest = DomainTest;

TEST_F(SchemaTest, DeclaresTemplateLinesExactlyAndInOrder) {
    const std::string parent = R"(<RELATION AGGREGATE="FALSE" NAME="PARENT"></RELATION>)";
    const struct {
        std::string className;
        Lines lines;
    } cases[] = {
        {"CTerm",
         {parent, R"(<ATTRIBUTE NAME="DESCRIPTION" FORMAT="STRING"></ATTRIBUTE>)",
          R"(<ATTRIBUTE NAME="START_DATE" FORMAT="DATE">-2</ATTRIBUTE>)",
          R"(<ATTRIBUTE NAME="END_DATE" FORMAT="DATE">-2</ATTRIBUTE>)",
          R"(<ASSOCATION AGGREGATE="TRUE" NAME="WEEKS"></ASSOCATION>)"}},
        {"CNote",
         {parent, R"(<ATTRIBUTE NAME="DATE" FORMAT="DATE">-2</ATTRIBUTE>)",
          R"(<ATTRIBUTE NAME="DESCRIPTION" FORMAT="STRING"></ATTRIBUTE>)",
          R"(<RELATION AGGREGATE="FALSE" NAME="LESSON_PLAN"></RELATION>)",
          R"(<RELATION AGGREGATE="FALSE" NAME="NOTE_CATEGORY"></RELATION>)"}},
        // The second SUBJECT declaration merges into the inherited line and its place.
        {"CLongTermPlan",
         {parent, R"(<RELATION AGGREGATE="FALSE" NAME="SUBJECT"></RELATION>)",
          R"(<ASSOCATION AGGREGATE="TRUE" NAME="OBJECTIVES"></ASSOCATION>)",
          R"(<ASSOCATION AGGREGATE="TRUE" NAME="MEDIMUM_TERM_PLANS"></ASSOCATION>)",
          R"(<ASSOCATION AGGREGATE="TRUE" NAME="LESSON_PLANS"></ASSOCATION>)"}},
        {"CAttainmentTarget",
         {parent, R"(<ATTRIBUTE NAME="INITIAL_GRADING" FORMAT="CODE"></ATTRIBUTE>)",
          R"(<ATTRIBUTE NAME="TARGET_GRADING" FORMAT="CODE"></ATTRIBUTE>)",
          R"(<ATTRIBUTE NAME="FINAL_GRADING" FORMAT="CODE"></ATTRIBUTE>)",
          R"(<RELATION AGGREGATE="TRUE" NAME="ATTAINMENT"></RELATION>)"}},
        {"CCapability",
         {parent, R"(<ATTRIBUTE NAME="DESCRIPTION" FORMAT="STRING"></ATTRIBUTE>)",
          R"(<ATTRIBUTE NAME="SCORE" FORMAT="PERCENT">0.00</ATTRIBUTE>)"}},
        {"CTeachingDay",
         {parent, R"(<ATTRIBUTE NAME="DAY_OF_WEEK" FORMAT="NUMBER"></ATTRIBUTE>)",
          R"(<ATTRIBUTE NAME="INCLUDE_IN_LESSON_PLANING" FORMAT="BOOLEAN"></ATTRIBUTE>)",
          R"(<ASSOCATION AGGREGATE="FALSE" NAME="SUBJECTS"></ASSOCATION>)"}},
        {"COutcome",
         {parent, R"(<ATTRIBUTE NAME="DESCRIPTION" FORMAT="STRING"></ATTRIBUTE>)",
          R"(<RELATION AGGREGATE="FALSE" NAME="APTITUDE"></RELATION>)",
          R"(<RELATION AGGREGATE="FALSE" NAME="CURRICULUM_STATEMENT"></RELATION>)",
          R"(<RELATION AGGREGATE="FALSE" NAME="LESSON_PLAN"></RELATION>)",
          R"(<LINK NAME="ACHIEVEMENTS"></LINK>)"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.className);
        EXPECT_EQ(AllLines(*Make(c.className)), c.lines);
    }
}

TEST_F(SchemaTest, InheritedLinesComeFirst) {
    const struct {
        std::string className;
        Lines names;
    } cases[] = {
        {"CMedimumTermPlan",
         {"PARENT", "SUBJECT", "SESSION_NAME", "DURATION", "SEQUENCE", "TERM", "LONG_TERM_PLAN",
          "OBJECTIVES", "ACTIVITIES", "RESOURCES"}},
        {"CLessonPlan",
         {"PARENT", "SUBJECT", "EVALUATION", "DAY", "LONG_TERM_PLAN", "OBJECTIVES", "ACTIVITIES",
          "OUTCOMES"}},
        {"CCurriculumLevel", {"PARENT", "DESCRIPTION", "CURRICULUM_STATEMENTS"}},
        {"CSubjectLevel", {"PARENT", "DESCRIPTION", "SUBJECT_STATEMENTS"}},
        {"CTutorStatement", {"PARENT", "DESCRIPTION"}},
        {"CYear",
         {"PARENT", "ACADEMIC_YEAR_START_DATE", "ACADEMIC_YEAR_END_DATE", "SCHOOL_NAME",
          "SCHOOL_CONTACT_DETAILS", "TUTOR_NAME", "TERMS", "FORMS", "SUBJECTS", "STAFF",
          "CURRICULUMS", "PUPILS", "TUTOR_STATEMENTS", "OBJECTIVE_CATEGORIES",
          "ACTIVITY_CATEGORIES", "NOTE_CATEGORIES", "APTITUDES", "GENDERS", "TEACHING_DAYS",
          "DURATIONS"}},
        {"CSubject",
         {"PARENT", "DESCRIPTION", "STREAM", "CORE_SUBJECT", "FORM", "TUTOR", "SETS", "ASSESSMENTS",
          "LONG_TERM_PLANS", "SUBJECT_LEVELS", "PRESET_OBJECTIVES", "PRESET_ACTIVITIES",
          "CURRICULUM_LEVELS"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.className);
        EXPECT_EQ(LineNames(*Make(c.className)), c.names);
    }
}

TEST_F(SchemaTest, ANewDayIsDatedTodayAndPeriodsNameTheirChildren) {
    const auto day = Make("CDay");
    EXPECT_EQ(day->GetAttributeValue("START_DATE"), "20070315");
    EXPECT_EQ(year->ChildAssociation(), "TERMS");
    EXPECT_EQ(static_cast<CPeriod&>(*Make("CTerm")).ChildAssociation(), "WEEKS");
    EXPECT_EQ(static_cast<CPeriod&>(*Make("CWeek")).ChildAssociation(), "DAYS");
    EXPECT_EQ(static_cast<CPeriod&>(*day).ChildAssociation(), "");
}

TEST_F(SchemaTest, CreateObjectKnowsEveryStoredClassByItsExactName) {
    ASSERT_EQ(StoredClassNames().size(), 37u);
    for (std::string_view name : StoredClassNames()) {
        SCOPED_TRACE(std::string(name));
        const auto object = factory.CreateObject(R"(ID="12" CLASS=")" + std::string(name) + "\"");
        ASSERT_NE(object, nullptr);
        EXPECT_EQ(object->ClassName(), name);
        EXPECT_EQ(object->ID(), 12);
        EXPECT_EQ(object->GetFactory(), &factory);
        EXPECT_EQ(object->GetParent(), nullptr);
    }
    for (const char* unknown : {"CPeriod", "CPlan", "CActivityPlan", "CLevel", "CStatement",
                                "cnote", "CNotes", ""})
        EXPECT_EQ(factory.CreateObject(R"(ID="12" CLASS=")" + std::string(unknown) + "\""), nullptr)
            << unknown;
    EXPECT_THROW(factory.CreateObject(R"(ID="twelve" CLASS="CNote")"), EConvertError);
}

TEST_F(SchemaTest, FileIntoParentUsesTheExactClassesCollection) {
    EXPECT_EQ(CollectionOf("CTutorStatement"), "TUTOR_STATEMENTS");
    EXPECT_EQ(CollectionOf("CMedimumTermPlan"), "MEDIMUM_TERM_PLANS");
    EXPECT_EQ(CollectionOf("CYear"), "");

    auto* statement = factory.AddObject(std::make_unique<CTutorStatement>(year, -1));
    factory.FileIntoParent(*statement);
    factory.FileIntoParent(*statement);
    EXPECT_EQ(year->AssociationItems("TUTOR_STATEMENTS"), std::vector<CStored*>{statement});

    // A parent that is not in this factory's store gets nothing.
    CRovanFactory other;
    CYear* otherYear = other.NewDataStore(false);
    auto* stray = factory.AddObject(std::make_unique<CTutorStatement>(otherYear, -1));
    factory.FileIntoParent(*stray);
    EXPECT_EQ(otherYear->AssociationCount("TUTOR_STATEMENTS"), 0);

    factory.FileIntoParent(*year);
    EXPECT_EQ(year->AssociationCount("TUTOR_STATEMENTS"), 1);
}

}  // namespace
}  // namespace vantaro::test
