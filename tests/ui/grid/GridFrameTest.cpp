// Page building, sizing and the refresh cycle.

#include <QFontMetricsF>

#include <cmath>

#include "grid/CellText.h"
#include "grid/GridColors.h"
#include "grid/markup/CellMarkup.h"
#include "ui/grid/GridTestSupport.h"

namespace vantaro::test {
namespace {

class GridFrameTest : public GridTest {
protected:
    int LineHeight() const { return static_cast<int>(std::ceil(TextWrapper(frame->Grid().font()).LineHeight())); }

    // Rows of one label each; the first is a title.
    void ShowLabelRows(int count, int fixedRows, int mode) {
        std::vector<std::vector<std::string>> rows{{TitleCell("Title")}};
        for (int r = 1; r < count; ++r) rows.push_back({LabelCell("Row " + std::to_string(r))});
        ShowRows(rows, fixedRows, mode);
    }

    bool LastRowWhollyVisible() const {
        const QRect last = frame->Grid().CellRect(0, frame->Grid().RowCount() - 1);
        return !last.isEmpty() && last.bottom() < frame->Grid().ClientHeight();
    }
};

TEST_F(GridFrameTest, TheGridStaysHiddenUntilTheFirstPageIsBuilt) {
    EXPECT_FALSE(frame->Grid().isVisible());
    ShowRows({{LabelCell("a")}}, 1);
    EXPECT_TRUE(frame->Grid().isVisible());
    EXPECT_EQ(frame->Grid().RowCount(), 1);
    EXPECT_EQ(frame->Grid().FixedRows(), 0) << "a fixed row needs a row below it";
}

TEST_F(GridFrameTest, RowsAreAsHighAsTheirTallestCell) {
    CPupil* pupil = year->NewPupil();
    frame->widths = {0.5, 0.5};
    const std::string longText(400, 'w');
    ShowRows({
        {LabelCell("label"), ""},
        {"", ""},
        {TextCell(""), ""},
        {EditTextCell(""), ""},
        {DataCell(pupil, "FIRST_NAME"), ""},
        {TextCell("word "), TextCell(longText)},
    });
    const int a = LineHeight();
    EXPECT_EQ(frame->Grid().RowHeight(0), a + 16) << "one-line style";
    EXPECT_EQ(frame->Grid().RowHeight(1), 0) << "empty row";
    EXPECT_EQ(frame->Grid().RowHeight(2), 16) << "read-only DATA, no text";
    EXPECT_EQ(frame->Grid().RowHeight(3), a + 16) << "editable DATA, no text";
    EXPECT_EQ(frame->Grid().RowHeight(4), a + 16) << "editable attribute, no text";
    const int wrapped = frame->Grid().RowHeight(5);
    EXPECT_GT(wrapped, 3 * a + 16) << "wrapped text";
    EXPECT_EQ((wrapped - 16) % a, 0);

    ShowRows({{TextCell(std::string(20000, 'w'))}});
    EXPECT_EQ(frame->Grid().RowHeight(0), frame->Grid().ClientHeight() - 32) << "capped";
}

TEST_F(GridFrameTest, ColumnsTakeTheirFractionOfTheWidthLessTheScrollBar) {
    frame->widths = {0.25, 0, 0.75};
    ShowRows({{LabelCell("a"), LabelCell("b"), LabelCell("c")}});
    const int usable = frame->Grid().width() - 16;
    EXPECT_EQ(frame->Grid().ColumnWidth(0), usable / 4);
    EXPECT_EQ(frame->Grid().ColumnWidth(1), 0) << "a fraction of 0 hides the column";
    EXPECT_EQ(frame->Grid().ColumnWidth(2), static_cast<int>(0.75 * usable));
    EXPECT_EQ(frame->Grid().CellAt(QPoint(usable / 4 + 2, 5)), QPoint(2, 0));
}

TEST_F(GridFrameTest, RefreshModesScrollToTheTopKeepThePlaceOrShowTheEnd) {
    ShowLabelRows(80, 1, 0);
    TStringGrid& grid = frame->Grid();
    EXPECT_EQ(grid.TopRow(), 1);
    grid.SetTopRow(20);
    EXPECT_EQ(frame->SavedTopRow(), 20) << "scrolling records the position";
    frame->Refresh(1);
    EXPECT_EQ(grid.TopRow(), 20);
    frame->Refresh(0);
    EXPECT_EQ(grid.TopRow(), 1);
    frame->Refresh(2);
    EXPECT_TRUE(LastRowWhollyVisible()) << "the row just added is in view below the fixed row";
    EXPECT_EQ(grid.TopRow(), grid.MaxTopRow()) << "as many rows above it as fit";
    EXPECT_FALSE(grid.CellRect(0, 0).isEmpty()) << "the fixed row stays";

    grid.SetTopRow(60);
    ShowLabelRows(12, 1, 1);
    EXPECT_LE(grid.TopRow(), 11) << "rows were removed";
    EXPECT_TRUE(LastRowWhollyVisible());
}

TEST_F(GridFrameTest, TheWheelScrollsOneRowPerNotchAndTouchpadStepsAddUp) {
    ShowLabelRows(80, 1, 0);
    TStringGrid& grid = frame->Grid();
    const auto wheel = [&](int delta) {
        QWheelEvent event(QPointF(10, 10), grid.viewport()->mapToGlobal(QPointF(10, 10)), {}, QPoint(0, delta),
                          Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(grid.viewport(), &event);
    };
    wheel(-120);
    EXPECT_EQ(grid.TopRow(), 2);
    wheel(-60);
    EXPECT_EQ(grid.TopRow(), 2);
    wheel(-60);
    EXPECT_EQ(grid.TopRow(), 3);
    for (int i = 0; i < 5; ++i) wheel(120);
    EXPECT_EQ(grid.TopRow(), 1) << "never above the fixed rows";
}

TEST_F(GridFrameTest, AHeadingOverThreeColumnsShowsItsTextOnceAcrossTheRun) {
    frame->widths = {0.2, 0.2, 0.6};
    frame->page = [this](TestGridFrame& page) {
        page.BeginPage(3, 1);
        page.HeadingRow(3, "A heading that is longer than one column", {.action = "ActionNew", .target = year});
        page.EndPage(0, 0);
    };
    frame->Refresh(0);
    const QImage image = frame->Grid().viewport()->grab().toImage();
    // The text is drawn by the run's end: dark text pixels reach into the middle column.
    const QRect middle = frame->Grid().CellRect(1, 0);
    const QColor heading = ResolveColor(factory.Settings().HeadingTextColor, frame->palette());
    int textPixels = 0;
    for (int x = middle.left(); x <= middle.right(); ++x)
        for (int y = middle.top(); y <= middle.bottom(); ++y)
            if (std::abs(QColor(image.pixel(x, y)).lightness() - heading.lightness()) < 40) ++textPixels;
    EXPECT_GT(textPixels, 10);
}

}  // namespace
}  // namespace vantaro::test
