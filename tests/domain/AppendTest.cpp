#include <string>
#include <vector>

#include "domain/Assessments.h"
#include "domain/DomainFixture.h"
#include "domain/People.h"
#include "domain/PupilRecords.h"
#include "domain/Subjects.h"
#include "routines/Errors.h"
#include "support/TempDir.h"

namespace vantaro::test {
namespace {

CPupil* NamedPupil(CYear& year, const char* first, const char* last) {
    CPupil* pupil = year.NewPupil();
    pupil->SetAttributeValue("FIRST_NAME", first);
    pupil->SetAttributeValue("LAST_NAME", last);
    return pupil;
}

// This year (saved as "this.ods") has Anna Smith and Ben Jones. Another teacher's store of the
// same year ("other.ods") has Anna Smith with three notes and two comments, one of them empty,
// Carl Brown with a note, and a subject assessing Anna.
class AppendTest : public DomainTest {
protected:
    AppendTest() : previousMain_(CFactory::MainFactory()) {
        CFactory::SetMainFactory(&factory);
        CRovanFactory other;
        CYear* otherYear = other.NewDataStore(false);
        CPupil* otherAnna = NamedPupil(*otherYear, "Anna", "Smith");
        for (const char* text : {"Reads well", "Helps others", "Late twice"}) {
            CNote* note = otherAnna->NewNote();
            note->SetAttributeValue("DESCRIPTION", text);
            note->SetAttributeValue("DATE", std::string("2007010") + std::to_string(otherAnna->AssociationCount("NOTES")));
        }
        otherAnna->NewComment()->SetAttributeValue("DESCRIPTION", "A good term");
        otherAnna->NewComment()->SetAttributeValue("TITLE", "Empty");
        NamedPupil(*otherYear, "Carl", "Brown")->NewNote();
        CSubject* music = otherYear->NewSubject();
        music->SetAttributeValue("DESCRIPTION", "Music");
        music->NewAssessment(otherAnna)->SetAttributeValue("SUBJECT_REPORT", "Sings in tune");
        other.Save(Path("other.ods"));

        anna = NamedPupil(*year, "Anna", "Smith");
        ben = NamedPupil(*year, "Ben", "Jones");
        factory.Save(Path("this.ods"));
    }
    ~AppendTest() override { CFactory::SetMainFactory(previousMain_); }

    std::string Path(const char* name) const { return (dir / name).string(); }

    TempDir dir;
    CRovanFactory scratch;
    CPupil* anna = nullptr;
    CPupil* ben = nullptr;

private:
    CFactory* previousMain_;
};

TEST_F(AppendTest, MatchedPupilsBorrowNotesCommentsAndReportsAsTransientCopies) {
    factory.Append(Path("other.ods"), scratch);

    ASSERT_EQ(anna->AssociationCount("NOTES"), 3);
    std::vector<std::string> descriptions;
    for (const CStored* note : anna->AssociationItems("NOTES")) {
        EXPECT_EQ(note->Status(), StoredStatus::Transient);
        descriptions.push_back(note->GetAttributeValue("DESCRIPTION"));
    }
    EXPECT_EQ(descriptions, (std::vector<std::string>{"Reads well", "Helps others", "Late twice"}));
    EXPECT_EQ(anna->AssociationItem("NOTES", 0)->GetAttributeValue("DATE"), "20070101");
    ASSERT_EQ(anna->AssociationCount("COMMENTS"), 1);
    EXPECT_EQ(anna->AssociationItem("COMMENTS", 0)->GetAttributeValue("DESCRIPTION"), "A good term");
    EXPECT_EQ(ben->AssociationCount("NOTES"), 0);

    // The other store's subject comes along to show Anna's report there.
    const CStored* music = year->FindInAssociation("SUBJECTS", "Music");
    ASSERT_NE(music, nullptr);
    EXPECT_EQ(music->Status(), StoredStatus::Transient);
    const CStored* report = music->AssociationItem("ASSESSMENTS", 0);
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(report->GetRelation("PUPIL"), anna);
    EXPECT_EQ(report->GetAttributeValue("SUBJECT_REPORT"), "Sings in tune");
    EXPECT_EQ(year->FindInAssociation("PUPILS", "Carl Brown"), nullptr);
    EXPECT_EQ(scratch.Objects().Count(), 0);
    EXPECT_EQ(factory.AppendedFiles(), std::vector<std::string>{Path("other.ods")});

    // Borrowed objects are shown, never saved.
    factory.Save(Path("this.ods"));
    factory.Open(Path("this.ods"));
    const CStored* reloaded = factory.Year()->FindInAssociation("PUPILS", "Anna Smith");
    EXPECT_EQ(reloaded->AssociationCount("NOTES"), 0);
    EXPECT_EQ(factory.Year()->FindInAssociation("SUBJECTS", "Music"), nullptr);
}

TEST_F(AppendTest, EachFileIsTakenOnceUntilTheNextLoad) {
    factory.Append(Path("other.ods"), scratch);
    factory.Append(Path("other.ods"), scratch);
    EXPECT_EQ(anna->AssociationCount("NOTES"), 3);
    factory.Append(Path("this.ods"), scratch);
    EXPECT_EQ(factory.AppendedFiles().size(), 1u);

    factory.Open(Path("this.ods"));
    EXPECT_TRUE(factory.AppendedFiles().empty());
    factory.Append(Path("other.ods"), scratch);
    EXPECT_EQ(factory.Year()->FindInAssociation("PUPILS", "Anna Smith")->AssociationCount("NOTES"), 3);
}

// It used to be listed before it was read, so a damaged file, once mended, was refused.
TEST_F(AppendTest, AFileThatCouldNotBeReadCanBeAppendedOnceMended) {
    const std::string good = ReadFileBytes(dir / "other.ods");
    std::string damaged = good;
    damaged.insert(damaged.find("<OBJECT "), "<OBJECT ID=\"9x\" CLASS=\"CNote\">\r\n</OBJECT>\r\n\r\n");
    WriteFileBytes(dir / "other.ods", damaged);
    EXPECT_THROW(factory.Append(Path("other.ods"), scratch), EVantaro);
    EXPECT_TRUE(factory.AppendedFiles().empty());

    WriteFileBytes(dir / "other.ods", good);
    factory.Append(Path("other.ods"), scratch);
    EXPECT_EQ(anna->AssociationCount("NOTES"), 3);
}

TEST_F(AppendTest, AStoreWithoutMatchingPupilsMergesNothing) {
    anna->SetAttributeValue("FIRST_NAME", "Annabel");
    const int objects = factory.Objects().Count();
    factory.Append(Path("other.ods"), scratch);
    EXPECT_EQ(factory.Objects().Count(), objects);
    EXPECT_EQ(year->AssociationCount("SUBJECTS"), 0);
}

}  // namespace
}  // namespace vantaro::test
