#include "domain/Aptitudes.h"
#include "domain/Curricula.h"
#include "domain/PupilRecords.h"
#include "ui/organisers/OrganiserTestSupport.h"
#include "windows/organisers/TFrameAptitudeListingGrid.h"
#include "windows/organisers/TFrameCurriculumOverviewGrid.h"
#include "windows/organisers/TFramePupilListingGrid.h"
#include "windows/organisers/TFrameReportOverviewGrid.h"

namespace vantaro::test {
namespace {

class ReportAndListingsTest : public OrganiserTest {
protected:
    void Absence(CPupil& pupil, const char* duration, bool authorised) {
        CAbsence* absence = pupil.NewAbsence();
        absence->SetAttributeValue("AUTHORIZED", authorised ? "TRUE" : "FALSE");
        absence->SetRelation("DURATION", year->FindInAssociation("DURATIONS", duration));
    }
    CForm* yearSeven = static_cast<CForm*>(year->FindInAssociation("FORMS", "Year 7"));
};

TEST_F(ReportAndListingsTest, TheReportOrganiserTotalsAbsencesAndOpensReports) {
    CPupil* ann = Pupil("Ann", "Lee", yearSeven);
    Absence(*ann, "Two Days", true);
    Absence(*ann, "Half Day", true);
    CPupil* bob = Pupil("Bob", "Hill");
    Absence(*bob, "One Day", false);
    OrganiserWindow<TFrameReportOverviewGrid> window(year);
    window.show();
    TFrameReportOverviewGrid& page = *window.page;

    EXPECT_EQ(RowLooks(page, 0),
              (std::vector<std::string>{"TITLE ROUNDLEFT Report Organiser", "TITLE ROUNDLEFTRIGHT",
                                        "TITLE ROUNDRIGHT"}));
    EXPECT_EQ(RowLooks(page, 1),
              (std::vector<std::string>{"", "INFO ROUND Absences (authorised/unauthorised)",
                                        "INFO ROUND Annual Report"}));
    EXPECT_EQ(RowLooks(page, 2),
              (std::vector<std::string>{"HEADING ROUND Bob Hill", "LABEL None/1", "IMAGE 0"}));
    EXPECT_EQ(RowLooks(page, 3), (std::vector<std::string>{"INFO ROUND Year 7", "", ""}));
    const std::vector<std::string> annsRow = RowLooks(page, 4);
    EXPECT_EQ(annsRow,
              (std::vector<std::string>{"HEADING ROUND Ann Lee", "LABEL 2.5/None", "IMAGE 0"}));
    EXPECT_EQ(CellValue(page.Cell(1, 4), cell::kAction), "ACTIONSHOWABSENCES");
    EXPECT_EQ(CellTarget(page.Cell(1, 4)), ann);
    EXPECT_EQ(CellValue(page.Cell(2, 4), cell::kAction), "ACTIONOPENREPORT");
    EXPECT_EQ(CellTarget(page.Cell(2, 4)), ann);
    EXPECT_EQ(page.Grid().FixedRows(), 2);
    EXPECT_EQ(page.Grid().FixedColumns(), 0);
}

TEST_F(ReportAndListingsTest, ThePupilListingEditsNamesAndChoosesTheRest) {
    CPupil* ann = Pupil("Ann", "Lee", yearSeven);
    ann->SetRelation("GENDER", year->FindInAssociation("GENDERS", "Female"));
    CPupil* bob = Pupil("Bob", "Hill");
    CPupil* hiddenGender = Pupil("Cy", "Ray");
    hiddenGender->SetRelation("GENDER", year->FindInAssociation("GENDERS", "Male"));
    Hide({hiddenGender->GetRelation("GENDER")});
    OrganiserWindow<TFramePupilListingGrid> window(year);
    window.show();
    TFramePupilListingGrid& page = *window.page;

    EXPECT_EQ(RowLooks(page, 0),
              (std::vector<std::string>{"TITLE ROUNDLEFT Pupil Listing", "", "TITLE ROUNDLEFTRIGHT",
                                        "TITLE ROUNDLEFTRIGHT", "TITLE ROUNDLEFTRIGHT",
                                        "TITLE ROUNDLEFTRIGHT", "TITLE ROUNDLEFTRIGHT",
                                        "TITLE ROUNDRIGHT"}));
    EXPECT_EQ(RowLooks(page, 1),
              (std::vector<std::string>{"", "", "INFO ROUND First Name", "INFO ROUND Initals",
                                        "INFO ROUND Last Name", "INFO ROUND Gender",
                                        "INFO ROUND Date Of Birth", "INFO ROUND Form"}));
    ASSERT_EQ(page.Grid().RowCount(), 4) << "the pupil of a hidden gender is left out";
    EXPECT_EQ(RowTargeting(page, ann), 2);
    EXPECT_EQ(RowTargeting(page, bob), 3) << "pupils are listed in the year's order";
    EXPECT_EQ(Look(page.Cell(7, 3)), "LABEL") << "Bob has no form";
    const std::vector<std::string> row = RowLooks(page, 2);
    EXPECT_EQ(row[0], "HEADING ROUND Ann Lee");
    EXPECT_EQ(row[5], "LABEL Female");
    EXPECT_EQ(row[7], "LABEL Year 7");
    for (const auto& [column, attribute] : std::vector<std::pair<int, std::string>>{
             {2, "FIRST_NAME"}, {3, "MIDDLE_INITIALS"}, {4, "LAST_NAME"}, {6, "DATE_OF_BIRTH"}}) {
        EXPECT_EQ(CellObject(page.Cell(column, 2)), ann) << attribute;
        EXPECT_EQ(CellAttributeName(page.Cell(column, 2)), attribute);
    }
    EXPECT_EQ(CellValue(page.Cell(2, 2), cell::kStyle), "DATA_LINE");
    const std::string birth = page.Cell(6, 2);
    EXPECT_EQ(CellValue(birth, cell::kStyle), "DATA");
    EXPECT_EQ(CellValue(birth, cell::kReadOnly), "TRUE");
    EXPECT_EQ(CellValue(birth, cell::kParameter), "DATE_OF_BIRTH");
    for (const auto& [column, action] : std::vector<std::pair<int, std::string>>{
             {5, "ACTIONCHOOSEGENDER"}, {6, "ACTIONCHOOSEDATE"}, {7, "ACTIONCHOOSEFORM"}}) {
        EXPECT_EQ(CellValue(page.Cell(column, 2), cell::kAction), action);
        EXPECT_EQ(CellTarget(page.Cell(column, 2)), ann) << action;
    }
    EXPECT_EQ(page.ColumnWidth(1), 0);
    EXPECT_EQ(page.Grid().ColumnWidth(1), 0);
}

TEST_F(ReportAndListingsTest, TheAptitudeListingShowsEachScaleWithItsScores) {
    auto* outOfTen =
        static_cast<CAptitude*>(year->FindInAssociation("APTITUDES", "Scored Out Of 10"));
    ASSERT_NE(outOfTen, nullptr);
    const std::vector<CStored*> capabilities = outOfTen->AssociationItems("CAPABILITIES");
    ASSERT_GT(capabilities.size(), 2u);
    Hide({capabilities[1]});
    OrganiserWindow<TFrameAptitudeListingGrid> window(year);
    window.show();
    TFrameAptitudeListingGrid& page = *window.page;

    EXPECT_EQ(RowLooks(page, 0),
              (std::vector<std::string>{"TITLE ROUNDLEFT Aptitude Listing", "TITLE ROUNDRIGHT"}));
    EXPECT_EQ(RowLooks(page, 1), (std::vector<std::string>{"", "HEADING ROUND Score"}));
    const int row = RowTargeting(page, outOfTen);
    ASSERT_GT(row, 1);
    EXPECT_EQ(Look(page.Cell(0, row)), "HEADING ROUND Scored Out Of 10");
    const std::string first = page.Cell(0, row + 1);
    EXPECT_EQ(CellTarget(first), capabilities[0]);
    EXPECT_EQ(ReadCellFacts(first).level, 1);
    EXPECT_EQ(CellObject(page.Cell(1, row + 1)), capabilities[0]);
    EXPECT_EQ(CellAttributeName(page.Cell(1, row + 1)), "SCORE");
    EXPECT_EQ(CellValue(page.Cell(1, row + 1), cell::kStyle), "DATA_LINE");
    EXPECT_EQ(CellTarget(page.Cell(0, row + 2)), capabilities[2])
        << "the hidden capability is left out";
}

TEST_F(ReportAndListingsTest, TheCurriculumOrganiserListsTheShownCurricula) {
    const std::vector<CStored*> curricula = year->AssociationItems("CURRICULUMS");
    ASSERT_GT(curricula.size(), 2u);
    Hide({curricula[0]});
    OrganiserWindow<TFrameCurriculumOverviewGrid> window(year);
    window.show();
    TFrameCurriculumOverviewGrid& page = *window.page;

    EXPECT_EQ(RowLooks(page, 0), (std::vector<std::string>{"TITLE ROUNDLEFT Curriculum Organiser",
                                                           "TITLE ROUNDRIGHT"}));
    ASSERT_EQ(page.Grid().RowCount(), static_cast<int>(curricula.size()));
    EXPECT_EQ(RowLooks(page, 1), (std::vector<std::string>{
                                     "HEADING ROUND " + curricula[1]->DisplayText(), "IMAGE 0"}));
    EXPECT_EQ(CellTarget(page.Cell(0, 1)), curricula[1]);
    EXPECT_EQ(CellValue(page.Cell(1, 1), cell::kAction), "ACTIONOPENCURRICULUM");
    EXPECT_EQ(CellTarget(page.Cell(1, 1)), curricula[1]);
    EXPECT_EQ(page.Grid().FixedRows(), 1);
}

}  // namespace
}  // namespace vantaro::test
