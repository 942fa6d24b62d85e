// The options, statements, file data, search and backup wizards, driven as a teacher would.

#include <QFile>

#include <fstream>
#include <iterator>

#include "controllers/messages/TFrameQuestionGrid.h"
#include "controllers/property/TFramePropertyGrid.h"
#include "domain/Curricula.h"
#include "domain/Subjects.h"
#include "grid/CellEditor.h"
#include "grid/markup/CellMarkup.h"
#include "grid/markup/CellReaders.h"
#include "ui/plan/PlanWindowTestSupport.h"
#include "ui/wizards/WizardFixture.h"
#include "windows/DataWindows.h"
#include "windows/LocalPath.h"

namespace vantaro::test {
namespace {

std::vector<std::string> MemberTexts(const CStored& owner, const char* association) {
    std::vector<std::string> texts;
    for (const CStored* member : owner.AssociationItems(association)) texts.push_back(member->DisplayText());
    return texts;
}

class OtherWizardsTest : public WizardFixture {
protected:
    // Types into the page's answer cell as the user would.
    static void Type(TFrameQuestionGrid& page, const QString& text) {
        PressCell(page, {0, 2});
        page.Editor().selectAll();
        QTest::keyClicks(&page.Editor(), text);
    }
    // The option (a row with a check box) that shows the text.
    static QPoint OptionShowing(const TFrameQuestionGrid& page, const std::string& text) {
        for (int row = 0; row < page.Grid().RowCount(); ++row)
            if (CellHas(page.Cell(0, row), cell::kCheck) && CellDisplayText(page.Cell(0, row)) == text) return {0, row};
        ADD_FAILURE() << "no option shows " << text;
        return {0, 0};
    }
    static std::vector<std::string> TickedOptions(const TFrameQuestionGrid& page) {
        std::vector<std::string> ticked;
        for (int option = 0; option < page.OptionCount(); ++option)
            if (page.OptionTicked(option)) ticked.push_back(page.OptionText(option));
        return ticked;
    }
    CFactorySettings& Settings() { return factory.Settings(); }
};

TEST_F(OtherWizardsTest, OptionsShowTheSettingsOnOnePageAndFinishSetsThem) {
    Settings().CompressDatastore = true;
    Settings().AnnualReportFullTitle = false;
    Settings().SimpleView = true;
    RunFromMenu("ACTIONVIEWOPTIONS", [&](TFormWidzardControler& window) {
        EXPECT_EQ(StepText(window), "Step 1 of 1");
        EXPECT_FALSE(window.ButtonStartAgain().isEnabled());
        EXPECT_EQ(window.ButtonNext().text(), QStringLiteral("Finish"));
        TFrameQuestionGrid& page = window.Question();
        EXPECT_EQ(TickedOptions(page), (std::vector<std::string>{"Respond To Single Click", "Compress Data Store"}));
        PressCell(page, OptionShowing(page, "Compress Data Store"));
        Grab(window, "wizard-options.png");
        window.ButtonNext().click();
    });
    EXPECT_FALSE(Settings().CompressDatastore);
    EXPECT_TRUE(Settings().SingleClick);
    EXPECT_FALSE(Settings().SimpleView);
}

TEST_F(OtherWizardsTest, BuildStatementsKeepsTheTickedSentencesOfTheParagraph) {
    CCurriculumLevel* level = static_cast<CCurriculum*>(Year().AssociationItems("CURRICULUMS").front())
                                  ->NewAttainment()->NewCurriculumLevel();
    EXPECT_TRUE(RunByName("BUILD_STATEMENTS", level, [&](TFormWidzardControler& window) {
        TFrameQuestionGrid& page = window.Question();
        Type(page, QStringLiteral("Counts to ten. Adds two numbers?. Reads & writes. And then"));
        window.ButtonNext().click();
        EXPECT_EQ(TickedOptions(page), (std::vector<std::string>{"Counts to ten", "Adds two numbers", "Reads & writes"}))
            << "no empty sentence, nor the words after the last mark";
        PressCell(page, OptionShowing(page, "Adds two numbers"));
        EXPECT_EQ(TickedOptions(page).size(), 2u) << "unticking one leaves the others";
        Grab(window, "wizard-statements.png");
        window.ButtonNext().click();
    })) << (platform.prompts.prompts.empty() ? "" : platform.prompts.prompts.back().text);
    EXPECT_EQ(MemberTexts(*level, "CURRICULUM_STATEMENTS"), (std::vector<std::string>{"Counts to ten", "Reads & writes"}));

    CSubjectLevel* subjectLevel = static_cast<CSubject*>(Year().AssociationItems("SUBJECTS").front())->NewSubjectLevel();
    EXPECT_TRUE(RunByName("BUILD_STATEMENTS", subjectLevel, [&](TFormWidzardControler& window) {
        Type(window.Question(), QStringLiteral("Plays fair."));
        window.ButtonNext().click();
        window.ButtonNext().click();
    }));
    EXPECT_EQ(MemberTexts(*subjectLevel, "SUBJECT_STATEMENTS"), (std::vector<std::string>{"Plays fair"}));
}

TEST_F(OtherWizardsTest, FileDataShowsTheChosenListAlone) {
    RunFromMenu("ACTIONSHOWFILEDATAWIZARD", [&](TFormWidzardControler& window) {
        PressCell(window.Question(), OptionShowing(window.Question(), "Staff"));
        window.ButtonNext().click();
        EXPECT_TRUE(window.Property().isVisible());
        EXPECT_FALSE(window.Question().isVisible());
        EXPECT_GE(RowShowing(window.Property(), "Staff"), 0);
        EXPECT_EQ(RowShowing(window.Property(), "Forms"), -1);
        EXPECT_EQ(RowShowing(window.Property(), "School Name"), -1);
        Grab(window, "wizard-file-data.png");
        window.ButtonStartAgain().click();
        EXPECT_TRUE(window.Question().isVisible()) << "Start Again goes back to the question";
    });
}

TEST_F(OtherWizardsTest, SearchFindsLivePlansAndEveryPupilOfANameAndOpensThem) {
    InstallDataWindows(*main);
    PlanFixture plans(Year());
    CLessonPlan* deleted = LessonPlanFor(*plans.subject, plans.Day(1), true);
    deleted->AssociationItems("OUTCOMES").front()->SetAttributeValue("DESCRIPTION", "More fractions");
    factory.MoveToTrash(deleted);
    LongTermPlanOf(*plans.subject, true)->NewObjective()->SetAttributeValue("DESCRIPTION", "Fractions all year");
    RunFromMenu("ACTIONSHOWSEARCHWIZARD", [&](TFormWidzardControler& window) {
        TFrameQuestionGrid& page = window.Question();
        window.ButtonNext().click();
        EXPECT_EQ(StepText(window), "Step 1 of 3") << "no organiser chosen";
        PressCell(page, OptionShowing(page, "Planning Organiser"));
        window.ButtonNext().click();
        Type(page, QStringLiteral("FRACTIONS"));
        window.ButtonNext().click();
        EXPECT_EQ(CellDisplayText(page.Cell(0, 0)), "Search Has Found The Following 2 Items");
        const std::vector<std::string> found = TickedOptions(page);
        EXPECT_EQ(std::count(found.begin(), found.end(), plans.lesson->DisplayText()), 1)
            << "the lesson, and the long-term plan; not the plan in the trash";
        Grab(window, "wizard-search.png");
        window.ButtonNext().click();
    });
    QApplication::processEvents();
    ASSERT_EQ(main->DataWindows().size(), 2u) << "a plan window for each class of plan found";
    for (const auto& opened : std::vector(main->DataWindows())) opened->CloseWithoutAsking();

    CPupil* second = Year().NewPupil();
    second->SetAttributeValue("FIRST_NAME", "Anna");
    second->SetAttributeValue("LAST_NAME", "Anna");
    RunFromMenu("ACTIONSHOWSEARCHWIZARD", [&](TFormWidzardControler& window) {
        TFrameQuestionGrid& page = window.Question();
        PressCell(page, OptionShowing(page, "Report Organiser"));
        window.ButtonNext().click();
        Type(page, QStringLiteral("anna"));
        window.ButtonNext().click();
        EXPECT_EQ(TickedOptions(page), (std::vector<std::string>{"Anna Anna", "Anna Anna"})) << "one result each";
    });
}

TEST_F(OtherWizardsTest, BackupRefusesTheStoreItselfAndWritesACompressedCopyThatOpens) {
    Settings().CompressDatastore = false;
    Settings().BackupPath = ToLocalPath(QString::fromStdString(folder.path().string()));
    dialogs.save = QString::fromStdString(Path("Year.ods"));
    ASSERT_TRUE(main->ActionFileSaveAsExecute());
    RunFromMenu("ACTIONSHOWBACKUPWIZARD", [&](TFormWidzardControler& window) {
        TFrameQuestionGrid& page = window.Question();
        EXPECT_EQ(page.Answer(), Path("BACKUP OF Year.ods"));
        Type(page, QString::fromStdString(Path("Year")));
        window.ButtonNext().click();
        EXPECT_EQ(platform.prompts.prompts.back().caption, "Backup Failed");
        EXPECT_EQ(StepText(window), "Step 1 of 2") << "back to the name";
        Type(page, QString::fromStdString(Path("Copy")));
        window.ButtonNext().click();
        EXPECT_EQ(CellDisplayText(page.Cell(0, 0)), "Backup Successful");
        EXPECT_EQ(CellDisplayText(page.Cell(0, 1)), Path("Copy.ods"));
        Grab(window, "wizard-backup.png");
        window.ButtonNext().click();
    });
    EXPECT_EQ(factory.FileName(), Path("Year.ods"));
    EXPECT_TRUE(factory.HasChanges()) << "the store itself still asks to be saved";
    EXPECT_FALSE(Settings().CompressDatastore);
    QFile copy(QString::fromStdString(Path("Copy.ods")));
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.read(7).mid(2), QByteArray("-lh5-")) << "compressed all the same";
    CRovanFactory reopened;
    reopened.Open(Path("Copy.ods"));
    EXPECT_EQ(reopened.Year()->DisplayText(), Year().DisplayText());
}

TEST_F(OtherWizardsTest, ABackupOverAnotherFileAsksFirstAndOneThatFailsSaysWhy) {
    std::ofstream(Path("Old.ods")) << "an older backup";
    RunFromMenu("ACTIONSHOWBACKUPWIZARD", [&](TFormWidzardControler& window) {
        TFrameQuestionGrid& page = window.Question();
        platform.prompts.answers = {false};
        Type(page, QString::fromStdString(Path("Old.ods")));
        window.ButtonNext().click();
        EXPECT_EQ(platform.prompts.prompts.back().caption, "Replace Backup");
        EXPECT_EQ(StepText(window), "Step 1 of 2") << "No keeps the old file";
        Type(page, QString::fromStdString(Path("no such folder/Copy")));
        window.ButtonNext().click();
        EXPECT_EQ(CellDisplayText(page.Cell(0, 0)), "Backup Failed");
        EXPECT_NE(CellDisplayText(page.Cell(0, 1)), "") << "with the reason";
    });
    std::ifstream old(Path("Old.ods"));
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(old), {}), "an older backup");
    EXPECT_EQ(factory.FileName(), "");
}

// Each wizard starts on its first page, captioned with its name, and Cancel leaves the year.
TEST_F(OtherWizardsTest, EveryWizardStartsOnItsFirstPageAndCancels) {
    CStored* level = static_cast<CCurriculum*>(Year().AssociationItems("CURRICULUMS").front())
                         ->NewAttainment()->NewCurriculumLevel();
    const struct {
        const char* name;
        const char* caption;
        const char* pages;
    } wizards[] = {{"LOAD_PUPIL_LIST_WIZARD", "Load Pupil List Wizard", "Step 1 of 3"},
                   {"FACTORY_OPTIONS", "Factory Options", "Step 1 of 1"},
                   {"BUILD_STATEMENTS", "Build Statements", "Step 1 of 2"},
                   {"FILE_DATA", "File Data", "Step 1 of 2"},
                   {"SEARCH_ORGANISERS", "Search Organisers", "Step 1 of 3"},
                   {"BACKUP", "Backup", "Step 1 of 2"}};
    const bool changed = factory.HasChanges();
    for (const auto& wizard : wizards) {
        EXPECT_FALSE(RunByName(wizard.name, level, [&](TFormWidzardControler& window) {
            EXPECT_EQ(window.windowTitle().toStdString(), wizard.caption);
            EXPECT_EQ(StepText(window), wizard.pages) << wizard.name;
            window.ButtonCancel().click();
        }));
    }
    EXPECT_EQ(factory.HasChanges(), changed);
}

}  // namespace
}  // namespace vantaro::test
