// The plan window driven as a teacher would: writing a plan, recording the class's
// achievements over a range, lesson notes, the evaluation, its menus and printing.

#include <QAction>
#include <QImage>
#include <QMenu>

#include "domain/PupilRecords.h"
#include <filesystem>

#include "controllers/selection/TFormSelectionControler.h"
#include "controllers/selection/TFrameSelectionGrid.h"
#include "grid/CellEditor.h"
#include "grid/markup/CellMarkup.h"
#include "support/TempDir.h"
#include "ui/plan/PlanWindowTestSupport.h"
#include "windows/assessment/TFrameAssessmentNoteEditor.h"
#include "windows/notes/TFormNotesControler.h"
#include "windows/plan/TFormPlanData.h"
#include "windows/plan/TFrameEvaluationGrid.h"
#include "windows/plan/TFrameOutcomesGrid.h"
#include "windows/plan/TFramePlanGrid.h"

namespace vantaro::test {
namespace {

class PlanWindowTest : public ControllerTest {
protected:
    PlanWindowTest() {
        factory.SetDeletedCountsAsHidden(true);
        main.widget.show();
    }
    ~PlanWindowTest() override {
        if (window) window->CloseWithoutAsking();
    }

    TFormPlanData& Open(const std::vector<CStored*>& objects) {
        window = TFormPlanData::Open(main, objects);
        EXPECT_NE(window, nullptr);
        window->show();
        return *window;
    }
    TFrameGridAncestor& ShowView(const char* action) {
        window->RunAction(window->FindAction(action));
        return *window->CurrentView();
    }
    std::string Text(const TFrameGridAncestor& page, QPoint cell) {
        return CellDisplayText(page.Cell(cell.x(), cell.y()));
    }
    // Selects the achievement cells of the outcome from the first assessment's to the last's.
    void SelectAchievements(TFrameGridAncestor& page, CAssessment* first, CAssessment* last) {
        PressCell(page, CellOf(page, plans.outcome, first));
        PressCell(page, CellOf(page, plans.outcome, last), Qt::LeftButton, Qt::ShiftModifier);
    }
    CStored* AchievementOf(CAssessment* assessment) {
        return plans.outcome->GetLinkTarget("ACHIEVEMENTS", assessment);
    }

    FakeMain main;
    PlanFixture plans{*year};
    QPointer<TFormPlanData> window;
};

TEST_F(PlanWindowTest, ThePlanViewPairsItemsByRowAndTypedTextIsStored) {
    CLessonPlan& lesson = *plans.lesson;
    lesson.NewObjective();
    lesson.NewActivity();
    lesson.NewActivity();
    TFormPlanData& data = Open({&lesson});
    EXPECT_EQ(data.windowTitle().toStdString(), lesson.DisplayText());
    TFrameGridAncestor& page = data.PlanGrid();
    EXPECT_EQ(CellDisplayText(page.Cell(0, 0)), "Maths Plan For " + plans.Day(0)->DisplayText());
    ASSERT_EQ(page.Grid().RowCount(), 7) << "a title and three pairs: two objectives, three activities, one outcome";
    EXPECT_EQ(CellDisplayText(page.Cell(0, 1)), "Objective");
    EXPECT_EQ(CellDisplayText(page.Cell(1, 1)), "Activity");
    EXPECT_EQ(CellDisplayText(page.Cell(2, 1)), "Number");
    EXPECT_TRUE(page.Cell(0, 5).empty() && page.Cell(2, 5).empty()) << "the third pair has an activity only";
    EXPECT_FALSE(page.Cell(1, 6).empty());

    PressCell(page, {0, 2});
    ASSERT_TRUE(page.IsEditing());
    QTest::keyClicks(&page.Editor(), QStringLiteral("Add fractions"));
    PressCell(page, {1, 2});
    QTest::keyClicks(&page.Editor(), QStringLiteral("Pairs work"));
    data.RunAction(data.FindAction("ACTIONVIEWOUTCOMES"));
    EXPECT_EQ(lesson.AssociationItems("OBJECTIVES").front()->GetAttributeValue("DESCRIPTION"), "Add fractions");
    EXPECT_EQ(lesson.AssociationItems("ACTIVITIES").front()->GetAttributeValue("DESCRIPTION"), "Pairs work")
        << "switching views writes what was being typed";

    // Resources take no column, yet more of them than other items add empty pairs.
    auto* medium = LongTermPlanOf(*plans.subject, false)->NewMedimumTermPlan();
    for (int i = 0; i < 3; ++i) medium->NewResource();
    window->CloseWithoutAsking();
    TFormPlanData& mediumWindow = Open({medium});
    EXPECT_EQ(mediumWindow.PlanGrid().Grid().RowCount(), 7);
    EXPECT_TRUE(mediumWindow.PlanGrid().Cell(0, 5).empty() && mediumWindow.PlanGrid().Cell(1, 5).empty());
}

TEST_F(PlanWindowTest, OnlyPlansOfTheFirstPlansClassAreOpenedAndWithoutAnyNoWindowIsMade) {
    CLessonPlan* second = LessonPlanFor(*plans.subject, plans.Day(1), true);
    CStored* longTerm = LongTermPlanOf(*plans.subject, false);
    TFormPlanData& data = Open({plans.week, plans.lesson, longTerm, second});
    EXPECT_EQ(data.PlanGrid().ObjectList(), (std::vector<CStored*>{plans.lesson, second}));
    EXPECT_EQ(data.windowTitle().toStdString(), "Maths Plans");
    window->CloseWithoutAsking();

    EXPECT_EQ(TFormPlanData::Open(main, {plans.week, plans.subject}), nullptr);
    ASSERT_FALSE(platform.prompts.prompts.empty());
    EXPECT_EQ(platform.prompts.prompts.back().caption, "Missing Plans");
    EXPECT_EQ(platform.prompts.prompts.back().text, "There Are No Plans To Open, This window will now close.");
}

TEST_F(PlanWindowTest, TheOutcomesViewGroupsPupilsBySetWithTheirAchievementsAndNoteCategories) {
    plans.outcome->SetLink("ACHIEVEMENTS", plans.Anna(), plans.capabilities[1]);
    CNoteCategory* behaviour = year->NewNoteCategory();
    behaviour->SetAttributeValue("DESCRIPTION", "Behaviour");
    plans.Anna()->NewNote(plans.lesson)->SetRelation("NOTE_CATEGORY", behaviour);
    plans.Anna()->NewNote(plans.lesson);
    plans.Anna()->NewNote(nullptr);
    Open({plans.lesson});
    TFrameGridAncestor& page = ShowView("ACTIONVIEWOUTCOMES");

    EXPECT_EQ(page.Grid().FixedRows(), 4);
    EXPECT_EQ(page.Grid().FixedColumns(), 1);
    const int carl = CellOf(page, plans.Carl()).y();
    EXPECT_LT(carl, CellOf(page, plans.Anna()).y()) << "pupils without a set come first";
    EXPECT_EQ(CellDisplayText(page.Cell(0, carl + 1)), "Group A");
    EXPECT_EQ(CellOf(page, plans.Ben()).y(), CellOf(page, plans.Anna()).y() + 1);
    EXPECT_EQ(Text(page, CellOf(page, plans.Anna(), plans.lesson)), "Behaviour,No Category");

    const QPoint anna = CellOf(page, plans.outcome, plans.Anna());
    ASSERT_GE(anna.x(), 2);
    EXPECT_EQ(Text(page, anna), "Partly");
    EXPECT_EQ(CellValue(page.Cell(anna.x(), anna.y()), cell::kType), "3");
    EXPECT_EQ(CellValue(page.Cell(anna.x(), anna.y() + 1), cell::kType), "-1");
    EXPECT_EQ(CellDisplayText(page.Cell(anna.x(), 2)), "Number");
    EXPECT_EQ(CellDisplayText(page.Cell(anna.x(), 3)), "Adds fractions");
}

// Each command is given to the achievement cells of Anna and Ben, selected as a range.
TEST_F(PlanWindowTest, AchievementsAreSetOverTheSelectedRangeFromTheOutcomesMenu) {
    plans.NewCapability("Beyond", "1.5");
    CCapability* nearlyHalf = plans.NewCapability("Nearly half", "0.501");
    CCapability* justOverHalf = plans.NewCapability("Just over half", "0.504");
    struct Case {
        const char* entry;
        CStored* expected;
    };
    const Case cases[] = {
        {"Highest Capability", plans.capabilities[2]}, {"Lowest Capability", plans.capabilities[0]},
        {"Partly", plans.capabilities[1]},             {"Beyond", nullptr},
        {"Just over half", justOverHalf},              {"Nearly half", nearlyHalf},
        {"Delete Capability", nullptr},
    };
    Open({plans.lesson});
    TFrameGridAncestor& page = ShowView("ACTIONVIEWOUTCOMES");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        SelectAchievements(page, plans.Anna(), plans.Ben());
        PressCell(page, CellOf(page, plans.outcome, plans.Ben()), Qt::RightButton);
        ASSERT_TRUE(window->OutcomesMenu().isVisible());
        ChooseMenuEntry(window->OutcomesMenu(), QString::fromLatin1(c.entry));
        EXPECT_EQ(AchievementOf(plans.Anna()), c.expected);
        EXPECT_EQ(AchievementOf(plans.Ben()), c.expected);
        EXPECT_EQ(AchievementOf(plans.Carl()), nullptr) << "outside the range";
        EXPECT_EQ(plans.outcome->LinkCount("ACHIEVEMENTS"), c.expected ? 2 : 0) << "no capability leaves no link";
    }
}

TEST_F(PlanWindowTest, TheOutcomesMenuNeedsAnAptitudeAndAnAchievementRange) {
    Open({plans.lesson});
    TFrameGridAncestor& page = ShowView("ACTIONVIEWOUTCOMES");
    // Two columns selected: the commands, but no capability entries.
    COutcome* second = plans.lesson->NewOutcome();
    second->SetRelation("APTITUDE", plans.aptitude);
    window->Refresh(1);
    PressCell(page, CellOf(page, plans.outcome, plans.Anna()));
    PressCell(page, CellOf(page, second, plans.Anna()), Qt::LeftButton, Qt::ShiftModifier);
    PressCell(page, CellOf(page, second, plans.Anna()), Qt::RightButton);
    int entries = 0;
    for (QAction* entry : window->OutcomesMenu().actions()) entries += !entry->isSeparator();
    EXPECT_EQ(entries, 3);
    ChooseMenuEntry(window->OutcomesMenu(), QStringLiteral("Highest Capability"));
    EXPECT_EQ(second->GetLinkTarget("ACHIEVEMENTS", plans.Anna()), plans.capabilities[2]);
    EXPECT_EQ(AchievementOf(plans.Anna()), plans.capabilities[2]);

    second->SetRelation("APTITUDE", nullptr);
    PressCell(page, CellOf(page, second, plans.Ben()));
    PressCell(page, CellOf(page, second, plans.Ben()), Qt::RightButton);
    EXPECT_FALSE(window->OutcomesMenu().isVisible());
    EXPECT_EQ(platform.prompts.prompts.back().caption, "Outcome Aptitude Missing");

    // A range without achievement cells: a pupil's lesson notes.
    PressCell(page, CellOf(page, plans.Anna(), plans.lesson));
    window->RunAction(window->FindAction("ACTIONCHOOSEHIGHESTCAPABILITY"));
    EXPECT_EQ(platform.prompts.prompts.back().caption, "There Are Not Items Selected");
    EXPECT_EQ(platform.prompts.prompts.back().text, "Please select a range of Pupils and Outcomes to change");
}

TEST_F(PlanWindowTest, LessonNotesAreAddedByCategoryAndDeletedFromTheirMenu) {
    CNoteCategory* behaviour = year->NewNoteCategory();
    behaviour->SetAttributeValue("DESCRIPTION", "Behaviour");
    CNote* elsewhere = plans.Anna()->NewNote(nullptr);
    Open({plans.lesson});
    TFrameGridAncestor& page = ShowView("ACTIONVIEWOUTCOMES");
    const QPoint notes = CellOf(page, plans.Anna(), plans.lesson);
    PressCell(page, notes, Qt::RightButton);
    QMenu& menu = window->LessonNotesMenu();
    ASSERT_TRUE(menu.isVisible());
    EXPECT_EQ(menu.defaultAction()->text(), QStringLiteral("Lesson Notes..."));
    ChooseMenuEntry(menu, QStringLiteral("Behaviour"));
    ASSERT_EQ(plans.Anna()->AssociationCount("NOTES"), 2);
    CStored* note = plans.Anna()->AssociationItems("NOTES").back();
    EXPECT_EQ(note->GetRelation("LESSON_PLAN"), plans.lesson);
    EXPECT_EQ(note->GetRelation("NOTE_CATEGORY"), behaviour);
    EXPECT_EQ(note->GetAttributeValue("DATE").substr(0, 8), "20070315") << "written today";
    EXPECT_EQ(Text(page, CellOf(page, plans.Anna(), plans.lesson)), "Behaviour");

    PressCell(page, CellOf(page, plans.Anna(), plans.lesson), Qt::RightButton);
    ChooseMenuEntry(menu, QStringLiteral("Delete Lesson Notes"));
    EXPECT_EQ(note->Status(), StoredStatus::Deleted);
    EXPECT_NE(elsewhere->Status(), StoredStatus::Deleted) << "a note of no lesson stays";
    EXPECT_EQ(Text(page, CellOf(page, plans.Anna(), plans.lesson)), "");
}

TEST_F(PlanWindowTest, TheEvaluationShowsEachOutcomesAverageAsAPercentageAndAMeter) {
    COutcome* unmarked = plans.lesson->NewOutcome();
    unmarked->SetAttributeValue("DESCRIPTION", "Explains");
    plans.outcome->SetLink("ACHIEVEMENTS", plans.Anna(), plans.capabilities[0]);
    plans.outcome->SetLink("ACHIEVEMENTS", plans.Ben(), plans.capabilities[2]);
    Open({plans.lesson});
    TFrameGridAncestor& page = ShowView("ACTIONVIEWEVALUATION");
    EXPECT_EQ(CellDisplayText(page.Cell(0, 0)), "Maths Evaluation For " + plans.Day(0)->DisplayText());
    EXPECT_EQ(CellAttributeName(page.Cell(0, 1)), "EVALUATION");
    const QPoint marked = CellOf(page, plans.outcome);
    EXPECT_EQ(Text(page, marked), "Adds fractions (50%)");
    EXPECT_EQ(CellValue(page.Cell(marked.x(), marked.y()), cell::kType), "3");
    const QPoint none = CellOf(page, unmarked);
    EXPECT_EQ(Text(page, none), "Explains");
    EXPECT_EQ(CellValue(page.Cell(none.x(), none.y()), cell::kType), "-1");

    // Hidden pupils do not count towards the average.
    factory.SetHiddenIDs(std::to_string(plans.Ben()->GetRelation("PUPIL")->ID()));
    window->Refresh(1);
    EXPECT_EQ(Text(page, CellOf(page, plans.outcome)), "Adds fractions (0%)");
}

TEST_F(PlanWindowTest, TheCellMenuOffersWhatEachViewAllows) {
    Open({plans.lesson});
    TFrameGridAncestor& planPage = *window->CurrentView();
    PressCell(planPage, {0, 0}, Qt::RightButton);
    EXPECT_TRUE(window->FindAction("ACTIONADDOBJECTIVE")->isVisible());
    EXPECT_FALSE(window->PopupItemProperties()->isVisible());
    EXPECT_FALSE(window->PopupItemDelete()->isVisible()) << "a plan is not deleted from its own window";
    window->PopupMenu().hide();
    window->RunAction(window->FindAction("ACTIONADDOUTCOME"));
    EXPECT_EQ(plans.lesson->AssociationCount("OUTCOMES"), 2);

    TFrameGridAncestor& outcomes = ShowView("ACTIONVIEWOUTCOMES");
    PressCell(outcomes, CellOf(outcomes, plans.subject), Qt::RightButton);
    EXPECT_TRUE(window->FindAction("ACTIONSHOWSETS")->isVisible());
    EXPECT_FALSE(window->PopupItemDelete()->isVisible());
    window->PopupMenu().hide();

    TFrameGridAncestor& evaluation = ShowView("ACTIONVIEWEVALUATION");
    PressCell(evaluation, CellOf(evaluation, plans.outcome), Qt::RightButton);
    EXPECT_TRUE(window->PopupItemProperties()->isVisible());
    EXPECT_FALSE(window->PopupItemDelete()->isVisible());
    window->PopupMenu().hide();
}

TEST_F(PlanWindowTest, AnObjectivesCategoryIsChosenFromItsHeading) {
    CObjectiveCategory* recall = year->NewObjectiveCategory();
    recall->SetAttributeValue("DESCRIPTION", "Recall");
    factory.Settings().SingleClick = true;
    Open({plans.lesson});
    bool chose = false;
    WhenModal([&](QWidget&) {
        auto* chooser = ModalWindow<TFormSelectionControler>();
        ASSERT_NE(chooser, nullptr);
        ClickText(chooser->Page(), "Recall");
        chose = true;
        QTest::mouseClick(&chooser->ButtonOK(), Qt::LeftButton);
    });
    PressCell(window->PlanGrid(), {0, 1});
    EXPECT_TRUE(chose);
    EXPECT_EQ(plans.lesson->AssociationItems("OBJECTIVES").front()->GetRelation("OBJECTIVE_CATEGORY"), recall);
    EXPECT_EQ(CellDisplayText(window->PlanGrid().Cell(0, 1)), "Recall");
}

TEST_F(PlanWindowTest, LessonNotesOpenInTheNotesWindowForThatLessonOnly) {
    plans.Anna()->NewNote(nullptr)->SetAttributeValue("DESCRIPTION", "Not this lesson");
    factory.Settings().SingleClick = true;
    Open({plans.lesson});
    TFrameGridAncestor& page = ShowView("ACTIONVIEWOUTCOMES");
    bool shown = false;
    WhenModal([&](QWidget&) {
        auto* notes = ModalWindow<TFormNotesControler>();
        ASSERT_NE(notes, nullptr);
        EXPECT_EQ(notes->windowTitle(), QStringLiteral("Lesson notes"));
        TFrameGridAncestor& lessonNotes = notes->LessonNotesPage();
        EXPECT_EQ(RowOf(lessonNotes, "Not this lesson"), -1);
        PressCell(lessonNotes, {0, 0});  // the title adds a note to this lesson
        PressCell(lessonNotes, {0, lessonNotes.Grid().RowCount() - 1});
        EXPECT_TRUE(lessonNotes.IsEditing());
        QTest::keyClicks(&lessonNotes.Editor(), QStringLiteral("Helped Ben"));
        EXPECT_TRUE(notes->grab().toImage().save(QStringLiteral(VANTARO_BINARY_DIR "/notes-window-lesson.png")));
        shown = true;
        QTest::mouseClick(&notes->ButtonClose(), Qt::LeftButton);
    });
    PressCell(page, CellOf(page, plans.Anna(), plans.lesson));
    ASSERT_TRUE(shown);
    ASSERT_EQ(plans.Anna()->AssociationCount("NOTES"), 2);
    const CStored* note = plans.Anna()->AssociationItems("NOTES").back();
    EXPECT_EQ(note->GetRelation("LESSON_PLAN"), plans.lesson);
    EXPECT_EQ(note->GetAttributeValue("DESCRIPTION"), "Helped Ben") << "Close writes what was typed";
    EXPECT_EQ(Text(page, CellOf(page, plans.Anna(), plans.lesson)), "No Category") << "the page shows the new note";
}

TEST_F(PlanWindowTest, EveryViewPrintsToPdf) {
    TempDir folder;
    Open({plans.lesson});
    for (const char* action : {"ACTIONVIEWPLAN", "ACTIONVIEWOUTCOMES", "ACTIONVIEWEVALUATION"}) {
        TFrameGridAncestor& view = ShowView(action);
        const std::filesystem::path file = folder.path() / (std::string(action) + ".pdf");
        ASSERT_TRUE(view.SaveAsPdf(QString::fromStdString(file.string())));
        EXPECT_GT(std::filesystem::file_size(file), 1000u);
    }
}

}  // namespace
}  // namespace vantaro::test
