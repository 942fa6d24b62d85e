#include "grid/markup/CellPage.h"

#include "grid/markup/CellLayout.h"
#include "grid/markup/CellReaders.h"
#include "markup/MarkupFixture.h"

namespace vantaro::test {
namespace {

class CellPageTest : public MarkupTest {};

TEST(CellPage, APageThatPlacesNothingHasOneCellAndNoFixedRow) {
    CellPage page;
    page.BeginPage(1, 1);
    const CellPage::Shape shape = page.EndPage(1, 0);
    EXPECT_EQ(shape.columns, 1);
    EXPECT_EQ(shape.rows, 1);
    EXPECT_EQ(shape.fixedRows, 0) << "not less than the row count";
}

TEST(CellPage, TheCursorGivesTheShapeAndCellsMayLieBeyondIt) {
    CellPage page;
    page.BeginPage(1, 1);
    page.SetRowCell(0, LabelCell("a"));
    page.NextRow();
    page.SetRowCell(2, LabelCell("b"));
    page.SetColumnCell(5, LabelCell("far"));
    page.SetRowCell(-1, LabelCell("lost"));
    EXPECT_EQ(page.RowCell(2), LabelCell("b"));
    EXPECT_EQ(page.RowCell(-1), "");
    page.NextColumn();
    const CellPage::Shape shape = page.EndPage(1, 1);
    EXPECT_EQ(shape.columns, 2);
    EXPECT_EQ(shape.rows, 2);
    EXPECT_EQ(shape.fixedRows, 1);
    EXPECT_EQ(shape.fixedColumns, 1);
    EXPECT_EQ(page.Cell(0, 5), LabelCell("far")) << "kept beyond the grid's size";
    page.BeginPage(3, 2);
    EXPECT_EQ(page.Cell(0, 0), "") << "BeginPage empties every cell";
    EXPECT_EQ(page.CurrentColumn(), 2);
    EXPECT_EQ(page.CurrentRow(), 1);
}

TEST_F(CellPageTest, AHeadingRowPutsTheTextFirstAndTheActionLast) {
    CellPage page;
    page.BeginPage(1, 1);
    page.HeadingRow(3, "Pupils", {.action = "ActionNewPupil", .target = year, .source = pupil, .level = 1});
    EXPECT_EQ(page.Cell(0, 0), HeadingCellStart("Pupils", {.target = year, .source = pupil}));
    EXPECT_EQ(page.Cell(1, 0), HeadingCellMiddle("", {.target = year}));
    EXPECT_EQ(page.Cell(2, 0), HeadingCellEnd("", {.action = "ActionNewPupil", .target = year, .level = 1}));
    page.NextRow();
    page.TitleRow(1, "One", {.action = "ActionGo"});
    EXPECT_EQ(page.Cell(0, 1), TitleCell("One", {.action = "ActionGo"}));
    page.NextRow();
    page.HeadingRow(0, "None");
    EXPECT_EQ(page.Cell(0, 2), "");
}

struct LayoutCase {
    const char* name;
    std::string cell;
    bool actionImage;
    int textLeftFromInner;
    int textRightFromInner;
};

TEST(CellLayout, SlotsPushTheTextAreaInward) {
    const PixelRect rect{100, 10, 300, 50};
    const std::vector<LayoutCase> cases = {
        {"neither", TextCell("t"), false, 2, -2},
        {"type", TypedTextCell(1, "t"), false, 20, -2},
        {"type -1 counts as none", TypedTextCell(-1, "t"), false, 2, -2},
        {"check", SetCellValue(TextCell("t"), cell::kCheck, "0"), false, 20, -2},
        {"type and check", SetCellValue(TypedTextCell(99, "t"), cell::kCheck, "2"), false, 38, -2},
        {"action image", TextCell("t", {.action = "ActionGo"}), true, 2, -20},
    };
    for (const LayoutCase& c : cases) {
        const CellLayout layout = LayOutCell(rect, ReadCellFacts(c.cell), c.actionImage);
        EXPECT_EQ(layout.inner, (PixelRect{106, 14, 296, 46})) << c.name;
        EXPECT_EQ(layout.text.left - layout.inner.left, c.textLeftFromInner) << c.name;
        EXPECT_EQ(layout.text.right - layout.inner.right, c.textRightFromInner) << c.name;
        EXPECT_EQ(layout.text.top, 16) << c.name;
        EXPECT_EQ(layout.text.bottom, 44) << c.name;
    }
}

TEST(CellLayout, LevelsIndentAndSlotsSitOnTheMiddle) {
    const CellLayout layout =
        LayOutCell({0, 0, 200, 40}, ReadCellFacts(SetCellValue(TypedTextCell(1, "t", {.level = 2}), cell::kCheck, "0")), true);
    EXPECT_EQ(layout.box, (PixelRect{36, 2, 198, 38}));
    EXPECT_EQ(layout.shadow, (PixelRect{38, 6, 200, 42}));
    EXPECT_EQ(layout.middle, 20);
    EXPECT_EQ(layout.type, (PixelRect{40, 8, 56, 24}));
    EXPECT_EQ(layout.check, (PixelRect{58, 12, 74, 28}));
    EXPECT_EQ(layout.action, (PixelRect{178, 6, 194, 22}));
    EXPECT_EQ(layout.linkBand, (PixelRect{36, 0, 198, 40}));
    EXPECT_EQ(layout.picture, (PixelRect{110, 4, 142, 36}));
    EXPECT_EQ(CentredIn(layout.type, 24, 24), (PixelRect{36, 4, 60, 28}));
}

}  // namespace
}  // namespace vantaro::test
