#include "grid/markup/CellReaders.h"

#include "domain/Timetable.h"
#include "grid/markup/CellMarkup.h"
#include "markup/MarkupFixture.h"

namespace vantaro::test {
namespace {

class CellReaders : public MarkupTest {
protected:
    CellReaders() {
        pupil->SetAttributeValue("FIRST_NAME", "Ann");
        pupil->SetAttributeValue("LAST_NAME", "Lee");
    }
};

TEST_F(CellReaders, FindTheTargetAndSourceObjects) {
    const std::string cell = LabelCell("x", {.target = pupil, .source = year});
    EXPECT_EQ(CellTarget(cell), pupil);
    EXPECT_EQ(CellSource(cell), year);
    EXPECT_EQ(CellTarget(LabelCell("x")), nullptr) << "absent TARGET";
    EXPECT_EQ(CellTarget(SetCellValue(LabelCell("x"), cell::kTarget, "0")), nullptr) << "TARGET 0";
    EXPECT_EQ(CellTarget(SetCellValue(LabelCell("x"), cell::kTarget, "999999")), nullptr) << "no such object";
    EXPECT_EQ(CellTarget(cell, nullptr), nullptr) << "no factory";
}

TEST_F(CellReaders, FindTheContentObjectAndAttribute) {
    EXPECT_EQ(CellObject(LinkCell(pupil)), pupil);
    EXPECT_EQ(CellObject(DataCell(pupil, "FIRST_NAME")), pupil);
    EXPECT_EQ(CellAttributeName(DataCell(pupil, "FIRST_NAME")), "FIRST_NAME");
    EXPECT_EQ(CellObject(TextCell(Id(pupil))), nullptr) << "a text that looks like an ID";
    EXPECT_EQ(CellAttributeName(LinkCell(pupil)), "");
}

TEST_F(CellReaders, ShowEveryContentKind) {
    CTeachingDay* day = year->NewTeachingDay();
    day->SetAttributeValue("INCLUDE_IN_LESSON_PLANING", "TRUE");
    const std::vector<std::pair<std::string, std::string>> cases = {
        {LinkCell(pupil), "Ann Lee"},
        {DataCell(pupil, "LAST_NAME"), "Lee"},
        {DataCell(pupil, "NO_SUCH_ATTRIBUTE"), ""},
        {DataCell(day, "INCLUDE_IN_LESSON_PLANING"), "True"},
        {SetCellValue(LinkCell(pupil), cell::kTarget, "1"), "Ann Lee"},
        {PictureCell(2), ""},
        {HeadingCell("a &lt; b"), "a &lt; b"},
        {LabelCell("plain"), "plain"},
        {"", ""},
    };
    for (const auto& [markup, text] : cases) EXPECT_EQ(CellDisplayText(markup), text) << markup;
    const std::string gone = LinkCell(pupil);
    factory.MoveToTrash(pupil);
    factory.EmptyTrash();
    EXPECT_EQ(CellDisplayText(gone), "") << "an object no longer there";
}

TEST(CellFacts, ReadEveryDrawingAttributeInOnePass) {
    const std::string cell =
        AddDragSource(SetCellValue(TypedTextCell(3, "t", {.action = "ActionGo", .level = 2}), cell::kCheck, "1"));
    const CellFacts facts = ReadCellFacts(cell);
    EXPECT_EQ(facts.style, "DATA");
    EXPECT_EQ(facts.content, "TEXT");
    EXPECT_EQ(facts.action, "ACTIONGO");
    EXPECT_EQ(facts.level, 2);
    EXPECT_EQ(facts.type, 3);
    EXPECT_EQ(facts.check, 1);
    EXPECT_TRUE(facts.readOnly);
    EXPECT_TRUE(facts.dragSource);
    EXPECT_FALSE(facts.dragTarget);
    EXPECT_FALSE(facts.IsEditable());
    const CellFacts plain = ReadCellFacts(LabelCell("x"));
    EXPECT_EQ(plain.type, -1);
    EXPECT_EQ(plain.check, -1);
    EXPECT_EQ(plain.level, 0);
}

TEST(CellEffect, ReadsWordsAsSubstrings) {
    const CellEffect start = ReadEffect("ROUNDLEFT");
    EXPECT_TRUE(start.round && start.StartsRun() && !start.EndsRun());
    EXPECT_TRUE(ReadEffect("ROUNDLEFTRIGHT").InRun());
    EXPECT_TRUE(ReadEffect("ROUNDRIGHT").EndsRun());
    const CellEffect shaded = ReadEffect("ROUND_SHADOW_DARKEN");
    EXPECT_TRUE(shaded.shadow && shaded.darken && !shaded.lighten);
}

}  // namespace
}  // namespace vantaro::test
