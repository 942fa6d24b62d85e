// The wizard window and the pupil list import, driven as a teacher would from the main window.

#include <QImage>
#include <QLabel>
#include <QPushButton>

#include <fstream>

#include "controllers/messages/TFrameQuestionGrid.h"
#include "domain/People.h"
#include "grid/CellEditor.h"
#include "ui/controllers/ControllerTestSupport.h"
#include "ui/windows/MainWindowFixture.h"
#include "wizards/TFormWidzardControler.h"
#include "wizards/Wizards.h"

namespace vantaro::test {
namespace {

class PupilListWizardTest : public MainWindowFixture {
protected:
    PupilListWizardTest() : wizard(InstallWizards(*main, scratch, dialogs)) { factory.Settings().SingleClick = true; }

    std::string WriteFile(const char* name, const std::string& bytes) {
        const std::string path = Path(name);
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    // Runs the import from the main window; the user acts on the wizard while it is open.
    bool RunImport(std::function<void(TFormWidzardControler&)> user) {
        bool shown = false;
        QTimer::singleShot(0, [&] {
            auto* window = qobject_cast<TFormWidzardControler*>(QApplication::activeModalWidget());
            ASSERT_NE(window, nullptr);
            shown = true;
            user(*window);
            if (window->isVisible()) window->ButtonCancel().click();
        });
        const std::size_t before = Year().AssociationItems("PUPILS").size();
        main->RunAction(main->FindAction("ACTIONFILELOADPUPILWIZARD"));
        EXPECT_TRUE(shown);
        return Year().AssociationItems("PUPILS").size() != before;
    }
    static std::string StepText(const TFormWidzardControler& window) { return window.StepLabel().text().toStdString(); }
    static void Grab(TFormWidzardControler& window, const char* name) {
        QApplication::processEvents();
        EXPECT_TRUE(window.grab().toImage().save(QStringLiteral(VANTARO_BINARY_DIR "/") + QLatin1String(name)));
    }
    CPupil* Named(const std::string& text) {
        for (CStored* pupil : Year().AssociationItems("PUPILS"))
            if (pupil->DisplayText() == text) return static_cast<CPupil*>(pupil);
        return nullptr;
    }

    TFormWidzardControler& wizard;
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
