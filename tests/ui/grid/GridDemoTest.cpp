// A page with every style, effect, image slot and editor state, grabbed to a picture in the
// build folder (grid-demo.png, grid-demo-preview.png) for a look by eye.

#include <QAccessible>
#include <QFontDatabase>
#include <QPrintPreviewWidget>

#include "domain/Timetable.h"
#include "grid/markup/CellMarkup.h"
#include "ui/grid/GridTestSupport.h"

namespace vantaro::test {
namespace {

class GridDemoTest : public GridTest {
protected:
    GridDemoTest() {
        window.resize(900, 640);
        frame->setGeometry(0, 0, 900, 640);
        pupil->SetAttributeValue("FIRST_NAME", "Ann");
        pupil->SetAttributeValue("LAST_NAME", "Lee");
        year->SetAttributeValue("SCHOOL_CONTACT_DETAILS", "Hill Road&#13;&#10;Eastbury");
        day->SetAttributeValue("INCLUDE_IN_LESSON_PLANING", "TRUE");
        frame->widths = {0.22, 0.26, 0.26, 0.26};
        frame->SetShowSelection(true);
        frame->page = [this](TestGridFrame& page) { Build(page); };
    }

    void Build(TestGridFrame& page) {
        page.BeginPage(4, 1);
        page.TitleRow(4, "Every style of the grid", {.action = "ActionNew", .target = year});
        for (int column = 0; column < 4; ++column) {
            const std::string piece = page.RowCell(column);
            page.SetRowCell(column, SetCellValue(piece, cell::kEffect, CellValue(piece, cell::kEffect) + "_SHADOW"));
        }
        page.NextRow();
        page.SetRowCell(0, HeadingCell("Heading", {.action = "ActionOpen", .target = year}));
        page.SetRowCell(1, InfoCell("Information"));
        page.SetRowCell(2, LabelCell("Label"));
        page.SetRowCell(3, LinkTextCell("Link", {.action = "ActionOpen", .target = year}));
        page.NextRow();
        page.SetRowCell(0, SetCellValue(LinkTextCell("Marker"), cell::kStyle, "MARKER"));
        page.SetRowCell(1, SetCellValue(HeadingCell("Heading darker"), cell::kEffect, "ROUND_DARKEN"));
        page.SetRowCell(2, SetCellValue(InfoCell("Square info"), cell::kEffect, ""));
        page.SetRowCell(3, SetCellValue(HeadingCell("Lighter"), cell::kEffect, "ROUND_LIGHTEN"));
        page.NextRow();
        page.HeadingRow(3, "A heading run over three columns", {.action = "ActionDelete", .target = year});
        page.SetRowCell(3, InfoCell("Level 1", {.level = 1}));
        page.NextRow();
        for (int score = 0; score < 4; ++score)
            page.SetRowCell(score, TypedTextCell(score + 1, "Meter " + std::to_string(score * 25) + "%"));
        page.NextRow();
        page.SetRowCell(0, TypedTextCell(5, "Meter 100%"));
        page.SetRowCell(1, SetCellValue(TextCell("Not chosen"), cell::kCheck, "0"));
        page.SetRowCell(2, SetCellValue(TextCell("Ticked"), cell::kCheck, "1"));
        page.SetRowCell(3, SetCellValue(TypedTextCell(6, "Type and chosen"), cell::kCheck, "2"));
        page.NextRow();
        page.SetRowCell(0, PictureCell(0));
        page.SetRowCell(1, SelectablePictureCell(1));
        page.SetRowCell(2, PictureCell(2));
        page.SetRowCell(3, SelectableTypedTextCell(12, "Selected, selectable"));
        page.NextRow();
        page.SetRowCell(0, LinkCell(pupil, {.action = "ActionOpen", .target = pupil}));
        page.SetRowCell(1, DataCell(year, "SCHOOL_CONTACT_DETAILS"));
        page.SetRowCell(2, DataLineCell(pupil, "LAST_NAME"));
        page.SetRowCell(3, ReadOnlyDataCell(day, "INCLUDE_IN_LESSON_PLANING"));
        page.NextRow();
        page.SetRowCell(0, TextCell("Read-only text that is long enough to wrap onto a second line"));
        page.SetRowCell(1, DropTargetDataCell(pupil, "FIRST_NAME"));
        page.SetRowCell(2, EditTextCell("Being edited"));
        page.SetRowCell(3, LineTextCell("A line cut off at the edge of its cell, never wrapped"));
        page.EndPage(1, 0);
    }

    CPupil* pupil = year->NewPupil();
    CTeachingDay* day = year->NewTeachingDay();
};

TEST_F(GridDemoTest, EveryStyleDrawsAndIsGrabbed) {
    ASSERT_FALSE(QFontDatabase::families().isEmpty()) << "without a font every text is drawn as boxes";
    frame->Refresh(0);
    QTest::mousePress(Viewport(), Qt::LeftButton, {}, Centre(2, 8));
    ASSERT_TRUE(frame->IsEditing());
    frame->Grid().SelectCell(3, 6);
    QApplication::processEvents();  // scroll bars show or hide once the loop runs
    const QImage image = window.grab().toImage();
    ASSERT_TRUE(image.save(QStringLiteral(VANTARO_BINARY_DIR "/grid-demo.png")));
    EXPECT_NE(image.pixelColor(Centre(0, 1)), image.pixelColor(Centre(2, 1))) << "heading and label differ";

    frame->ShowPreview(true);
    auto* preview = frame->findChild<QPrintPreviewWidget*>();
    ASSERT_NE(preview, nullptr);
    preview->fitToWidth();
    ASSERT_TRUE(window.grab().save(QStringLiteral(VANTARO_BINARY_DIR "/grid-demo-preview.png")));
    EXPECT_EQ(frame->PreviewPageCount(), 1);
}

TEST_F(GridDemoTest, VisibleCellsCarryTheirTextForScreenReaders) {
    frame->Refresh(0);
    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(&frame->Grid());
    ASSERT_NE(grid, nullptr);
    bool found = false;
    for (int i = 0; i < grid->childCount(); ++i)
        if (grid->child(i)->text(QAccessible::Name) == QStringLiteral("Ann Lee")) found = true;
    EXPECT_TRUE(found);
}

}  // namespace
}  // namespace vantaro::test
