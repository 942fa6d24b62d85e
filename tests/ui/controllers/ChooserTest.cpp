// The chooser: its lists, its choices, and the Choose and Select actions that use it.

#include "controllers/property/TFormPropertyControler.h"
#include "controllers/property/TFramePropertyGrid.h"
#include "controllers/selection/TFormSelectionControler.h"
#include "controllers/selection/TFrameSelectionGrid.h"
#include "domain/Assessments.h"
#include "domain/Curricula.h"
#include "domain/Lookups.h"
#include "domain/PlanItems.h"
#include "domain/Subjects.h"
#include "domain/Timetable.h"
#include "grid/markup/CellMarkup.h"
#include "ui/controllers/ControllerTestSupport.h"

namespace vantaro::test {
namespace {

class ChooserTest : public ControllerTest {
protected:
    // Rows of the chooser's page as "text@level" (check after a colon), as shown.
    static std::vector<std::string> Rows(const TFrameSelectionGrid& page, int column = 0) {
        std::vector<std::string> rows;
        for (int row = 0; row < page.Grid().RowCount(); ++row) {
            const std::string& markup = page.Cell(column, row);
            if (markup.empty()) continue;
            const CellFacts facts = ReadCellFacts(markup);
            std::string text = CellDisplayText(markup) + "@" + std::to_string(facts.level);
            if (facts.check >= 0) text += ":" + std::to_string(facts.check);
            else if (facts.style == "HEADING") text += " heading";
            rows.push_back(text);
        }
        return rows;
    }

    // A chooser built and shown without running its loop, for looking at its page.
    void Build(TFormSelectionControler& chooser, bool multiple = false, bool columns = false) {
        chooser.Page().SetMultipleChoice(multiple);
        chooser.Page().SetColumnPerLevel(columns);
        chooser.SetCurrentView(&chooser.Page());
        chooser.show();
    }

    CStored* Named(CStored* object, const char* text) {
        object->SetAttributeValue("DESCRIPTION", text);
        return object;
    }
};

TEST_F(ChooserTest, ADayIsChosenFromTermsAndWeeksWalkedWithoutRows) {
    CTerm* term = year->NewTerm();
    CWeek* first = term->NewWeek();
    CDay* monday = first->NewDay();
    CDay* tuesday = first->NewDay();
    CDay* nextMonday = term->NewWeek()->NewDay();
    TFormSelectionControler chooser;
    chooser.AddLevel(year, "CHOOSE_A_DAY", "", "DAYS", "TERMS WEEKS DAYS");
    chooser.SetInitialChoice(std::to_string(tuesday->ID()));
    Build(chooser);
    EXPECT_EQ(Rows(chooser.Page()),
              (std::vector<std::string>{"Choose A Day@0", monday->DisplayText() + "@1:0", tuesday->DisplayText() + "@1:2",
                                        nextMonday->DisplayText() + "@1:0"}));
}

TEST_F(ChooserTest, ShallowerMembersBecomeGroupHeadings) {
    CCurriculum* curriculum = year->NewCurriculum();
    CAttainment* attainment = curriculum->NewAttainment();
    CCurriculumLevel* level = attainment->NewCurriculumLevel();
    TFormSelectionControler chooser;
    chooser.AddLevel(year, "SELECT_CURRICULUM_LEVELS", "", "CURRICULUMS ATTAINMENTS CURRICULUM_LEVELS",
                     "CURRICULUMS ATTAINMENTS CURRICULUM_LEVELS");
    Build(chooser, true);
    EXPECT_EQ(Rows(chooser.Page()),
              (std::vector<std::string>{"Select Curriculum Levels@0", curriculum->DisplayText() + "@1 heading",
                                        attainment->DisplayText() + "@2 heading", level->DisplayText() + "@3:0"}));
}

TEST_F(ChooserTest, InitialChoicesAreWholeIdsAndHiddenObjectsAreLeftOut) {
    std::vector<CPupil*> pupils;
    for (int i = 0; i < 12; ++i) pupils.push_back(year->NewPupil());
    factory.SetHiddenIDs(std::to_string(pupils[3]->ID()));
    const std::string wanted = std::to_string(pupils[1]->ID());
    TFormSelectionControler chooser;
    chooser.AddLevel(year, "SELECT", "", "PUPILS", "PUPILS");
    chooser.SetInitialChoice("," + wanted);
    Build(chooser, true);
    const std::vector<std::string> rows = Rows(chooser.Page());
    ASSERT_EQ(rows.size(), 12u) << "a title and eleven pupils shown";
    EXPECT_EQ(chooser.ChosenIds(), wanted) << "only the whole ID, with a leading comma in the list";
}

TEST_F(ChooserTest, ColumnPerLevelListsTheLastColumnsChoicesFirst) {
    CTerm* term = year->NewTerm();
    CForm* form = year->NewForm();
    TFormSelectionControler chooser;
    chooser.AddLevel(year, "TERMS", "", "TERMS", "TERMS");
    chooser.AddLevel(year, "FORMS", "", "FORMS", "FORMS");
    chooser.SetInitialChoice(std::to_string(term->ID()) + "," + std::to_string(form->ID()));
    Build(chooser, true, true);
    EXPECT_EQ(chooser.Page().Grid().ColumnCount(), 2);
    EXPECT_EQ(chooser.Page().Grid().ColumnWidth(0), chooser.Page().Grid().ColumnWidth(1));
    EXPECT_EQ(chooser.ChosenIds(), std::to_string(form->ID()) + "," + std::to_string(term->ID()));
}

TEST_F(ChooserTest, ChoosingNothingWithAllowClearClearsTheRelation) {
    CSubject* subject = year->NewSubject();
    CStaff* staff = year->NewStaff();
    staff->SetAttributeValue("LAST_NAME", "Hale");
    subject->SetRelation("TUTOR", staff);
    WhenModal([this, staff](QWidget&) {
        auto* chooser = ModalWindow<TFormSelectionControler>();
        ASSERT_NE(chooser, nullptr);
        ClickText(chooser->Page(), staff->DisplayText());
        EXPECT_EQ(chooser->ChosenObject(), nullptr) << "clicking the chosen item unchooses it";
        QTest::mouseClick(&chooser->ButtonOK(), Qt::LeftButton);
    });
    Run(LinkCell(subject, {.action = "ActionChooseTutor", .target = subject}));
    EXPECT_EQ(subject->GetRelation("TUTOR"), nullptr);
}

TEST_F(ChooserTest, CancelChangesNothingAndAChoiceWithoutAllowClearStays) {
    CPupil* pupil = year->NewPupil();
    CGender* gender = year->NewGender();
    pupil->SetRelation("GENDER", gender);
    WhenModal([this, gender](QWidget&) {
        auto* chooser = ModalWindow<TFormSelectionControler>();
        ASSERT_NE(chooser, nullptr);
        ClickText(chooser->Page(), gender->DisplayText());
        EXPECT_EQ(chooser->ChosenObject(), gender) << "a gender cannot be unchosen";
        QTest::mouseClick(&chooser->ButtonCancel(), Qt::LeftButton);
    });
    Run(LinkCell(pupil, {.action = "ActionChooseGender", .target = pupil}));
    EXPECT_EQ(pupil->GetRelation("GENDER"), gender);
}

// Choose Pupil offers New Pupil, whose property page offers Choose Form: the inner chooser must
// leave the outer one's list and ticks as they were.
TEST_F(ChooserTest, AChooserOpenedInsideAnotherLeavesTheOuterChoiceIntact) {
    factory.Settings().SingleClick = true;
    CSubject* subject = year->NewSubject();
    CPupil* ann = year->NewPupil();
    ann->SetAttributeValue("FIRST_NAME", "Ann");
    CPupil* bob = year->NewPupil();
    bob->SetAttributeValue("FIRST_NAME", "Bob");
    CForm* form = year->NewForm();
    CAssessment* assessment = AssessmentFor(*subject, ann, true);
    bool innerRan = false;

    WhenModal([&](QWidget&) {
        auto* outer = ModalWindow<TFormSelectionControler>();
        ASSERT_NE(outer, nullptr);
        ClickText(outer->Page(), "Bob");
        WhenModal([&](QWidget&) {
            auto* properties = ModalWindow<TFormPropertyControler>();
            ASSERT_NE(properties, nullptr);
            WhenModal([&](QWidget&) {
                auto* inner = ModalWindow<TFormSelectionControler>();
                ASSERT_NE(inner, nullptr);
                ASSERT_NE(inner, outer);
                ClickText(inner->Page(), form->DisplayText());
                innerRan = true;
                QTest::mouseClick(&inner->ButtonOK(), Qt::LeftButton);
            });
            ClickText(properties->Page(), "Form");
            QTest::mouseClick(&properties->ButtonCloseOK(), Qt::LeftButton);
        });
        ClickText(outer->Page(), "Choose A Pupil");
        EXPECT_EQ(outer->ChosenObject(), bob) << "the tick set before the new pupil was made is kept";
        EXPECT_EQ(outer->Page().Grid().RowCount(), 5) << "the new pupil is listed";
        QTest::mouseClick(&outer->ButtonOK(), Qt::LeftButton);
    });
    Run(LinkCell(assessment, {.action = "ActionChoosePupil", .target = assessment}));
    EXPECT_TRUE(innerRan);
    EXPECT_EQ(assessment->GetRelation("PUPIL"), bob);
    const std::vector<CStored*> pupils = year->AssociationItems("PUPILS");
    ASSERT_EQ(pupils.size(), 3u);
    EXPECT_EQ(pupils.back()->GetRelation("FORM"), form) << "the inner choice reached the new pupil";
}

TEST_F(ChooserTest, SelectStoresEveryChosenIdInTheAssociation) {
    CSubject* subject = year->NewSubject();
    CStored* reading = Named(year->NewObjectiveCategory(), "Reading");
    CStored* writing = Named(year->NewObjectiveCategory(), "Writing");
    WhenModal([this, reading, writing](QWidget&) {
        auto* chooser = ModalWindow<TFormSelectionControler>();
        ASSERT_NE(chooser, nullptr);
        ClickText(chooser->Page(), reading->DisplayText());
        ClickText(chooser->Page(), writing->DisplayText());
        QTest::mouseClick(&chooser->ButtonOK(), Qt::LeftButton);
    });
    Run(LinkCell(subject, {.action = "ActionSelectPresetObjectives", .target = subject}));
    EXPECT_EQ(subject->AssociationItems("PRESET_OBJECTIVES"), (std::vector<CStored*>{reading, writing}));
}

TEST_F(ChooserTest, TheYearsTeachingDaysAreThoseChosen) {
    std::vector<CTeachingDay*> days;
    for (int day = 1; day <= 7; ++day) days.push_back(TeachingDayOf(*year, day, true));
    SetTeachingDay(*year, 2, true);
    WhenModal([&days](QWidget& modal) {
        auto& chooser = static_cast<TFormSelectionControler&>(modal);
        EXPECT_EQ(chooser.ChosenIds(), std::to_string(days[1]->ID())) << "the included day starts chosen";
        ClickText(chooser.Page(), days[1]->DisplayText());
        ClickText(chooser.Page(), days[2]->DisplayText());
        QTest::mouseClick(&chooser.ButtonOK(), Qt::LeftButton);
    });
    Run(LinkCell(year, {.action = "ActionSelectTeachingDays", .target = year}));
    for (int day = 0; day < 7; ++day)
        EXPECT_EQ(days[day]->GetAttributeValue("INCLUDE_IN_LESSON_PLANING"), day == 2 ? "TRUE" : "FALSE") << day + 1;
}

TEST_F(ChooserTest, TheChooserIsGrabbed) {
    CTerm* term = year->NewTerm();
    for (int i = 0; i < 3; ++i) term->NewWeek()->NewDay();
    TFormSelectionControler chooser;
    chooser.AddLevel(year, "CHOOSE_A_TERM", "ActionNewTerm", "TERMS", "TERMS");
    chooser.AddLevel(year, "CHOOSE_A_DAY", "", "DAYS", "TERMS WEEKS DAYS");
    chooser.SetInitialChoice(std::to_string(term->ID()));
    Build(chooser);
    QApplication::processEvents();
    ASSERT_TRUE(chooser.grab().save(QStringLiteral(VANTARO_BINARY_DIR "/chooser.png")));
}

}  // namespace
}  // namespace vantaro::test
