// Presses, double-clicks, the cell menu, selection, checks, keyboard, drag and drop, clipboard.

#include <QClipboard>
#include <QDropEvent>
#include <QMimeData>

#include "domain/Timetable.h"
#include "grid/markup/CellMarkup.h"
#include "ui/grid/GridTestSupport.h"

namespace vantaro::test {
namespace {

class GridInteractionTest : public GridTest {
protected:
    std::string link = LinkTextCell("Open", {.action = "ActionOpen", .target = year});
};

TEST_F(GridInteractionTest, DoubleClicksRunTheActionOnceWithSingleClickOff) {
    factory.Settings().SingleClick = false;
    ShowRows({{link}});
    Press(0, 0);
    EXPECT_TRUE(controller.runs.empty()) << "a single press runs nothing";
    QTest::mouseDClick(Viewport(), Qt::LeftButton, {}, Centre(0, 0));
    ASSERT_EQ(controller.runs.size(), 1u);
    EXPECT_EQ(controller.runs[0], link);
}

TEST_F(GridInteractionTest, APressRunsTheActionOnceWithSingleClickOn) {
    factory.Settings().SingleClick = true;
    CTeachingDay* day = year->NewTeachingDay();
    ShowRows({{link}});
    controller.onRun = [day](const std::string&) {
        day->SetAttributeValue("INCLUDE_IN_LESSON_PLANING",
                               day->GetAttributeValue("INCLUDE_IN_LESSON_PLANING") == "TRUE" ? "FALSE" : "TRUE");
    };
    Press(0, 0);
    EXPECT_EQ(day->GetAttributeValue("INCLUDE_IN_LESSON_PLANING"), "TRUE") << "toggled once";
    DoubleClick(0, 0);
    EXPECT_EQ(controller.runs.size(), 2u) << "the double-click's second press runs nothing more";
    Press(0, 0, Qt::RightButton);
    EXPECT_EQ(controller.runs.size(), 2u) << "only the left button runs the action";
}

TEST_F(GridInteractionTest, APressOutsideTheCellsClearsThePressedCell) {
    factory.Settings().SingleClick = false;
    frame->widths = {0.5};
    ShowRows({{link}});
    Press(0, 0);
    QTest::mousePress(Viewport(), Qt::LeftButton, {}, QPoint(600, 10));
    EXPECT_EQ(frame->PressedCell(), QPoint(-1, -1));
    QTest::mouseDClick(Viewport(), Qt::LeftButton, {}, QPoint(600, 10));
    EXPECT_TRUE(controller.runs.empty());
}

TEST_F(GridInteractionTest, ARightClickInsideARangeKeepsItAndAsksForTheCellMenu) {
    frame->SetRangeSelect(true);
    frame->widths = {0.3, 0.3, 0.3};
    const std::vector<std::string> row{TextCell("a"), TextCell("b"), TextCell("c")};
    ShowRows({row, row, row});
    Press(0, 0);
    QTest::mousePress(Viewport(), Qt::LeftButton, Qt::ShiftModifier, Centre(2, 1));
    QTest::mouseRelease(Viewport(), Qt::LeftButton, Qt::ShiftModifier, Centre(2, 1));
    const QRect range(QPoint(0, 0), QPoint(2, 1));
    EXPECT_EQ(frame->Selection(), range);
    Press(1, 1, Qt::RightButton);
    EXPECT_EQ(frame->Selection(), range);
    ASSERT_EQ(controller.menus.size(), 1u);
    EXPECT_EQ(controller.menus[0], TextCell("b"));
    Press(1, 2, Qt::RightButton);
    EXPECT_EQ(frame->Selection(), QRect(1, 2, 1, 1)) << "outside the range the pressed cell is selected";
}

struct CheckCase {
    const char* name;
    bool multiple;
    bool allowClear;
    std::vector<int> presses;   // rows pressed in turn
    std::vector<std::string> checks;  // CHECK of rows 1 and 2 afterwards
};

TEST_F(GridInteractionTest, ClicksCycleChecksByTheChoiceMode) {
    const std::vector<CheckCase> cases = {
        {"multiple ticks", true, false, {1}, {"1", "0"}},
        {"multiple unticks", true, false, {1, 1}, {"0", "0"}},
        {"single chooses", false, false, {1}, {"2", "0"}},
        {"single keeps its choice", false, false, {1, 1}, {"2", "0"}},
        {"single moves its choice", false, false, {1, 2}, {"0", "2"}},
        {"single with allow clear clears", false, true, {1, 1}, {"0", "0"}},
    };
    frame->cycleOnClick = true;
    for (const CheckCase& c : cases) {
        frame->SetMultipleChoice(c.multiple);
        frame->SetAllowClear(c.allowClear);
        const std::string item = SetCellValue(TextCell("item"), cell::kCheck, "0");
        ShowRows({{TitleCell("Choose")}, {item}, {item}}, 1);
        for (int row : c.presses) Press(0, row);
        for (int row = 1; row <= 2; ++row)
            EXPECT_EQ(CellValue(frame->Cell(0, row), cell::kCheck), c.checks[row - 1]) << c.name << ", row " << row;
    }
}

TEST_F(GridInteractionTest, TheKeyboardMovesTheCurrentCellAndOnlySpaceToggles) {
    frame->cycleOnClick = true;
    frame->SetMultipleChoice(true);
    const std::string item = SetCellValue(TextCell("item"), cell::kCheck, "0");
    ShowRows({{TitleCell("Choose")}, {item}, {item}, {item}}, 1);
    frame->Grid().setFocus();
    QTest::keyClick(&frame->Grid(), Qt::Key_Down);
    QTest::keyClick(&frame->Grid(), Qt::Key_Down);
    EXPECT_EQ(frame->Grid().Current(), QPoint(0, 3));
    for (int row = 1; row <= 3; ++row) EXPECT_EQ(CellValue(frame->Cell(0, row), cell::kCheck), "0") << row;
    QTest::keyClick(&frame->Grid(), Qt::Key_Space);
    EXPECT_EQ(CellValue(frame->Cell(0, 3), cell::kCheck), "1");
    QTest::keyClick(&frame->Grid(), Qt::Key_Up, Qt::NoModifier);
    QTest::keyClick(&frame->Grid(), Qt::Key_PageUp);
    EXPECT_EQ(frame->Grid().Current(), QPoint(0, 1)) << "never onto the fixed row";
}

TEST_F(GridInteractionTest, EnterRunsTheCurrentCellAsAClickWould) {
    ShowRows({{TitleCell("Links")}, {link}, {link}}, 1);
    frame->Grid().setFocus();
    QTest::keyClick(&frame->Grid(), Qt::Key_Down);
    QTest::keyClick(&frame->Grid(), Qt::Key_Return);
    ASSERT_EQ(controller.runs.size(), 1u);
    EXPECT_EQ(frame->PressedCell(), QPoint(0, 2));
}

class GridDropTest : public GridInteractionTest {
protected:
    GridDropTest() {
        source = new TestGridFrame(&window);
        source->setGeometry(0, 240, 640, 240);
        source->show();
        frame->setGeometry(0, 0, 640, 240);
        sourceCells = {AddDragSource(TextCell("dragged")), TextCell("fixed")};
        source->page = [this](TestGridFrame& page) {
            page.BeginPage(1, 1);
            page.SetRowCell(0, sourceCells[0]);
            page.NextRow();
            page.SetRowCell(0, sourceCells[1]);
            page.EndPage(0, 0);
        };
        source->Refresh(0);
        ShowRows({{DropTargetDataCell(year, "SCHOOL_NAME", {.action = "ActionDrop", .target = year})},
                  {TextCell("no target", {.action = "ActionDrop"})}});
    }

    // Drags the source's cell in `sourceRow` onto this frame's cell in `row`; whether it was taken.
    bool Drop(int sourceRow, int row) {
        QTest::mousePress(source->Grid().viewport(), Qt::LeftButton, {}, source->Grid().CellRect(0, sourceRow).center());
        QTest::mouseRelease(source->Grid().viewport(), Qt::LeftButton, {}, source->Grid().CellRect(0, sourceRow).center());
        std::unique_ptr<QMimeData> data(source->NewDragData());
        const QPointF at = Centre(0, row);
        QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, data.get(), Qt::LeftButton, {});
        QApplication::sendEvent(Viewport(), &enter);
        QDropEvent drop(at, Qt::CopyAction, data.get(), Qt::LeftButton, {});
        QApplication::sendEvent(Viewport(), &drop);
        return enter.isAccepted() && drop.isAccepted();
    }

    TestGridFrame* source = nullptr;
    std::vector<std::string> sourceCells;
};

TEST_F(GridDropTest, ADragSourceDropsOnADragTarget) {
    EXPECT_TRUE(Drop(0, 0));
    ASSERT_EQ(controller.runs.size(), 1u);
    EXPECT_EQ(controller.runs[0], frame->Cell(0, 0)) << "the action of the cell dropped on";
    EXPECT_EQ(frame->DropSourceFrame(), source);
    EXPECT_EQ(frame->DropSourceFrame()->PressedMarkup(), sourceCells[0]) << "the item dragged";
}

TEST_F(GridDropTest, DropsNeedASourceAndATarget) {
    EXPECT_FALSE(Drop(0, 1)) << "no DRAG_TARGET";
    EXPECT_FALSE(Drop(1, 0)) << "no DRAG_SOURCE";
    EXPECT_TRUE(controller.runs.empty());
}

TEST_F(GridInteractionTest, CopyingAPageGivesTabsBetweenCellsAndACarriageReturnPerRow) {
    frame->widths = {0.5, 0.5};
    ShowRows({{TextCell("a"), LabelCell("b")}, {LinkCell(year), TextCell("d")}});
    frame->Grid().setFocus();
    QTest::keySequence(&frame->Grid(), QKeySequence::Copy);
    const std::string expected = "a\tb\t\r" + year->DisplayText() + "\td\t\r";
    EXPECT_EQ(frame->PageText(), expected);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), expected);
}

}  // namespace
}  // namespace vantaro::test
