#include "domain/Assessments.h"
#include "domain/Lookups.h"
#include "domain/PupilRecords.h"
#include "ui/organisers/OrganiserTestSupport.h"
#include "windows/organisers/TFrameAssessmentOverviewGrid.h"

namespace vantaro::test {
namespace {

// Pupils and subjects with and without a form: 3B takes three subjects and two pupils, Year 7
// one subject and one pupil.
class AssessmentOrganiserTest : public OrganiserTest {
protected:
    using Window = OrganiserWindow<TFrameAssessmentOverviewGrid>;

    AssessmentOrganiserTest() : OrganiserTest(false) {}

    CForm* threeB = Form("3B");
    CForm* yearSeven = Form("Year 7");
    CSubject* loose = Subject("Music");
    CSubject* art = Subject("Art", threeB);
    CSubject* maths = Subject("Maths", threeB);
    CSubject* drama = Subject("Drama", threeB);
    CSubject* latin = Subject("Latin", yearSeven);
    CPupil* newcomer = Pupil("Nia", "Hart");
    CPupil* zoe = Pupil("Zoe", "Young", threeB);
    CPupil* adam = Pupil("Adam", "Bell", threeB);
    CPupil* tom = Pupil("Tom", "Cole", yearSeven);
};

TEST_F(AssessmentOrganiserTest, PupilsRunDownTheSubjectsBothGroupedByForm) {
    Window window(year);
    window.show();
    TFrameAssessmentOverviewGrid& page = *window.page;

    ASSERT_EQ(page.Grid().ColumnCount(), 7);
    EXPECT_EQ(RowLooks(page, 1),
              (std::vector<std::string>{"", "", "", "INFO ROUNDLEFT 3B", "INFO ROUNDLEFTRIGHT",
                                        "INFO ROUNDRIGHT", "INFO ROUND Year 7"}));
    EXPECT_EQ(RowLooks(page, 2),
              (std::vector<std::string>{"", "INFO ROUND Notes", "HEADING ROUND Music",
                                        "HEADING ROUND Art", "HEADING ROUND Drama",
                                        "HEADING ROUND Maths", "HEADING ROUND Latin"}));
    EXPECT_EQ(CellTarget(page.Cell(6, 2)), latin);
    EXPECT_EQ(ColumnLooks(page, 0),
              (std::vector<std::string>{"TITLE ROUNDLEFT Assessment Organiser", "", "",
                                        "HEADING ROUND Nia Hart", "INFO ROUND 3b",
                                        "HEADING ROUND Adam Bell", "HEADING ROUND Zoe Young",
                                        "INFO ROUND Year 7", "HEADING ROUND Tom Cole"}))
        << "a form's name keeps its case over columns, IdentifierCaption's over rows";
    EXPECT_EQ(ReadCellFacts(page.Cell(0, 5)).level, 1);
    EXPECT_EQ(CellTarget(page.Cell(0, 5)), adam);
    EXPECT_EQ(Look(page.Cell(6, 0)), "TITLE ROUNDRIGHT");
    EXPECT_EQ(page.Grid().FixedRows(), 3);
    EXPECT_EQ(page.Grid().FixedColumns(), 1);
}

TEST_F(AssessmentOrganiserTest, AFormWithOneSubjectIsLabelledInOneCell) {
    year->ClearAssociation("SUBJECTS");
    Subject("Latin", yearSeven);
    Window window(year);
    window.show();
    EXPECT_EQ(RowLooks(*window.page, 1), (std::vector<std::string>{"", "", "INFO ROUND Year 7"}));
}

TEST_F(AssessmentOrganiserTest, NotesCountOnlyLiveNotes) {
    zoe->NewNote();
    factory.MoveToTrash(zoe->NewNote());
    Window window(year);
    window.show();
    const std::string none = window.page->Cell(1, RowTargeting(*window.page, adam));
    const std::string one = window.page->Cell(1, RowTargeting(*window.page, zoe));
    EXPECT_EQ(Look(none), "LABEL None");
    EXPECT_EQ(Look(one), "LABEL 1");
    EXPECT_EQ(CellValue(one, cell::kAction), "ACTIONSHOWPUPILNOTES");
    EXPECT_EQ(CellTarget(one), zoe);
}

TEST_F(AssessmentOrganiserTest, ACellOpensThePupilsAssessmentOrOffersToCreateIt) {
    CAssessment* hidden = AssessmentFor(*art, zoe, true);
    factory.MoveToTrash(hidden);
    CAssessment* assessment = AssessmentFor(*art, zoe, true);
    Window window(year);
    window.show();
    TFrameAssessmentOverviewGrid& page = *window.page;
    const std::string made = page.Cell(3, RowTargeting(page, zoe));
    EXPECT_EQ(Look(made), "IMAGE 0");
    EXPECT_EQ(CellValue(made, cell::kAction), "ACTIONOPENASSESSMENT");
    EXPECT_EQ(CellTarget(made), assessment) << "not the one in the trash before it";
    EXPECT_EQ(CellValue(made, cell::kSelection), "TRUE");

    const std::string offered = page.Cell(3, RowTargeting(page, adam));
    EXPECT_EQ(Look(offered), "IMAGE -1");
    EXPECT_EQ(CellValue(offered, cell::kAction), "ACTIONCREATEASSESSMENT");
    EXPECT_EQ(CellTarget(offered), art);
    EXPECT_EQ(CellSource(offered), adam);
    EXPECT_EQ(CellValue(offered, cell::kSelection), "TRUE");
}

TEST_F(AssessmentOrganiserTest, AYearWithoutSubjectsKeepsTheTitleOverPupilsAndNotes) {
    year->ClearAssociation("SUBJECTS");
    Window window(year);
    window.show();
    EXPECT_EQ(
        RowLooks(*window.page, 0),
        (std::vector<std::string>{"TITLE ROUNDLEFT Assessment Organiser", "TITLE ROUNDRIGHT"}));
    EXPECT_EQ(RowLooks(*window.page, 2), (std::vector<std::string>{"", "INFO ROUND Notes"}));
}

// Subjects a page must not show: transient ones (borrowed from another store) and those in the
// trash; two forms of the same name are one group, whose subjects show once.
TEST_F(AssessmentOrganiserTest, OnlyLiveSubjectsOfThisStoreShowAndEachOnce) {
    latin->SetStatus(StoredStatus::Transient);
    factory.MoveToTrash(drama);
    Subject("Choir", Form("3B"));
    Window window(year);
    window.show();
    const std::vector<std::string> headings = RowLooks(*window.page, 2);
    EXPECT_EQ(std::vector<std::string>(headings.begin() + 2, headings.end()),
              (std::vector<std::string>{"HEADING ROUND Music", "HEADING ROUND Art",
                                        "HEADING ROUND Choir", "HEADING ROUND Maths"}));
    EXPECT_EQ(Look(window.page->Cell(5, 1)), "INFO ROUNDRIGHT")
        << "the band ends over its last shown subject";
}

}  // namespace
}  // namespace vantaro::test
