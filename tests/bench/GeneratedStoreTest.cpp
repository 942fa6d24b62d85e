#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "domain/Assessments.h"
#include "domain/CRovanFactory.h"
#include "domain/Periods.h"
#include "domain/PlanItems.h"
#include "domain/Plans.h"
#include "domain/StoredAccess.h"
#include "domain/Subjects.h"
#include "store/GeneratedStore.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

namespace vantaro::test {
namespace {

using bench::StoreShape;

// The class size at a quarter of its bulk, so the suite stays quick under the sanitizers: one
// form of ten pupils taking the 11 seeded subjects for the autumn term (75 teaching days), each
// lesson and pupil as deep as in the full sizes. The benchmarks check the full sizes whole.
const StoreShape kSmallClass{"class", 1, 10, 11, 11, 3, 1};
constexpr int kPupils = 10;
constexpr int kAutumnDays = 75;

// The store is generated once for the suite: it is the largest thing the tests make.
class ClassSizeStoreTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        platform_ = std::make_unique<FakePlatform>();
        factory_ = std::make_unique<CRovanFactory>();
        counts_ = bench::GenerateStore(*factory_, kSmallClass);
    }
    static void TearDownTestSuite() {
        factory_.reset();
        platform_.reset();
    }

    static CYear& Year() { return *factory_->Year(); }

    static std::unique_ptr<FakePlatform> platform_;
    static std::unique_ptr<CRovanFactory> factory_;
    static bench::StoreCounts counts_;
};

std::unique_ptr<FakePlatform> ClassSizeStoreTest::platform_;
std::unique_ptr<CRovanFactory> ClassSizeStoreTest::factory_;
bench::StoreCounts ClassSizeStoreTest::counts_;

TEST_F(ClassSizeStoreTest, HoldsOneFormsSchoolYearWithEveryLessonPlannedAndAssessed) {
    EXPECT_EQ(Year().AssociationCount("PUPILS"), kPupils);
    EXPECT_EQ(Year().AssociationCount("SUBJECTS"), 11);
    const std::vector<CTerm*> terms = MembersAs<CTerm>(Year(), "TERMS");
    ASSERT_EQ(terms.size(), 1u);
    int days = 0;
    for (CTerm* term : terms)
        for (CWeek* week : MembersAs<CWeek>(*term, "WEEKS")) days += week->AssociationCount("DAYS");
    EXPECT_EQ(days, kAutumnDays);

    int lessons = 0, outcomesWithAchievements = 0, outcomes = 0;
    for (CSubject* subject : MembersAs<CSubject>(Year(), "SUBJECTS")) {
        SCOPED_TRACE(subject->DisplayText());
        const std::vector<CAssessment*> assessments = MembersAs<CAssessment>(*subject, "ASSESSMENTS");
        ASSERT_EQ(assessments.size(), static_cast<std::size_t>(kPupils));
        for (CAssessment* assessment : assessments) {
            EXPECT_FALSE(assessment->GetAttributeValue("SUBJECT_REPORT").empty());
            EXPECT_GE(assessment->AssociationCount("ATTAINMENT_TARGETS"), 1);
        }
        const auto* longTermPlan = dynamic_cast<CLongTermPlan*>(subject->AssociationItem("LONG_TERM_PLANS", 0));
        ASSERT_NE(longTermPlan, nullptr);
        for (CLessonPlan* plan : MembersAs<CLessonPlan>(*longTermPlan, "LESSON_PLANS")) {
            ++lessons;
            // Two to four of each; a core subject's presets may give five activities.
            for (const char* items : {"OBJECTIVES", "ACTIVITIES", "OUTCOMES"}) {
                EXPECT_GE(plan->AssociationCount(items), 2) << items;
                EXPECT_LE(plan->AssociationCount(items), 5) << items;
            }
            for (CStored* outcome : plan->AssociationItems("OUTCOMES")) {
                ++outcomes;
                const int achieved = outcome->LinkCount("ACHIEVEMENTS");
                EXPECT_TRUE(achieved == 0 || achieved == kPupils) << achieved;
                if (achieved > 0) ++outcomesWithAchievements;
            }
        }
    }
    EXPECT_EQ(lessons, 11 * kAutumnDays);
    EXPECT_GT(outcomesWithAchievements, outcomes * 7 / 10);
    EXPECT_LT(outcomesWithAchievements, outcomes * 9 / 10);
    EXPECT_GT(counts_.objects, 7000);
    EXPECT_EQ(counts_.achievements, static_cast<long long>(kPupils) * outcomesWithAchievements);
}

TEST_F(ClassSizeStoreTest, PassesTheIntegrityCheckWithoutAnError) {
    const CFactory::IntegrityCounts counts = factory_->FindIntegrityErrors();
    EXPECT_EQ(counts.adoptions, 0);
    EXPECT_EQ(counts.surrogates, 0);
    EXPECT_EQ(counts.orphans, 0);
    EXPECT_EQ(counts.duplicates, 0);
    factory_->CheckIntegrity();
    EXPECT_EQ(factory_->Objects().Count(), counts_.objects);
    EXPECT_TRUE(platform_->prompts.prompts.empty());
}

TEST_F(ClassSizeStoreTest, ReadsBackWholeAndStillPassesTheCheck) {
    TempDir folder;
    const std::string first = (folder / "class.ods").string();
    factory_->Save(first);

    CRovanFactory reopened;
    reopened.Open(first);
    EXPECT_EQ(reopened.Objects().Count(), counts_.objects);
    EXPECT_EQ(bench::CountStore(reopened).achievements, counts_.achievements);
    EXPECT_EQ(reopened.FindIntegrityErrors().Total(), 0);
    EXPECT_TRUE(platform_->prompts.prompts.empty());
}

// The plain text of a generated store, saved the way the application saves it.
std::string GeneratedText(const StoreShape& shape, std::uint64_t seed) {
    TempDir folder;
    CRovanFactory factory;
    bench::GenerateStore(factory, shape, seed);
    factory.Settings().CompressDatastore = false;
    factory.Save((folder / "store.ods").string());
    return ReadFileBytes(folder / "store.ods");
}

TEST(GeneratedStoreTest, SameSeedGivesTheSameStoreAndAnotherSeedAnother) {
    FakePlatform platform;
    // Two forms taking two subjects each, over one term.
    const StoreShape small{"small", 2, 4, 11, 2, 3, 1};
    const std::string text = GeneratedText(small, 1);
    EXPECT_EQ(GeneratedText(small, 1), text);
    EXPECT_NE(GeneratedText(small, 2), text);
}

}  // namespace
}  // namespace vantaro::test
