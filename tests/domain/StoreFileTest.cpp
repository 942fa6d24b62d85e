#include <string>

#include "domain/Assessments.h"
#include "domain/Curricula.h"
#include "domain/DomainFixture.h"
#include "domain/Lookups.h"
#include "domain/People.h"
#include "domain/Subjects.h"
#include "support/TempDir.h"

namespace vantaro::test {
namespace {

// The factory is the main one, so its CompressDatastore setting decides the packing.
class StoreFileTest : public DomainTest {
protected:
    StoreFileTest() : previousMain_(CFactory::MainFactory()) { CFactory::SetMainFactory(&factory); }
    ~StoreFileTest() override { CFactory::SetMainFactory(previousMain_); }

    std::string Path(const char* name) const { return (dir / name).string(); }

    TempDir dir;

private:
    CFactory* previousMain_;
};

TEST_F(StoreFileTest, ASeededStoreSavedReadBackAndSavedAgainIsTheSameFile) {
    factory.Settings().CompressDatastore = false;
    factory.NewDataStore(true);
    factory.Save(Path("first.ods"));
    const int objects = factory.Objects().Count();

    CRovanFactory reader;
    reader.Open(Path("first.ods"));
    EXPECT_EQ(reader.Objects().Count(), objects);
    EXPECT_EQ(reader.FileName(), Path("first.ods"));
    reader.Save(Path("second.ods"));
    const std::string first = ReadFileBytes(dir / "first.ods");
    EXPECT_EQ(ReadFileBytes(dir / "second.ods"), first);
    const CFactory::IntegrityCounts errors = reader.FindIntegrityErrors();
    EXPECT_EQ(errors.Total(), 0) << errors.adoptions << errors.surrogates << errors.orphans
                                 << errors.duplicates;
    for (const char* stored : {R"(NAME="INCLUDE_IN_LESSON_PLANING")",
                               "<ASSOCATION ", "Knows/Does't Know", "Is unable"})
        EXPECT_NE(first.find(stored), std::string::npos) << stored;
}

TEST_F(StoreFileTest, OpeningAFileThatHoldsNothingStartsASeededYear) {
    CRovanFactory scratch;
    factory.Append(Path("missing.ods"), scratch);
    ASSERT_EQ(factory.AppendedFiles().size(), 1u);
    WriteFileBytes(dir / "empty.ods",
                   "<OBJECT_STORE APPLICATION=\"Vantaro\" VERSION=\"1.12\" ROOT_OBJECT_ID=\"0\" "
                   "ENCRYPTION=\"FALSE\">\r\n<HIDE_DATA></HIDE_DATA>\r\n</OBJECT_STORE>\r\n");
    for (const char* name : {"empty.ods", "missing.ods"}) {
        SCOPED_TRACE(name);
        factory.Open(Path(name));
        ASSERT_NE(factory.Year(), nullptr);
        EXPECT_EQ(factory.Year()->AssociationCount("SUBJECTS"), 11);
        EXPECT_EQ(factory.FileName(), "");
        EXPECT_TRUE(factory.AppendedFiles().empty());
    }
}

TEST_F(StoreFileTest, AGeneralTargetKeepsItsGradingsAcrossSavesAndLoads) {
    CSubject* subject = year->NewSubject();
    CAssessment* assessment = subject->NewAssessment(year->NewPupil());
    EnsureAttainmentTargets(*assessment);
    AttainmentTargetFor(*assessment, nullptr, false)->SetAttributeValue("INITIAL_GRADING", "2A");
    CAttainment* attainment = year->NewCurriculum()->NewAttainment();
    AttainmentTargetFor(*assessment, attainment, true)->SetAttributeValue("INITIAL_GRADING", "3B");
    factory.MoveToTrash(attainment);

    // As the save commands do: empty the trash, save; then load, and again.
    for (int round = 0; round < 2; ++round) {
        factory.EmptyTrash();
        factory.Save(Path("targets.ods"));
        factory.Open(Path("targets.ods"));
    }
    const auto* loaded = static_cast<const CSubject*>(factory.Year()->AssociationItem("SUBJECTS", 0));
    const CStored* loadedAssessment = loaded->AssociationItem("ASSESSMENTS", 0);
    ASSERT_EQ(loadedAssessment->AssociationCount("ATTAINMENT_TARGETS"), 1);
    EXPECT_EQ(loadedAssessment->AssociationItem("ATTAINMENT_TARGETS", 0)->GetAttributeValue("INITIAL_GRADING"),
              "2A");
}

}  // namespace
}  // namespace vantaro::test
