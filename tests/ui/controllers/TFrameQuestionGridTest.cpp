// The question page: options and their ticks, clicks and keys on them, targets, the answer cell.

#include <QTest>

#include "controllers/messages/TFrameQuestionGrid.h"
#include "domain/Periods.h"
#include "grid/CellEditor.h"
#include "grid/markup/CellReaders.h"
#include "ui/controllers/ControllerTestSupport.h"

namespace vantaro::test {
namespace {

class QuestionGridTest : public ControllerTest {
protected:
    QuestionGridTest() {
        window.resize(480, 360);
        page = new TFrameQuestionGrid(&window);
        page->setGeometry(0, 0, 480, 360);
        window.show();
    }

    void AskChoice(bool multiple, bool ticked) {
        page->SetMultipleChoice(multiple);
        page->ResetQuestion();
        page->AddChoiceQuestion("Subjects", "Which subjects does the class take?", ticked, {"Art", "Maths", "Music"});
        page->Refresh(0);
    }

    std::string Ticks() const {
        std::string ticks;
        for (int i = 0; i < page->OptionCount(); ++i) ticks += CellValue(page->Cell(0, i + 2), cell::kCheck);
        return ticks;
    }

    QWidget* Viewport() const { return page->Grid().viewport(); }
    void Click(int row) { QTest::mouseClick(Viewport(), Qt::LeftButton, {}, page->Grid().CellRect(0, row).center()); }
    void Key(Qt::Key key) { QTest::keyClick(&page->Grid(), key); }

    QWidget window;
    TFrameQuestionGrid* page = nullptr;
};

struct TickCase {
    const char* name;
    bool multiple;
    bool ticked;
    const char* checks;
};

TEST_F(QuestionGridTest, AChoiceQuestionStartsTickedAsItsKindSays) {
    const TickCase cases[] = {{"single, ticked", false, true, "100"},
                              {"multiple, ticked", true, true, "111"},
                              {"single, not ticked", false, false, "000"},
                              {"multiple, not ticked", true, false, "000"}};
    for (const TickCase& c : cases) {
        SCOPED_TRACE(c.name);
        AskChoice(c.multiple, c.ticked);
        EXPECT_EQ(page->OptionCount(), 3);
        EXPECT_EQ(Ticks(), c.checks);
        EXPECT_EQ(page->OptionText(1), "Maths");
        EXPECT_EQ(page->OptionTicked(0), c.ticked);
        EXPECT_EQ(page->IsOptionChosen("Music"), c.ticked && c.multiple);
        EXPECT_EQ(CellDisplayText(page->Cell(0, 0)), "Subjects");
    }
}

TEST_F(QuestionGridTest, ClicksAndSpaceCycleAnOptionButMovingOntoItDoesNot) {
    AskChoice(true, false);
    Click(3);
    EXPECT_EQ(Ticks(), "010");
    Click(3);
    EXPECT_EQ(Ticks(), "000");
    Click(1);
    EXPECT_EQ(Ticks(), "000") << "the text has no check";

    Click(2);
    EXPECT_EQ(Ticks(), "100");
    Key(Qt::Key_Down);
    Key(Qt::Key_Down);
    EXPECT_EQ(page->Grid().Current(), QPoint(0, 4));
    EXPECT_EQ(Ticks(), "100") << "moving does not tick";
    Key(Qt::Key_Space);
    EXPECT_EQ(Ticks(), "101");
    EXPECT_TRUE(page->IsOptionChosen("Music"));
}

TEST_F(QuestionGridTest, ASingleChoiceMovesItsChoiceAndMayBeCleared) {
    AskChoice(false, true);
    Click(3);
    EXPECT_EQ(Ticks(), "020");
    EXPECT_TRUE(page->OptionTicked(1));
    EXPECT_TRUE(page->IsOptionChosen("Maths"));
    Click(3);
    EXPECT_EQ(Ticks(), "000") << "allow-clear is on";
}

TEST_F(QuestionGridTest, ARefreshKeepsTheTicksAndLetsEveryRowScroll) {
    AskChoice(true, false);
    Click(4);
    EXPECT_EQ(page->Grid().FixedRows(), 0);
    page->Refresh(0);
    page->Refresh(1);
    EXPECT_EQ(Ticks(), "001");
    EXPECT_EQ(page->OptionCount(), 3);
    EXPECT_EQ(page->Grid().FixedRows(), 0);
}

TEST_F(QuestionGridTest, OptionsCarryTheirTargets) {
    page->ResetQuestion();
    page->AddMessage("Year", "Choose the year");
    page->AddOption("This year", true, year);
    page->AddOption("No year", false);
    EXPECT_EQ(page->OptionTarget(0), year);
    EXPECT_EQ(page->OptionTargetId(0), year->ID());
    EXPECT_EQ(page->OptionTarget(1), nullptr);
    EXPECT_EQ(page->OptionTargetId(1), 0);
    EXPECT_TRUE(page->OptionTicked(0));
    EXPECT_FALSE(page->IsOptionChosen("No year"));
}

TEST_F(QuestionGridTest, TheAnswerComesBackAsTyped) {
    page->ResetQuestion();
    page->AddQuestion("Name", "What is the class called?", "", "Class 4");
    page->Refresh(0);
    EXPECT_EQ(page->Answer(), "Class 4");
    const std::string tricky = "a < b and \"c\" & d\r\nsecond line </GML>";
    page->SetAnswer(tricky);
    EXPECT_EQ(page->Answer(), tricky);
    EXPECT_EQ(CellValue(page->Cell(0, 2), cell::kReadOnly), "FALSE") << "still an answer cell";

    Click(2);
    ASSERT_TRUE(page->IsEditing());
    page->Editor().selectAll();
    QTest::keyClicks(&page->Editor(), QStringLiteral("Typed <here>"));
    EXPECT_EQ(page->Answer(), "Typed <here>") << "text still in the editor counts";
    page->SetAnswer("Set");
    EXPECT_EQ(page->Answer(), "Set") << "a new answer replaces one being typed";
}

}  // namespace
}  // namespace vantaro::test
