// From the planning organiser a teacher opens a lesson, plans it, records the class's
// achievements and evaluates it; all of it is there after saving and opening the year again.

#include <QMenu>

#include "grid/CellEditor.h"
#include "support/TempDir.h"
#include "ui/plan/PlanWindowTestSupport.h"
#include "ui/windows/ScriptedDialogs.h"
#include "windows/DataWindows.h"
#include "windows/main/TFormMain.h"
#include "windows/plan/TFormPlanData.h"
#include "windows/plan/TFrameEvaluationGrid.h"
#include "windows/plan/TFrameOutcomesGrid.h"
#include "windows/plan/TFramePlanGrid.h"

namespace vantaro::test {
namespace {

void TypeInto(TFrameGridAncestor& page, QPoint cell, const QString& text) {
    PressCell(page, cell);
    ASSERT_TRUE(page.IsEditing());
    QTest::keyClicks(&page.Editor(), text);
}

TEST(PlanningEndToEndTest, ALessonIsPlannedMarkedAndEvaluatedAndSurvivesSaveAndOpen) {
    FakePlatform platform;
    TempDir folder;
    CRovanFactory factory;
    CRovanFactory scratch;
    ScriptedDialogs dialogs;
    CFactory* previous = CFactory::MainFactory();
    factory.ReadSettings();
    factory.SetDeletedCountsAsHidden(true);
    factory.Settings().SingleClick = true;
    CFactory::SetMainFactory(&factory);
    {
        factory.NewDataStore(true);
        PlanFixture plans(*factory.Year());
        TFormMain main(factory, scratch, dialogs);
        InstallDataWindows(main);
        main.ActionFileDisplayFactoryExecute();
        main.show();

        TFrameGridAncestor& planning = *main.Views()[0];
        PressCell(planning, CellOf(planning, plans.lesson));
        ASSERT_EQ(main.DataWindows().size(), 1u);
        auto* window = qobject_cast<TFormPlanData*>(main.DataWindows()[0].data());
        ASSERT_NE(window, nullptr);
        EXPECT_FALSE(main.isVisible());

        TypeInto(window->PlanGrid(), {0, 2}, QStringLiteral("Add fractions"));
        window->RunAction(window->FindAction("ACTIONVIEWOUTCOMES"));
        TFrameGridAncestor& outcomes = window->OutcomesGrid();
        PressCell(outcomes, CellOf(outcomes, plans.outcome, plans.Anna()));
        PressCell(outcomes, CellOf(outcomes, plans.outcome, plans.Ben()), Qt::LeftButton, Qt::ShiftModifier);
        PressCell(outcomes, CellOf(outcomes, plans.outcome, plans.Ben()), Qt::RightButton);
        ChooseMenuEntry(window->OutcomesMenu(), QStringLiteral("Fully"));
        window->RunAction(window->FindAction("ACTIONVIEWEVALUATION"));
        TypeInto(window->EvaluationGrid(), {0, 1}, QStringLiteral("Went well"));
        EXPECT_EQ(CellDisplayText(window->EvaluationGrid().Cell(1, 1)), "Adds fractions (100%)");

        const std::string path = (folder.path() / "Maths.ods").string();
        dialogs.save = QString::fromStdString(path);
        window->RunAction(window->FindAction("ACTIONFORMSAVEAS"));
        window->RunAction(window->FindAction("ACTIONFORMSHOWMAINPLANNING"));
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        factory.NewDataStore(false);
        main.ActionFileDisplayFactoryExecute();
        dialogs.open = QString::fromStdString(path);
        platform.prompts.answer = false;
        main.ActionFileOpenExecute();
        ASSERT_NE(factory.Year(), nullptr);
        CLessonPlan* lesson = nullptr;
        for (CStored* subject : factory.Year()->AssociationItems("SUBJECTS"))
            if (const CLongTermPlan* plan = LongTermPlanOf(static_cast<CSubject&>(*subject), false))
                if (subject->GetAttributeValue("DESCRIPTION") == "Maths")
                    lesson = static_cast<CLessonPlan*>(plan->AssociationItem("LESSON_PLANS", 0));
        ASSERT_NE(lesson, nullptr);
        EXPECT_EQ(lesson->AssociationItem("OBJECTIVES", 0)->GetAttributeValue("DESCRIPTION"), "Add fractions");
        EXPECT_EQ(lesson->GetAttributeValue("EVALUATION"), "Went well");
        const CStored* outcome = lesson->AssociationItem("OUTCOMES", 0);
        ASSERT_EQ(outcome->LinkCount("ACHIEVEMENTS"), 2);
        for (int i = 0; i < 2; ++i) {
            const CLink* achievement = outcome->LinkItem("ACHIEVEMENTS", i);
            ASSERT_NE(achievement, nullptr);
            EXPECT_EQ(achievement->Target()->GetAttributeValue("DESCRIPTION"), "Fully");
            EXPECT_NE(achievement->Source()->GetRelation("SET"), nullptr) << "Anna and Ben, in Group A";
        }
    }
    CFactory::SetMainFactory(previous);
}

}  // namespace
}  // namespace vantaro::test
