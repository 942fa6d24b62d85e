#include "domain/Lookups.h"
#include "domain/Plans.h"
#include "ui/organisers/OrganiserTestSupport.h"
#include "windows/organisers/TFramePlanningOverviewGrid.h"

namespace vantaro::test {
namespace {

class PlanningOrganiserTest : public OrganiserTest {
protected:
    using Window = OrganiserWindow<TFramePlanningOverviewGrid>;

    CStored* SeededSubject(const char* description) {
        return year->FindInAssociation("SUBJECTS", description);
    }
};

TEST_F(PlanningOrganiserTest, PeriodsRunDownTheSubjectsGroupedByForm) {
    CForm* threeB = Form("3B");
    CForm* yearSeven = static_cast<CForm*>(year->FindInAssociation("FORMS", "Year 7"));
    ASSERT_NE(yearSeven, nullptr);
    CSubject* drama = Subject("Drama", threeB);
    CSubject* dance = Subject("Dance", threeB);
    CSubject* latin = Subject("Latin", yearSeven);
    CTerm* spring = BuiltTerm("Spring", "20070312", "20070316");
    Window window(year);
    window.show();
    TFramePlanningOverviewGrid& page = *window.page;

    const int seeded = 11;  // the seeded subjects have no form: they come first, unlabelled
    ASSERT_EQ(page.Grid().ColumnCount(), 1 + seeded + 3);
    EXPECT_EQ(ColumnTargeting(page, SeededSubject("English")), 1) << "core subjects sort first";
    EXPECT_EQ(ColumnTargeting(page, latin), 12) << "the seeded Year 7 comes before the new 3B";
    EXPECT_EQ(ColumnTargeting(page, dance), 13);
    EXPECT_EQ(ColumnTargeting(page, drama), 14);
    for (int column = 1; column <= seeded; ++column)
        EXPECT_EQ(Look(page.Cell(column, 1)), "") << column;
    const std::vector<std::string> row1 = RowLooks(page, 1);
    EXPECT_EQ(
        std::vector<std::string>(row1.begin() + 12, row1.end()),
        (std::vector<std::string>{"INFO ROUND Year 7", "INFO ROUNDLEFT 3B", "INFO ROUNDRIGHT"}));
    EXPECT_EQ(Look(page.Cell(13, 2)), "HEADING ROUND Dance");

    const std::vector<std::string> title = RowLooks(page, 0);
    EXPECT_EQ(title.front(), "TITLE ROUNDLEFT Planning Organiser");
    EXPECT_EQ(title[7], "TITLE ROUNDLEFTRIGHT");
    EXPECT_EQ(title.back(), "TITLE ROUNDRIGHT");
    EXPECT_EQ(CellTarget(page.Cell(14, 0)), year);

    const std::vector<CStored*> weeks = spring->AssociationItems("WEEKS");
    ASSERT_EQ(weeks.size(), 1u);
    const std::vector<CStored*> days = weeks[0]->AssociationItems("DAYS");
    ASSERT_EQ(days.size(), 5u);
    const std::vector<std::string> column0 = ColumnLooks(page, 0);
    EXPECT_EQ(std::vector<std::string>(column0.begin() + 3, column0.end()),
              (std::vector<std::string>{
                  "HEADING ROUND Spring", "HEADING ROUNDLEFT " + weeks[0]->DisplayText(),
                  "HEADING ROUND Monday 12 Mar", "HEADING ROUND Tuesday 13 Mar",
                  "HEADING ROUND Wednesday 14 Mar", "HEADING ROUND Thursday 15 Mar",
                  "HEADING ROUND Friday 16 Mar"}));
    EXPECT_EQ(ReadCellFacts(page.Cell(0, 3)).level, 1);
    EXPECT_EQ(ReadCellFacts(page.Cell(0, 4)).level, 2) << "the week band is indented as a whole";
    EXPECT_EQ(ReadCellFacts(page.Cell(0, 5)).level, 3);
    EXPECT_EQ(Look(page.Cell(7, 4)), "HEADING ROUNDLEFTRIGHT");
    EXPECT_EQ(Look(page.Cell(14, 4)), "HEADING ROUNDRIGHT");
    EXPECT_EQ(CellTarget(page.Cell(14, 4)), weeks[0]);

    const std::string lesson = page.Cell(13, 6);
    EXPECT_EQ(Look(lesson), "DATA");
    EXPECT_EQ(CellValue(lesson, cell::kReadOnly), "TRUE");
    EXPECT_EQ(CellValue(lesson, cell::kAction), "ACTIONCREATELESSONPLAN");
    EXPECT_EQ(CellTarget(lesson), dance);
    EXPECT_EQ(CellSource(lesson), days[1]);
    EXPECT_EQ(page.Grid().FixedRows(), 3);
    EXPECT_EQ(page.Grid().FixedColumns(), 1);
}

TEST_F(PlanningOrganiserTest, AYearWithoutSubjectsIsOneColumnOfPeriods) {
    year = factory.NewDataStore(false);
    SetTeachingDay(*year, 1, true);
    Window window(year);
    window.show();
    TFramePlanningOverviewGrid& page = *window.page;
    EXPECT_EQ(RowLooks(page, 0), std::vector<std::string>{"TITLE ROUND Planning"});
    EXPECT_EQ(page.Grid().FixedRows(), 0) << "no period rows to scroll";

    const CStored* week = BuiltTerm("Spring", "20070312", "20070312")->AssociationItem("WEEKS", 0);
    page.Refresh(0);
    ASSERT_EQ(page.Grid().ColumnCount(), 1);
    EXPECT_EQ(ColumnLooks(page, 0),
              (std::vector<std::string>{"TITLE ROUND Planning", "", "", "HEADING ROUND Spring",
                                        "HEADING ROUND " + week->DisplayText(),
                                        "HEADING ROUND Monday 12 Mar"}));
    EXPECT_EQ(page.Grid().FixedRows(), 3);
    EXPECT_EQ(page.Grid().FixedColumns(), 0) << "a single column is not fixed";
}

// The cell of a subject and day offers to create the lesson plan; once made, the cell opens it.
TEST_F(PlanningOrganiserTest, ClickingAnEmptyLessonCreatesThePlanThatTheCellThenOpens) {
    factory.Settings().SingleClick = true;
    auto* english = static_cast<CSubject*>(SeededSubject("English"));
    CTerm* term = BuiltTerm("Spring", "20070312", "20070316");
    auto* tuesday =
        static_cast<CDay*>(term->AssociationItem("WEEKS", 0)->AssociationItem("DAYS", 1));
    Window window(year);
    window.show();
    TFramePlanningOverviewGrid& page = *window.page;
    const int column = ColumnTargeting(page, english);
    const int row = RowTargeting(page, tuesday);
    ASSERT_GT(column, 0);
    ASSERT_GT(row, 0);

    QTest::mouseClick(page.Grid().viewport(), Qt::LeftButton, {},
                      page.Grid().CellRect(column, row).center());

    ASSERT_FALSE(platform.prompts.prompts.empty());
    EXPECT_EQ(platform.prompts.prompts.back().caption, "Create New Plan");
    const CLessonPlan* plan = LessonPlanFor(*english, tuesday, false);
    ASSERT_NE(plan, nullptr);
    const std::string cell = page.Cell(column, row);
    EXPECT_EQ(Look(cell), "IMAGE 1");
    EXPECT_EQ(CellValue(cell, cell::kSelection), "TRUE");
    EXPECT_EQ(CellValue(cell, cell::kAction), "ACTIONOPENLESSONPLAN");
    EXPECT_EQ(CellTarget(cell), plan);
    EXPECT_EQ(Look(page.Cell(column, row + 1)), "DATA") << "the next day still has no plan";
}

TEST_F(PlanningOrganiserTest, APlanInTheTrashLeavesItsCellEmpty) {
    auto* maths = static_cast<CSubject*>(SeededSubject("Maths"));
    CTerm* term = BuiltTerm("Spring", "20070312", "20070312");
    auto* monday =
        static_cast<CDay*>(term->AssociationItem("WEEKS", 0)->AssociationItem("DAYS", 0));
    CLessonPlan* plan = LessonPlanFor(*maths, monday, true);
    Window window(year);
    window.show();
    const int column = ColumnTargeting(*window.page, maths);
    const int row = RowTargeting(*window.page, monday);
    EXPECT_EQ(CellTarget(window.page->Cell(column, row)), plan);

    factory.MoveToTrash(plan);
    window.page->Refresh(1);
    EXPECT_EQ(Look(window.page->Cell(column, row)), "DATA");
    EXPECT_EQ(CellTarget(window.page->Cell(column, row)), maths);
}

}  // namespace
}  // namespace vantaro::test
