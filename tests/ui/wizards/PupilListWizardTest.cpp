// The wizard window and the pupil list import, driven as a teacher would from the main window.

#include <QImage>
#include <QLabel>
#include <QPushButton>

#include <fstream>

#include "controllers/messages/TFrameQuestionGrid.h"
#include "domain/People.h"
#include "grid/CellEditor.h"
#include "ui/wizards/WizardFixture.h"

namespace vantaro::test {
namespace {

class PupilListWizardTest : public WizardFixture {
protected:
    bool RunImport(std::function<void(TFormWidzardControler&)> user) {
        const std::size_t before = Year().AssociationItems("PUPILS").size();
        RunFromMenu("ACTIONFILELOADPUPILWIZARD", std::move(user));
        return Year().AssociationItems("PUPILS").size() != before;
    }
    CPupil* Named(const std::string& text) {
        for (CStored* pupil : Year().AssociationItems("PUPILS"))
            if (pupil->DisplayText() == text) return static_cast<CPupil*>(pupil);
        return nullptr;
    }
};

TEST_F(PupilListWizardTest, ASpreadsheetExportImportsPageByPage) {
    dialogs.open = QString::fromStdString(WriteFile(
        "pupils.csv", "\xEF\xBB\xBF" "First,Initial,Last,Gender,DOB,Form\r\n\"Lee, Jr\",A,Zo\xC3\xAB,female,01/02/2001,Year 1\r\n"
                      "\r\nBo,,Ray,male,,New Form\r\nCy,,Orr,,,Year 1\r\n"));
    EXPECT_TRUE(RunImport([&](TFormWidzardControler& window) {
        EXPECT_EQ(window.windowTitle(), QStringLiteral("Load Pupil List Wizard"));
        EXPECT_EQ(StepText(window), "Step 1 of 3");
        EXPECT_FALSE(window.ButtonStartAgain().isEnabled());
        TFrameQuestionGrid& page = window.Question();
        PressCell(page, {0, 0});  // the heading opens the file dialog
        EXPECT_EQ(page.Answer(), dialogs.open.toStdString());
        PressCell(page, {0, 5});  // the file has a header
        Grab(window, "wizard-pupils-1.png");

        window.ButtonNext().click();
        EXPECT_EQ(StepText(window), "Step 2 of 3");
        ASSERT_EQ(page.OptionCount(), 3) << "the header and the blank line are left out";
        EXPECT_EQ(page.OptionText(0), "\"Lee, Jr\",A,Zo\xEB,female,01/02/2001,Year 1");
        PressCell(page, {0, 4});  // not Cy Orr
        Grab(window, "wizard-pupils-2.png");

        window.ButtonNext().click();
        EXPECT_EQ(StepText(window), "Step 3 of 3");
        EXPECT_EQ(window.ButtonNext().text(), QStringLiteral("Finish"));
        std::vector<std::string> offered;
        for (int option = 0; option < page.OptionCount(); ++option)
            if (page.OptionTicked(option)) offered.push_back(page.OptionText(option));
        EXPECT_EQ(offered, (std::vector<std::string>{"New Form", "Lee, Jr A Zo\xEB", "Bo Ray"}))
            << "Year 1 is the year's already";
        Grab(window, "wizard-pupils-3.png");
        window.ButtonNext().click();
    }));
    CPupil* lee = Named("Lee, Jr A Zo\xEB");
    ASSERT_NE(lee, nullptr);
    EXPECT_EQ(lee->GetRelation("FORM")->DisplayText(), "Year 1");
    EXPECT_EQ(lee->GetRelation("GENDER")->DisplayText(), "Female");
    ASSERT_NE(Named("Bo Ray"), nullptr);
    EXPECT_EQ(Named("Bo Ray")->GetRelation("FORM")->DisplayText(), "New Form");
    EXPECT_EQ(Named("Cy Orr"), nullptr);
    EXPECT_EQ(scratch.Objects().Count(), 0) << "the scratch store is emptied";
}

TEST_F(PupilListWizardTest, AMissingFileSaysWhyAndStartAgainForgetsThePage) {
    const std::string missing = Path("missing.csv");
    EXPECT_FALSE(RunImport([&](TFormWidzardControler& window) {
        TFrameQuestionGrid& page = window.Question();
        PressCell(page, {0, 2});
        QTest::keyClicks(&page.Editor(), QString::fromStdString(missing));
        window.ButtonNext().click();
        EXPECT_EQ(platform.prompts.prompts.back().caption, "Pupil List Not Read");
        EXPECT_NE(platform.prompts.prompts.back().text.find(missing), std::string::npos);
        EXPECT_EQ(StepText(window), "Step 1 of 3");
        EXPECT_EQ(page.Answer(), missing) << "the name is kept";

        std::ofstream(missing) << "Ann,,Lee,,,\n";
        window.ButtonNext().click();
        EXPECT_EQ(StepText(window), "Step 2 of 3");
        EXPECT_TRUE(window.ButtonStartAgain().isEnabled());
        window.ButtonStartAgain().click();
        EXPECT_EQ(StepText(window), "Step 1 of 3");
        EXPECT_EQ(page.Answer(), "") << "Start Again builds the first page afresh";
    })) << "Cancel imports nothing";
    EXPECT_FALSE(wizard.Start("NO_SUCH_WIZARD", nullptr, main.get())) << "an unknown name shows nothing";
}

}  // namespace
}  // namespace vantaro::test
