#include "grid/markup/CellMarkup.h"

#include "grid/markup/CellReaders.h"
#include "markup/MarkupFixture.h"

namespace vantaro::test {
namespace {

struct BuilderCase {
    const char* name;
    std::string built;
    std::string expected;
};

class CellBuilders : public MarkupTest {};

TEST_F(CellBuilders, GiveExactlyTheirLines) {
    const std::string y = Id(year);
    const std::string p = Id(pupil);
    const std::vector<BuilderCase> cases = {
        {"bare cell", NewCell(), "<GML></GML>"},
        {"heading with level",
         HeadingCell("Pupils", {.action = "ActionNewPupil", .target = year, .level = 1}),
         "<GML ACTION=\"ACTIONNEWPUPIL\" TARGET=\"" + y + "\" LEVEL=\"1\" STYLE=\"HEADING\" EFFECT=\"ROUND\">Pupils</GML>"},
        {"new cell with everything",
         NewCell({.action = "actionX", .target = year, .source = pupil, .level = -2}),
         "<GML ACTION=\"ACTIONX\" TARGET=\"" + y + "\" SOURCE=\"" + p + "\" LEVEL=\"-2\"></GML>"},
        {"title start replaces the effect in place", TitleCellStart("T"),
         "<GML STYLE=\"TITLE\" EFFECT=\"ROUNDLEFT\">T</GML>"},
        {"title end is always level 0", TitleCellEnd("", {.level = 3}), "<GML STYLE=\"TITLE\" EFFECT=\"ROUNDRIGHT\"></GML>"},
        {"heading end keeps its level", HeadingCellEnd("", {.level = 3}),
         "<GML LEVEL=\"3\" STYLE=\"HEADING\" EFFECT=\"ROUNDRIGHT\"></GML>"},
        {"info middle", InfoCellMiddle("i"), "<GML STYLE=\"INFO\" EFFECT=\"ROUNDLEFTRIGHT\">i</GML>"},
        {"label", LabelCell("L"), "<GML STYLE=\"LABEL\">L</GML>"},
        {"link text", LinkTextCell("go"), "<GML STYLE=\"LINK\" CONTENT=\"TEXT\">go</GML>"},
        {"selectable text", SelectableTextCell("s"),
         "<GML STYLE=\"DATA\" READ_ONLY=\"TRUE\" SELECTION=\"TRUE\">s</GML>"},
        {"line text", LineTextCell("l"), "<GML STYLE=\"DATA_LINE\" READ_ONLY=\"TRUE\">l</GML>"},
        {"edit text", EditTextCell("e"), "<GML STYLE=\"DATA\" CONTENT=\"TEXT\" READ_ONLY=\"FALSE\">e</GML>"},
        {"link", LinkCell(pupil, {.action = "ActionOpen"}),
         "<GML ACTION=\"ACTIONOPEN\" STYLE=\"LINK\" CONTENT=\"NAME\">" + p + "</GML>"},
        {"link without an object is the bare cell", LinkCell(nullptr, {.action = "ActionOpen"}),
         "<GML ACTION=\"ACTIONOPEN\"></GML>"},
        {"name label", NameLabelCell(pupil), "<GML STYLE=\"LABEL\" CONTENT=\"NAME\">" + p + "</GML>"},
        {"data", DataCell(pupil, "FIRST_NAME"),
         "<GML STYLE=\"DATA\" CONTENT=\"ATTRIBUTE\">" + p + ".FIRST_NAME</GML>"},
        {"drop target data", DropTargetDataCell(pupil, "FIRST_NAME"),
         "<GML STYLE=\"DATA\" CONTENT=\"ATTRIBUTE\" DRAG_TARGET=\"TRUE\">" + p + ".FIRST_NAME</GML>"},
        {"parameter data", ParameterDataCell(pupil, "DATE_OF_BIRTH", {.action = "ActionChooseDate"}),
         "<GML ACTION=\"ACTIONCHOOSEDATE\" STYLE=\"DATA\" CONTENT=\"ATTRIBUTE\" READ_ONLY=\"TRUE\" "
         "PARAMETER=\"DATE_OF_BIRTH\">" + p + ".DATE_OF_BIRTH</GML>"},
        {"data line: style replaced in place, no level", DataLineCell(pupil, "LAST_NAME", {.level = 2}),
         "<GML STYLE=\"DATA_LINE\" CONTENT=\"ATTRIBUTE\">" + p + ".LAST_NAME</GML>"},
        {"read-only data line", ReadOnlyDataLineCell(pupil, "LAST_NAME"),
         "<GML STYLE=\"DATA_LINE\" CONTENT=\"ATTRIBUTE\" READ_ONLY=\"TRUE\">" + p + ".LAST_NAME</GML>"},
        {"data without an object", ReadOnlyDataCell(nullptr, "X", {.level = 1}), "<GML LEVEL=\"1\"></GML>"},
        {"picture", SelectablePictureCell(3),
         "<GML STYLE=\"IMAGE\" CONTENT=\"PICTURE\" SELECTION=\"TRUE\">3</GML>"},
        {"typed text", TypedTextCell(4, "t"),
         "<GML TYPE=\"4\" CONTENT=\"TEXT\" STYLE=\"DATA\" READ_ONLY=\"TRUE\">t</GML>"},
        {"drag source", AddDragSource(TextCell("d")),
         "<GML STYLE=\"DATA\" READ_ONLY=\"TRUE\" DRAG_SOURCE=\"TRUE\">d</GML>"},
        {"parameter set twice", SetParameter(SetParameter(LabelCell("x"), "A"), "B"),
         "<GML STYLE=\"LABEL\" PARAMETER=\"B\">x</GML>"},
    };
    for (const BuilderCase& c : cases) EXPECT_EQ(c.built, c.expected) << c.name;
}

// Typed text can hold anything; it must stay content and never become an attribute.
TEST_F(CellBuilders, TextIsEscapedSoItCannotPoseAsAttributes) {
    const std::string hostile = "a</GML> ACTION=\"ACTIONDELETE\" & \"b\"";
    const std::string cell = TextCell(hostile);
    EXPECT_EQ(CellValue(cell, cell::kAction), "");
    EXPECT_EQ(CellValue(cell, cell::kStyle), "DATA");
    EXPECT_EQ(CellDisplayText(cell), hostile);
    EXPECT_EQ(CellDisplayText(EditTextCell("line one\r\nline two")), "line one\r\nline two");
}

TEST_F(CellBuilders, SetCellValueMatchesWholeNames) {
    const std::string cell = AddDragSource(LabelCell("x", {.source = pupil}));
    const std::string changed = SetCellValue(cell, cell::kSource, "7");
    EXPECT_EQ(CellValue(changed, cell::kSource), "7");
    EXPECT_EQ(CellValue(changed, cell::kDragSource), "TRUE");
    EXPECT_EQ(SetCellValue(LabelCell("x"), cell::kCheck, "0"), "<GML STYLE=\"LABEL\" CHECK=\"0\">x</GML>");
}

TEST(ScoreTypeIndex, RoundsToTheNearestQuarter) {
    const std::vector<std::pair<const char*, int>> cases = {
        {"", -1},    {"-0.2", -1}, {"0", 1},     {"0.125", 1}, {"0.126", 2}, {"0.25", 2}, {"0.375", 3},
        {"0.5", 3},  {"0.6", 3},   {"0.75", 4},  {"0.875", 5}, {"1", 5},     {"1.2", -1}, {"abc", 1},
        {"x0.9y", 5},
    };
    for (const auto& [text, index] : cases) EXPECT_EQ(ScoreTypeIndex(text), index) << '"' << text << '"';
}

}  // namespace
}  // namespace vantaro::test
