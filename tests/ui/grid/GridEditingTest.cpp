// The in-place editor: opening, committing through the attribute's FORMAT, growing the row,
// line breaks and characters the store cannot hold, and a rebuild with the editor open.

#include "domain/Timetable.h"
#include "grid/markup/CellMarkup.h"
#include "routines/XMLRoutines.h"
#include "ui/grid/GridTestSupport.h"

namespace vantaro::test {
namespace {

class GridEditingTest : public GridTest {
protected:
    CPupil* pupil = year->NewPupil();

    void Edit(const std::string& cell, const QString& typed) {
        ShowRows({{cell}});
        Press(0, 0);
        ASSERT_TRUE(frame->IsEditing());
        frame->Editor().selectAll();
        Type(typed);
        frame->EndEdit();
    }
};

TEST_F(GridEditingTest, OnlyEditableDataCellsOpenTheEditor) {
    const std::vector<std::pair<std::string, bool>> cases = {
        {DataCell(pupil, "FIRST_NAME"), true},  {DataLineCell(pupil, "FIRST_NAME"), true},
        {EditTextCell("x"), true},              {ReadOnlyDataCell(pupil, "FIRST_NAME"), false},
        {TextCell("x"), false},                 {LabelCell("x"), false},
    };
    for (const auto& [cell, opens] : cases) {
        ShowRows({{cell}});
        Press(0, 0);
        EXPECT_EQ(frame->IsEditing(), opens) << cell;
        EXPECT_EQ(frame->Editor().isVisible(), opens) << cell;
        frame->EndEdit();
    }
}

TEST_F(GridEditingTest, TypedTextIsConvertedForTheAttributesFormat) {
    CTeachingDay* day = year->NewTeachingDay();
    day->SetAttributeValue("DAY_OF_WEEK", "3");
    Edit(DataCell(day, "DAY_OF_WEEK"), QStringLiteral("1-2"));
    ASSERT_EQ(platform.prompts.prompts.size(), 1u);
    EXPECT_EQ(platform.prompts.prompts[0].caption, "DATA ERROR");
    EXPECT_EQ(day->GetAttributeValue("DAY_OF_WEEK"), "3") << "the old value is kept";
    Edit(DataCell(day, "DAY_OF_WEEK"), QStringLiteral("abc"));
    EXPECT_EQ(day->GetAttributeValue("DAY_OF_WEEK"), "0") << "letters alone store 0";
    Edit(DataCell(pupil, "FIRST_NAME"), QStringLiteral("Ann"));
    EXPECT_EQ(pupil->GetAttributeValue("FIRST_NAME"), "Ann");
    EXPECT_EQ(pupil->Status(), StoredStatus::New);
}

TEST_F(GridEditingTest, AnEditorThatChangesNothingWritesNothing) {
    pupil->SetAttributeValue("FIRST_NAME", "Ann");
    pupil->SetStatus(StoredStatus::Saved);
    ShowRows({{DataCell(pupil, "FIRST_NAME")}});
    Press(0, 0);
    frame->EndEdit();
    EXPECT_EQ(pupil->Status(), StoredStatus::Saved);
}

TEST_F(GridEditingTest, LineBreaksAreStoredAsCarriageReturnLineFeed) {
    Edit(DataCell(pupil, "FIRST_NAME"), QStringLiteral("one\ntwo"));
    EXPECT_EQ(pupil->GetAttributeText("FIRST_NAME"), "one\r\ntwo");
    Edit(EditTextCell(""), QStringLiteral("three\nfour"));
    EXPECT_EQ(CellDisplayText(frame->Cell(0, 0)), "three\r\nfour");
}

TEST_F(GridEditingTest, TypedTextInATextCellStaysContent) {
    const std::string hostile = "</GML> ACTION=\"ACTIONDELETE\"";
    Edit(EditTextCell(""), QString::fromLatin1(hostile));
    EXPECT_EQ(CellDisplayText(frame->Cell(0, 0)), hostile);
    EXPECT_EQ(CellValue(frame->Cell(0, 0), cell::kAction), "");
}

TEST_F(GridEditingTest, CharactersTheStoreCannotHoldAreReplacedAndTheUserIsToldOnce) {
    Edit(DataCell(pupil, "FIRST_NAME"), QStringLiteral("\u201CAnn\u201D \u20AC5 \u4E2D"));
    EXPECT_EQ(pupil->GetAttributeText("FIRST_NAME"), "\"Ann\" EUR5 ?");
    ASSERT_EQ(platform.prompts.prompts.size(), 1u);
    EXPECT_EQ(platform.prompts.prompts[0].caption, "Characters Replaced");
    EXPECT_NE(platform.prompts.prompts[0].text.find("U+20AC as EUR"), std::string::npos);
    EXPECT_NE(platform.prompts.prompts[0].text.find("U+4E2D as ?"), std::string::npos);
    Edit(DataCell(pupil, "LAST_NAME"), QStringLiteral("L\u00E9e"));
    EXPECT_EQ(pupil->GetAttributeText("LAST_NAME"), "L\xE9" "e") << "Latin-1 letters are kept";
    EXPECT_EQ(platform.prompts.prompts.size(), 1u);
}

TEST_F(GridEditingTest, CtrlBInsertsThePupilPlaceholderAtTheCaret) {
    pupil->SetAttributeValue("FIRST_NAME", "isgood");
    ShowRows({{DataLineCell(pupil, "FIRST_NAME")}});
    Press(0, 0);
    QTest::keyClick(&frame->Editor(), Qt::Key_Home);
    QTest::keyClicks(&frame->Editor(), QStringLiteral("X"));
    QTest::keyClick(&frame->Editor(), Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(frame->Editor().textCursor().position(), 9);
    frame->EndEdit();
    EXPECT_EQ(pupil->GetAttributeText("FIRST_NAME"), "X<PUPIL> isgood");
}

TEST_F(GridEditingTest, TheRowGrowsWhileTypingAndTheCaretStays) {
    frame->widths = {0.3};
    ShowRows({{DataCell(pupil, "FIRST_NAME")}});
    const int before = frame->Grid().RowHeight(0);
    Press(0, 0);
    for (int word = 0; word < 12 && frame->Grid().RowHeight(0) == before; ++word) Type(QStringLiteral("word "));
    EXPECT_GT(frame->Grid().RowHeight(0), before);
    EXPECT_TRUE(frame->IsEditing());
    EXPECT_TRUE(frame->Editor().isVisible());
    EXPECT_NE(pupil->GetAttributeText("FIRST_NAME").find("word word"), std::string::npos) << "written while typing";
    EXPECT_EQ(frame->Editor().textCursor().position(), frame->Editor().toPlainText().size());
    EXPECT_EQ(frame->Editor().height(), frame->Grid().RowHeight(0) - 16 + 4) << "the editor covers the text area";
}

TEST_F(GridEditingTest, ARebuildCommitsTheEditorBeforeAnotherObjectTakesItsCell) {
    CPupil* other = year->NewPupil();
    CPupil* shown = pupil;
    frame->page = [&shown](TestGridFrame& page) {
        page.BeginPage(1, 1);
        page.SetRowCell(0, DataCell(shown, "FIRST_NAME"));
        page.EndPage(0, 0);
    };
    frame->Refresh(0);
    Press(0, 0);
    Type(QStringLiteral("Typed"));
    shown = other;
    frame->Refresh(1);
    EXPECT_EQ(pupil->GetAttributeText("FIRST_NAME"), "Typed");
    EXPECT_EQ(other->GetAttributeText("FIRST_NAME"), "");
    EXPECT_FALSE(frame->IsEditing());
}

TEST_F(GridEditingTest, ScrollingClosesTheEditorAndKeepsTheText) {
    std::vector<std::vector<std::string>> rows{{DataCell(pupil, "FIRST_NAME")}};
    for (int r = 0; r < 60; ++r) rows.push_back({TextCell("row")});
    ShowRows(rows);
    Press(0, 0);
    Type(QStringLiteral("Kept"));
    frame->Grid().SetTopRow(5);
    EXPECT_FALSE(frame->IsEditing());
    EXPECT_EQ(pupil->GetAttributeText("FIRST_NAME"), "Kept");
}

}  // namespace
}  // namespace vantaro::test
