// The window base: the cell context, actions by name, the cell menu, errors, and the actions that
// need no other window.

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "domain/Lookups.h"
#include "controllers/messages/TFormDateSelector.h"
#include "domain/Plans.h"
#include "routines/DateTime.h"
#include "domain/PupilRecords.h"
#include "domain/Subjects.h"
#include "domain/Timetable.h"
#include "grid/markup/CellMarkup.h"
#include "routines/Errors.h"
#include "ui/controllers/ControllerTestSupport.h"

namespace vantaro::test {
namespace {

class ControllerBaseTest : public ControllerTest {};

TEST_F(ControllerBaseTest, ACellGivesTargetSourceAndAnActionFoundByItsName) {
    CPupil* pupil = year->NewPupil();
    window.SetCellContext(LinkCell(pupil, {.action = "actionnewabsence", .target = pupil, .source = year}));
    EXPECT_EQ(window.CurrentTarget(), pupil);
    EXPECT_EQ(window.CurrentSource(), year);
    ASSERT_NE(window.CurrentAction(), nullptr);
    EXPECT_EQ(window.CurrentAction()->objectName(), QStringLiteral("ActionNewAbsence"));
    EXPECT_EQ(window.ActionImageIndex("ACTIONNEWABSENCE"), 4);
    window.SetCellContext(LabelCell("x", {.action = "ActionNoSuchThing"}));
    EXPECT_EQ(window.CurrentAction(), nullptr);
    EXPECT_EQ(window.ActionImageIndex("ACTIONNOSUCHTHING"), -1) << "no image for an unknown action";
    window.SetCellContext("");
    EXPECT_EQ(window.CurrentTarget(), nullptr);
}

TEST_F(ControllerBaseTest, TheCellMenuShowsWhatTheTargetAllows) {
    CSubject* subject = year->NewSubject();
    CLessonPlan* plan = LongTermPlanOf(*subject, true)->NewLessonPlan();
    struct Case {
        const char* name;
        std::string markup;
        bool defaultShown;
        bool propertiesShown;
        const char* deleteCaption;
    };
    const std::vector<Case> cases = {
        {"the year", LinkCell(year, {.action = "ActionNewPupil", .target = year}), true, false, nullptr},
        {"a teaching day", LinkCell(year->NewTeachingDay(), {.target = year->NewTeachingDay()}), false, false, nullptr},
        {"a lesson plan", LinkCell(plan, {.target = plan}), false, true, "Delete Lesson Plan"},
        {"no target", LabelCell("x"), false, false, nullptr},
    };
    for (const Case& c : cases) {
        window.ShowCellMenu(0, 0, c.markup);
        EXPECT_EQ(window.PopupItemDefaultAction()->isVisible(), c.defaultShown) << c.name;
        EXPECT_EQ(window.PopupItemProperties()->isVisible(), c.propertiesShown) << c.name;
        EXPECT_EQ(window.PopupItemDelete()->isVisible(), c.propertiesShown) << c.name;
        if (c.deleteCaption) {
            EXPECT_EQ(window.PopupItemDelete()->text().toStdString(), c.deleteCaption) << c.name;
        }
    }
    window.ShowCellMenu(0, 0, cases[0].markup);
    EXPECT_EQ(window.PopupItemDefaultAction()->text().toStdString(), "New Pupil...");
}

TEST_F(ControllerBaseTest, AnErrorInAnActionIsReportedAndTheWindowGoesOn) {
    window.AddAction("ActionFail", "Fail", -1, {}, [] { throw EConvertError("'x7' is not a valid integer value"); });
    Run(LabelCell("x", {.action = "ActionFail"}));
    ASSERT_EQ(platform.prompts.prompts.size(), 1u);
    EXPECT_EQ(platform.prompts.prompts[0].text, "'x7' is not a valid integer value");
}

TEST_F(ControllerBaseTest, AWindowMayGiveASharedActionItsOwnHandler) {
    int runs = 0;
    window.SetHandler("ActionNewPupil", [&runs] { ++runs; });
    Run(LabelCell("x", {.action = "ActionNewPupil", .target = year}));
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(year->AssociationItems("PUPILS").empty());
}

TEST_F(ControllerBaseTest, SwopBooleanSetsTrueUnlessTheValueIsTrue) {
    CTeachingDay* day = year->NewTeachingDay();
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"FALSE", "TRUE"}, {"", "TRUE"}, {"true", "TRUE"}, {"TRUE", "FALSE"}};
    const std::string cell =
        ParameterDataCell(day, "INCLUDE_IN_LESSON_PLANING", {.action = "ActionSwopBoolean", .target = day});
    window.page->rows = {cell};
    window.page->Refresh(0);
    for (const auto& [before, after] : cases) {
        day->SetAttributeValue("INCLUDE_IN_LESSON_PLANING", before);
        QTest::mouseDClick(window.page->Grid().viewport(), Qt::LeftButton, {},
                           window.page->Grid().CellRect(0, 0).center());
        EXPECT_EQ(day->GetAttributeValue("INCLUDE_IN_LESSON_PLANING"), after) << '"' << before << '"';
    }
}

TEST_F(ControllerBaseTest, ChooseDateStartsOnTheStoredDateOrTodayAndStoresTheDayPicked) {
    CTerm* term = year->NewTerm();
    const std::string cell = ParameterDataCell(term, "START_DATE", {.action = "ActionChooseDate", .target = term});
    window.page->rows = {cell};
    window.page->Refresh(0);
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"-2", "20070315"}, {"-1", "20070315"}, {"", "20070315"}, {"20060901", "20060901"}};
    for (const auto& [stored, shown] : cases) {
        term->SetAttributeValue("START_DATE", stored);
        std::string started;
        WhenModal([&started](QWidget& modal) {
            auto* selector = qobject_cast<TFormDateSelector*>(&modal);
            ASSERT_NE(selector, nullptr);
            started = FormatStoredDate(selector->Date());
            QTest::mouseClick(&selector->ButtonOK(), Qt::LeftButton);
        });
        QTest::mouseDClick(window.page->Grid().viewport(), Qt::LeftButton, {},
                           window.page->Grid().CellRect(0, 0).center());
        EXPECT_EQ(started, shown) << '"' << stored << '"';
        EXPECT_EQ(term->GetAttributeValue("START_DATE"), shown) << '"' << stored << '"';
    }
}

TEST_F(ControllerBaseTest, DeleteAsksAndTrashesButNeverTheYearOrATeachingDay) {
    CPupil* pupil = year->NewPupil();
    pupil->SetAttributeValue("FIRST_NAME", "Ann");
    Run(LinkCell(pupil, {.action = "ActionTargetDelete", .target = pupil}));
    ASSERT_EQ(platform.prompts.prompts.size(), 1u);
    EXPECT_EQ(platform.prompts.prompts[0].caption, "Confirm Delete");
    EXPECT_EQ(platform.prompts.prompts[0].text, "Do you wish to delete the Pupil;\r\nAnn");
    EXPECT_EQ(pupil->Status(), StoredStatus::Deleted);
    CTeachingDay* day = year->NewTeachingDay();
    Run(LinkCell(day, {.action = "ActionTargetDelete", .target = day}));
    Run(LinkCell(year, {.action = "ActionTargetDelete", .target = year}));
    EXPECT_EQ(platform.prompts.prompts.size(), 1u) << "not even asked";
    EXPECT_NE(day->Status(), StoredStatus::Deleted);
}

TEST_F(ControllerBaseTest, NotesAbsencesAndPlanItemsAreAddedToTheTarget) {
    CPupil* pupil = year->NewPupil();
    Run(LinkCell(pupil, {.action = "ActionNewAbsence", .target = pupil}));
    ASSERT_EQ(pupil->AssociationItems("ABSENCES").size(), 1u);
    EXPECT_EQ(pupil->AssociationItems("ABSENCES")[0]->GetAttributeValue("DATE"), "20070315 12:00:00");
    Run(LinkCell(pupil, {.action = "ActionAddPupilNote", .target = pupil}));
    EXPECT_EQ(pupil->AssociationItems("NOTES").size(), 1u);
    Run(LinkCell(pupil, {.action = "ActionAddFormTeacherComment", .target = pupil}));
    ASSERT_EQ(pupil->AssociationItems("COMMENTS").size(), 1u);
    EXPECT_EQ(pupil->AssociationItems("COMMENTS")[0]->GetAttributeText("TITLE"), "Form Teacher's Comments");

    CSubject* subject = year->NewSubject();
    CDay* day = year->NewTerm()->NewWeek()->NewDay();
    platform.prompts.answer = false;
    Run(LinkCell(subject, {.action = "ActionCreateLessonPlan", .target = subject, .source = day}));
    EXPECT_EQ(LessonPlanFor(*subject, day, false), nullptr) << "answered No";
    platform.prompts.answer = true;
    Run(LinkCell(subject, {.action = "ActionCreateLessonPlan", .target = subject, .source = day}));
    EXPECT_EQ(platform.prompts.prompts.back().caption, "Create New Plan");
    EXPECT_NE(LessonPlanFor(*subject, day, false), nullptr);
}

TEST_F(ControllerBaseTest, PreviewSwapsTheMenusAndToolBarForThePreviewsOwn) {
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("File"));
    window.ToolBar().addAction(window.FindAction("ACTIONVIEWREFRESH"));
    window.page->rows = {TextCell("printed")};
    window.page->Refresh(0);
    window.RunAction(window.FindAction("ACTIONPREVIEWVIEW"));
    EXPECT_TRUE(window.InPrintMode());
    EXPECT_TRUE(window.page->IsPreviewShowing());
    EXPECT_FALSE(file->menuAction()->isVisible());
    EXPECT_FALSE(window.ToolBar().isVisible());
    EXPECT_TRUE(window.PrintBar().isVisible());
    QStringList menu;
    for (QAction* entry : window.PrintMenu().actions()) menu << (entry->isSeparator() ? QStringLiteral("-") : entry->text());
    EXPECT_EQ(menu.join(QLatin1Char(',')).toStdString(),
              "Landscape,Portrate,-,First Page,Prior Page,Next Page,Last Page,-,Zoom To Fit,Zoom To Page Width,-,"
              "Print,-,Close Preview");
    EXPECT_EQ(window.PrintBar().actions().size(), 10);
    window.RunAction(window.FindAction("ACTIONPRINTFORMVIEW"));
    EXPECT_FALSE(window.page->IsPreviewShowing());
    EXPECT_TRUE(file->menuAction()->isVisible());
    EXPECT_TRUE(window.ToolBar().isVisible());
    EXPECT_FALSE(window.PrintBar().isVisible());
}

}  // namespace
}  // namespace vantaro::test
