// The report window: opening, the information panel kept in step with the report text clicked,
// its menus and the comments it adds.

#include <QDropEvent>
#include <QImage>
#include <QMimeData>

#include <memory>
#include <QTabBar>

#include "domain/Aptitudes.h"
#include "domain/Assessments.h"
#include "domain/Lookups.h"
#include "domain/PupilRecords.h"
#include "grid/CellEditor.h"
#include "ui/plan/PlanWindowTestSupport.h"
#include "windows/report/TFormReportData.h"
#include "windows/report/TFrameInformation.h"
#include "windows/report/TFrameReportGrid.h"

namespace vantaro::test {
namespace {

class ReportWindowTest : public ControllerTest {
protected:
    ReportWindowTest() {
        factory.SetDeletedCountsAsHidden(true);
        factory.Settings().SingleClick = true;
        factory.Settings().AnnualReportFullTitle = false;
        main.widget.setGeometry(40, 40, 1000, 640);
        main.widget.show();
        plans.outcome->SetLink("ACHIEVEMENTS", plans.Anna(), plans.capabilities[2]);
        Anna()->NewNote()->SetAttributeValue("DESCRIPTION", "Helps others.");
    }
    ~ReportWindowTest() override {
        if (window) window->CloseWithoutAsking();
    }
    CPupil* Anna() { return static_cast<CPupil*>(plans.Anna()->GetRelation("PUPIL")); }

    FakeMain main;
    PlanFixture plans{*year};
    QPointer<TFormReportData> window;
};

TEST_F(ReportWindowTest, ClickingASubjectReportShowsThatAssessmentsOutcomesReadyToDrag) {
    window = TFormReportData::Open(main, {plans.week, Anna()});
    ASSERT_NE(window, nullptr);
    window->show();
    QApplication::processEvents();  // the splitter lays the panel and the page out
    EXPECT_EQ(window->windowTitle().toStdString(), Anna()->DisplayText() + " Report");
    TFrameInformation& panel = window->Information();
    EXPECT_EQ(panel.Tabs().tabText(0), QStringLiteral("Pupil Outcomes"));
    EXPECT_EQ(panel.Tabs().tabText(2), QStringLiteral("Pupil Notes"));
    EXPECT_EQ(CellDisplayText(panel.CurrentFrame().Cell(0, 0)), "No Assessment Selected");

    TFrameGridAncestor& reports = window->ReportGrid();
    PressCell(reports, CellOf(reports, plans.Anna(), Anna()) + QPoint(0, 1));
    TFrameGridAncestor& outcomes = panel.CurrentFrame();
    const QPoint sentence = CellOf(outcomes, plans.outcome, plans.capabilities[2]);
    ASSERT_GE(sentence.y(), 0);
    EXPECT_EQ(CellValue(outcomes.Cell(0, sentence.y()), cell::kDragSource), "TRUE");

    panel.Tabs().setCurrentIndex(2);
    TFrameGridAncestor& notes = panel.CurrentFrame();
    EXPECT_EQ(CellTarget(notes.Cell(0, 0)), Anna());
    EXPECT_EQ(CellValue(notes.Cell(0, 0), cell::kAction), "") << "no adding notes from a report";
    EXPECT_EQ(CellValue(notes.Cell(0, 2), cell::kDragSource), "TRUE");
    QApplication::processEvents();
    EXPECT_TRUE(window->grab().toImage().save(QStringLiteral(VANTARO_BINARY_DIR "/report-window.png")));
}

TEST_F(ReportWindowTest, APupilsMenuAddsCommentsAndNoPupilsMakesNoWindow) {
    window = TFormReportData::Open(main, {Anna()});
    window->show();
    QApplication::processEvents();  // the splitter lays the panel and the page out
    TFrameGridAncestor& reports = window->ReportGrid();
    PressCell(reports, {0, 0}, Qt::RightButton);
    EXPECT_TRUE(window->FindAction("ACTIONADDFORMTEACHERCOMMENT")->isVisible());
    EXPECT_FALSE(window->PopupItemDelete()->isVisible());
    window->PopupMenu().hide();
    window->RunAction(window->FindAction("ACTIONADDFORMTEACHERCOMMENT"));
    ASSERT_EQ(Anna()->AssociationCount("COMMENTS"), 1);
    EXPECT_GE(RowOf(reports, "Form Teacher's Comments"), 0);
    EXPECT_TRUE(reports.PagePerTitle()) << "each pupil's report prints on its own pages";
    window->RunAction(window->FindAction("ACTIONPREVIEWVIEW"));
    EXPECT_FALSE(window->Information().isVisible()) << "the preview takes the panel's room";
    window->RunAction(window->FindAction("ACTIONPRINTFORMVIEW"));
    EXPECT_TRUE(window->Information().isVisible());

    EXPECT_EQ(TFormReportData::Open(main, {plans.week}), nullptr);
    EXPECT_EQ(platform.prompts.prompts.back().caption, "Missing Pupils");
}

TEST_F(ReportWindowTest, AnOutcomeDraggedIntoTheOpenReportBecomesASentenceAboutThatPupil) {
    CGender* girl = year->NewGender();
    girl->SetAttributeValue("NAME_REPLACEMENT", "she");
    girl->SetAttributeValue("GENITIVE_REPLACEMENT", "her");
    Anna()->SetRelation("GENDER", girl);
    CNote* empty = Anna()->NewNote();
    window = TFormReportData::Open(main, {Anna()});
    window->show();
    QApplication::processEvents();
    TFrameGridAncestor& reports = window->ReportGrid();
    PressCell(reports, CellOf(reports, plans.Anna(), Anna()) + QPoint(0, 1));
    ASSERT_TRUE(reports.IsEditing());
    QTest::keyClicks(&reports.Editor(), QStringLiteral("anna works hard"));

    // Pressing the outcome makes it the window's current target; the pupil still comes from the
    // report being edited.
    TFrameGridAncestor& outcomes = window->Information().CurrentFrame();
    PressCell(outcomes, CellOf(outcomes, plans.outcome, plans.capabilities[2]));
    DragInto(outcomes, *reports.Editor().viewport());
    EXPECT_TRUE(reports.IsEditing()) << "the editor stays open for more";
    EXPECT_EQ(plans.Anna()->GetAttributeValue("SUBJECT_REPORT"), "Anna works hard, and she fully Adds fractions.");

    // An empty note adds nothing.
    window->Information().Tabs().setCurrentIndex(2);
    TFrameGridAncestor& notes = window->Information().CurrentFrame();
    int emptyRow = -1;
    for (int row = 0; row < notes.Grid().RowCount(); ++row)
        if (CellTarget(notes.Cell(0, row)) == empty && CellHas(notes.Cell(0, row), cell::kDragSource)) emptyRow = row;
    ASSERT_GE(emptyRow, 0);
    PressCell(notes, {0, emptyRow});
    DragInto(notes, *reports.Editor().viewport());
    EXPECT_EQ(plans.Anna()->GetAttributeValue("SUBJECT_REPORT"), "Anna works hard, and she fully Adds fractions.");

    // Without a gender the pupil cannot be written about.
    Anna()->SetRelation("GENDER", nullptr);
    window->Information().Tabs().setCurrentIndex(0);
    TFrameGridAncestor& again = window->Information().CurrentFrame();
    PressCell(again, CellOf(again, plans.outcome, plans.capabilities[2]));
    DragInto(again, *reports.Editor().viewport());
    EXPECT_EQ(platform.prompts.prompts.back().caption, "Pupil Error");
    EXPECT_EQ(plans.Anna()->GetAttributeValue("SUBJECT_REPORT"), "Anna works hard, and she fully Adds fractions.");
}

}  // namespace
}  // namespace vantaro::test
