// The trash window and the filter window, driven as a teacher would.

#include <QImage>
#include <QPushButton>

#include "controllers/selection/TFrameSelectionGrid.h"
#include "domain/Periods.h"
#include "domain/Subjects.h"
#include "grid/markup/CellMarkup.h"
#include "ui/controllers/ControllerTestSupport.h"
#include "windows/store/TFormFilterControler.h"
#include "windows/store/TFormTrashCanControler.h"
#include "windows/store/TFrameTrashCanGrid.h"

namespace vantaro::test {
namespace {

class TrashAndFilterTest : public ControllerTest {
protected:
    TrashAndFilterTest() {
        factory.Settings().SingleClick = true;
        factory.SetDeletedCountsAsHidden(true);
        for (const char* name : {"Ann", "Ben"}) {
            CPupil* pupil = year->NewPupil();
            pupil->SetAttributeValue("FIRST_NAME", name);
            pupils.push_back(pupil);
        }
    }
    // Runs the trash window; the user acts on it while it is open.
    void RunTrash(std::function<void(TFormTrashCanControler&)> user) {
        bool shown = false;
        WhenModal([&](QWidget&) {
            auto* trash = ModalWindow<TFormTrashCanControler>();
            ASSERT_NE(trash, nullptr);
            shown = true;
            user(*trash);
        });
        TFormTrashCanControler trash(&window);
        EXPECT_TRUE(trash.ShowTrash(&window));
        EXPECT_TRUE(shown);
    }
    std::size_t Prompts() const { return platform.prompts.prompts.size(); }

    std::vector<CPupil*> pupils;
};

TEST_F(TrashAndFilterTest, AnEmptyTrashShowsItsHeadingsAndClosesWithoutAQuestion) {
    RunTrash([&](TFormTrashCanControler& trash) {
        EXPECT_EQ(trash.windowTitle(), QStringLiteral("Trash can"));
        EXPECT_EQ(trash.TrashPage().Grid().RowCount(), 2) << "the title band and the headings only";
        QTest::mouseClick(&trash.ButtonClose(), Qt::LeftButton);
    });
    EXPECT_EQ(Prompts(), 0u);
}

TEST_F(TrashAndFilterTest, CloseAsksUntilAnItemIsRestored) {
    factory.MoveToTrash(pupils[0]);
    factory.MoveToTrash(pupils[1]);
    RunTrash([&](TFormTrashCanControler& trash) {
        TFrameGridAncestor& page = trash.TrashPage();
        ASSERT_EQ(page.Grid().RowCount(), 4);
        EXPECT_EQ(CellDisplayText(page.Cell(1, 2)), "Pupil");
        platform.prompts.answer = false;  // Cancel: the window stays
        QTest::mouseClick(&trash.ButtonClose(), Qt::LeftButton);
        EXPECT_EQ(platform.prompts.prompts.back().caption, "No Items Restored");
        trash.close();  // the window manager's button asks the same
        EXPECT_EQ(Prompts(), 2u);
        EXPECT_TRUE(trash.isVisible());

        PressCell(page, CellTargeting(page, pupils[0]));
        EXPECT_NE(pupils[0]->Status(), StoredStatus::Deleted);
        EXPECT_EQ(page.Grid().RowCount(), 3) << "the restored item leaves the list";
        EXPECT_TRUE(trash.grab().toImage().save(QStringLiteral(VANTARO_BINARY_DIR "/trash-window.png")));
        QTest::mouseClick(&trash.ButtonClose(), Qt::LeftButton);
        EXPECT_EQ(Prompts(), 2u) << "after a restore Close asks nothing";
    });
    EXPECT_EQ(factory.Trash().Count(), 1);
}

TEST_F(TrashAndFilterTest, EmptyingTheTrashAsksFirstWithTheNumberOfItems) {
    factory.MoveToTrash(pupils[0]);
    factory.MoveToTrash(pupils[1]);
    const StoredRef ann(pupils[0]);
    RunTrash([&](TFormTrashCanControler& trash) {
        TFrameGridAncestor& page = trash.TrashPage();
        platform.prompts.answers = {false, true};
        PressCell(page, {1, 0});
        EXPECT_EQ(platform.prompts.prompts.back().caption, "Empty Trash Can");
        EXPECT_NE(platform.prompts.prompts.back().text.find("The 2 Items"), std::string::npos);
        EXPECT_TRUE(ann.IsAlive()) << "Cancel destroys nothing";
        PressCell(page, {1, 0});
        EXPECT_FALSE(ann.IsAlive());
        EXPECT_EQ(page.Grid().RowCount(), 2);
        QTest::mouseClick(&trash.ButtonClose(), Qt::LeftButton);
    });
    EXPECT_EQ(Prompts(), 2u) << "emptying counts as a change: Close asks nothing";
}

class FilterTest : public TrashAndFilterTest {
protected:
    FilterTest() {
        for (const char* name : {"Year 1", "Year 2"}) {
            CForm* form = year->NewForm();
            form->SetAttributeValue("DESCRIPTION", name);
            forms.push_back(form);
        }
        maths->SetAttributeValue("DESCRIPTION", "Maths");
        factory.SetHiddenIDs(std::to_string(forms[0]->ID()));
    }
    enum class Leave { Ok, Cancel, CloseButton };
    // Opens the filter, ticks or unticks each object given, then leaves it.
    bool Filter(const std::vector<CStored*>& toggled, Leave leave) {
        WhenModal([&](QWidget&) {
            auto* filter = ModalWindow<TFormFilterControler>();
            ASSERT_NE(filter, nullptr);
            TFrameGridAncestor& page = filter->Page();
            EXPECT_EQ(page.Grid().ColumnCount(), 3);
            const QPoint hidden = CellTargeting(page, forms[0]);
            ASSERT_GE(hidden.y(), 0) << "a hidden form is listed";
            EXPECT_NE(CellValue(page.Cell(hidden.x(), hidden.y()), cell::kCheck), "0") << "and ticked";
            for (CStored* object : toggled) PressCell(page, CellTargeting(page, object));
            QApplication::processEvents();  // the page's layout settles before the grab
            EXPECT_TRUE(filter->grab().toImage().save(QStringLiteral(VANTARO_BINARY_DIR "/filter-window.png")));
            if (leave == Leave::CloseButton) filter->close();
            else QTest::mouseClick(leave == Leave::Ok ? &filter->ButtonOK() : &filter->ButtonCancel(), Qt::LeftButton);
        });
        TFormFilterControler filter(&window);
        return filter.ShowFilter(&window);
    }

    std::vector<CForm*> forms;
    CSubject* maths = year->NewSubject();
};

TEST_F(FilterTest, OkHidesWhatIsTickedAndCancelKeepsTheListAsItWas) {
    for (Leave leave : {Leave::Cancel, Leave::CloseButton}) {
        EXPECT_FALSE(Filter({forms[0], forms[1]}, leave));
        EXPECT_EQ(factory.GetHiddenIDs(), std::to_string(forms[0]->ID())) << "Cancel applies nothing";
    }

    EXPECT_TRUE(Filter({forms[1], maths}, Leave::Ok));
    EXPECT_TRUE(factory.IsHidden(forms[0]));
    EXPECT_TRUE(factory.IsHidden(forms[1]));
    EXPECT_TRUE(factory.IsHidden(maths));

    EXPECT_TRUE(Filter({forms[0], forms[1], maths}, Leave::Ok));
    EXPECT_EQ(factory.GetHiddenIDs(), "") << "everything unticked shows everything";
}

}  // namespace
}  // namespace vantaro::test
