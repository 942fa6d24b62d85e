// The curriculum window: its statements page, its menus and Clone Levels.

#include <QImage>
#include <QMenu>
#include <QPushButton>

#include "controllers/selection/TFormSelectionControler.h"
#include "controllers/selection/TFrameSelectionGrid.h"
#include "domain/Curricula.h"
#include "domain/Periods.h"
#include "grid/markup/CellMarkup.h"
#include "ui/controllers/ControllerTestSupport.h"
#include "windows/curriculum/TFormCurriculumData.h"
#include "windows/curriculum/TFrameCurriculumStatementListingGrid.h"

namespace vantaro::test {
namespace {

template <class T>
T* Described(T* object, const std::string& text) {
    object->SetAttributeValue("DESCRIPTION", text);
    return object;
}

// "Maths" with the attainments "Number" (levels 1 to 3, a statement under level 1) and
// "Shape"; "English" with "Reading" (eight levels, the last in the trash).
class CurriculumWindowTest : public ControllerTest {
protected:
    CurriculumWindowTest() {
        factory.SetDeletedCountsAsHidden(true);
        factory.Settings().SingleClick = true;
        main.widget.setGeometry(40, 40, 800, 600);
        main.widget.show();
        for (int i = 1; i <= 3; ++i) Described(number->NewCurriculumLevel(), "Number " + std::to_string(i));
        statement = Described(Level(number, 0)->NewCurriculumStatement(), "Counts to ten");
        for (int i = 1; i <= 8; ++i) Described(reading->NewCurriculumLevel(), "Reading " + std::to_string(i));
        factory.MoveToTrash(Level(reading, 7));
    }
    ~CurriculumWindowTest() override {
        if (window) window->CloseWithoutAsking();
    }
    static CCurriculumLevel* Level(CAttainment* attainment, int index) {
        return static_cast<CCurriculumLevel*>(attainment->AssociationItems("CURRICULUM_LEVELS").at(index));
    }
    static std::vector<std::string> LiveLevels(const CAttainment* attainment) {
        std::vector<std::string> levels;
        for (const CStored* level : attainment->AssociationItems("CURRICULUM_LEVELS"))
            if (level->Status() != StoredStatus::Deleted) levels.push_back(level->DisplayText());
        return levels;
    }
    void OpenOn(const std::vector<CStored*>& objects) {
        window = TFormCurriculumData::Open(main, objects);
        ASSERT_NE(window, nullptr);
        window->show();
    }
    // Clone Levels on the target attainment; the chooser is answered with `choice` (none: Cancel).
    void Clone(CAttainment* target, CAttainment* choice) {
        WhenModal([&](QWidget&) {
            auto* chooser = ModalWindow<TFormSelectionControler>();
            ASSERT_NE(chooser, nullptr);
            if (!choice) return chooser->ButtonCancel().click();
            PressCell(chooser->Page(), CellTargeting(chooser->Page(), choice));
            chooser->ButtonOK().click();
        });
        TFrameGridAncestor& page = window->StatementsPage();
        PressCell(page, CellTargeting(page, target), Qt::RightButton);
        EXPECT_TRUE(ChooseMenuEntry(window->PopupMenu(), QStringLiteral("Clone Levels...")));
    }

    FakeMain main;
    CCurriculum* maths = Described(year->NewCurriculum(), "Maths");
    CAttainment* number = Described(maths->NewAttainment(), "Number");
    CAttainment* shape = Described(maths->NewAttainment(), "Shape");
    CCurriculum* english = Described(year->NewCurriculum(), "English");
    CAttainment* reading = Described(english->NewAttainment(), "Reading");
    CCurriculumStatement* statement = nullptr;
    QPointer<TFormCurriculumData> window;
};

TEST_F(CurriculumWindowTest, EachCurriculumIsListedUnderItsTitleWithoutWhatIsHidden) {
    factory.SetHiddenIDs(std::to_string(shape->ID()));
    OpenOn({maths, english, year});
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Curriculum"));
    EXPECT_EQ(window->FindAction("ACTIONFORMCLOSE")->text(), QStringLiteral("Curriculum"));
    const TFrameGridAncestor& page = window->StatementsPage();
    EXPECT_EQ(CellValue(page.Cell(0, 0), cell::kStyle), "TITLE");
    const QPoint text = CellTargeting(page, statement);
    ASSERT_GE(text.y(), 0);
    EXPECT_EQ(CellValue(page.Cell(0, text.y()), cell::kLevel), "3");
    EXPECT_EQ(CellSource(page.Cell(0, text.y())), maths);
    EXPECT_EQ(CellTargeting(page, shape).y(), -1) << "a hidden attainment is not listed";
    EXPECT_GT(CellTargeting(page, english).y(), text.y()) << "English follows Maths under its own title";
    QApplication::processEvents();
    EXPECT_TRUE(window->grab().toImage().save(QStringLiteral(VANTARO_BINARY_DIR "/curriculum-window.png")));

    EXPECT_EQ(TFormCurriculumData::Open(main, {year}), nullptr);
    EXPECT_EQ(platform.prompts.prompts.back().caption, "Missing Curriculum");
}

TEST_F(CurriculumWindowTest, TheMenuOffersWhatTheTargetTakesAndRunsTheStatementsWizard) {
    OpenOn({maths});
    TFrameGridAncestor& page = window->StatementsPage();
    PressCell(page, CellTargeting(page, maths), Qt::RightButton);
    EXPECT_TRUE(window->FindAction("ACTIONNEWATTAINMENT")->isVisible());
    EXPECT_FALSE(window->PopupItemDelete()->isVisible()) << "a curriculum is not deleted from here";
    window->PopupMenu().hide();
    PressCell(page, CellTargeting(page, Level(number, 1)), Qt::RightButton);
    EXPECT_TRUE(window->FindAction("ACTIONNEWCURRICULUMSTATEMENT")->isVisible());
    EXPECT_TRUE(ChooseMenuEntry(window->PopupMenu(), QStringLiteral("Build Statements Wizard...")));
    EXPECT_EQ(main.wizards, (std::vector<std::string>{"BUILD_STATEMENTS"}));
}

TEST_F(CurriculumWindowTest, CloneLevelsReplacesTheLevelsThroughTheTrashOnlyForAnotherAttainment) {
    OpenOn({maths, english});
    const std::vector<std::string> before = LiveLevels(number);
    Clone(number, nullptr);
    Clone(number, number);
    platform.prompts.answer = false;
    Clone(number, reading);
    EXPECT_EQ(LiveLevels(number), before) << "Cancel, the same attainment, or No to the question: no change";
    EXPECT_EQ(platform.prompts.prompts.size(), 1u) << "the question comes only for another attainment";

    platform.prompts.answer = true;
    Clone(number, reading);
    EXPECT_EQ(LiveLevels(number), (std::vector<std::string>{"Reading 1", "Reading 2", "Reading 3", "Reading 4",
                                                            "Reading 5", "Reading 6", "Reading 7"}))
        << "the trashed eighth level stays behind";
    EXPECT_EQ(Level(number, 3)->AssociationCount("CURRICULUM_STATEMENTS"), 0);
    EXPECT_EQ(factory.Trash().Count(), 4) << "the three old levels can be restored";
    factory.RestoreFromTrash(statement->GetRelation("PARENT"));
    EXPECT_NE(statement->Status(), StoredStatus::Deleted) << "with their statements";
}

}  // namespace
}  // namespace vantaro::test
