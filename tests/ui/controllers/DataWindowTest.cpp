// The data window base, with a test window of two views over a pupil.

#include <QAction>

#include "controllers/data/TFormDataControler.h"
#include "grid/CellEditor.h"
#include "grid/markup/CellMarkup.h"
#include "ui/controllers/ControllerTestSupport.h"

namespace vantaro::test {
namespace {

class TwoViewWindow : public TFormDataControler {
public:
    TwoViewWindow(MainWindowCommands& main, CStored* pupil) : TFormDataControler("TFormTwoViews", main) {
        first = new CellsPage(this);
        first->rows = {DataCell(pupil, "FIRST_NAME")};
        second = new CellsPage(this);
        second->rows = {DataCell(pupil, "LAST_NAME")};
        AddView(first, "ActionViewFirst", "First");
        AddView(second, "ActionViewSecond", "Second");
        SetupViews();
        ActionView(FindAction("ACTIONVIEWFIRST"));
    }
    CellsPage* first;
    CellsPage* second;
};

class DataWindowTest : public ControllerTest {
protected:
    DataWindowTest() {
        main.widget.setGeometry(100, 120, 700, 500);
        main.widget.show();
        data = new TwoViewWindow(main, pupil);
        data->show();
    }
    ~DataWindowTest() override {
        if (data) data->CloseWithoutAsking();
    }

    void TypeInto(CellsPage& page, const QString& text) {
        QTest::mouseClick(page.Grid().viewport(), Qt::LeftButton, {}, page.Grid().CellRect(0, 0).center());
        ASSERT_TRUE(page.IsEditing());
        QTest::keyClicks(&page.Editor(), text);
    }

    FakeMain main;
    CPupil* pupil = year->NewPupil();
    QPointer<TwoViewWindow> data;
};

TEST_F(DataWindowTest, ItTakesTheMainWindowsPlaceAndRegistersWithIt) {
    EXPECT_EQ(main.registered, 1);
    EXPECT_FALSE(main.widget.isVisible());
    EXPECT_EQ(data->geometry(), QRect(100, 120, 700, 500));
    EXPECT_EQ(data->CurrentView(), data->first);
    EXPECT_TRUE(data->FindAction("ACTIONVIEWFIRST")->isChecked());
}

TEST_F(DataWindowTest, SwitchingViewsWritesWhatWasBeingTypedAndEndsAPreview) {
    TypeInto(*data->first, QStringLiteral("Ann"));
    data->RunAction(data->FindAction("ACTIONPREVIEWVIEW"));
    ASSERT_TRUE(data->InPrintMode());
    data->RunAction(data->FindAction("ACTIONVIEWSECOND"));
    EXPECT_EQ(pupil->GetAttributeText("FIRST_NAME"), "Ann");
    EXPECT_FALSE(data->InPrintMode());
    EXPECT_FALSE(data->first->IsPreviewShowing());
    EXPECT_EQ(data->CurrentView(), data->second);
    EXPECT_FALSE(data->FindAction("ACTIONVIEWFIRST")->isChecked());
}

TEST_F(DataWindowTest, TheFontGrowsAndShrinksWithinItsLimits) {
    CFontDescription& font = factory.Settings().Font;
    font.Size = 10;
    for (int i = 0; i < 3; ++i) data->RunAction(data->FindAction("ACTIONVIEWLARGERFONT"));
    EXPECT_EQ(font.Size, 13);
    font.Size = kSmallestFontSize + 1;
    data->RunAction(data->FindAction("ACTIONVIEWSMALLERFONT"));
    data->RunAction(data->FindAction("ACTIONVIEWSMALLERFONT"));
    EXPECT_EQ(font.Size, kSmallestFontSize);
    EXPECT_FALSE(data->FindAction("ACTIONVIEWSMALLERFONT")->isEnabled());
    EXPECT_TRUE(data->FindAction("ACTIONVIEWLARGERFONT")->isEnabled());
}

TEST_F(DataWindowTest, ClosingAsksToExitAndNoKeepsTheWindow) {
    platform.prompts.answer = false;
    data->close();
    ASSERT_EQ(platform.prompts.prompts.size(), 1u);
    EXPECT_EQ(platform.prompts.prompts[0].caption, "Exit Application");
    EXPECT_EQ(platform.prompts.prompts[0].text, "Do You wish to Exit the application");
    EXPECT_TRUE(data->isVisible());
    EXPECT_EQ(main.applicationClosed, 0);
    platform.prompts.answer = true;
    data->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(main.applicationClosed, 1);
    EXPECT_EQ(main.registered, 0);
    EXPECT_TRUE(data.isNull()) << "a closed data window is destroyed";
}

TEST_F(DataWindowTest, GoingBackToAnOrganiserClosesWithoutAskingAndKeepsTheTypedText) {
    TypeInto(*data->first, QStringLiteral("Bob"));
    data->RunAction(data->FindAction("ACTIONFORMSHOWMAINPLANNING"));
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(platform.prompts.prompts.empty());
    EXPECT_EQ(pupil->GetAttributeText("FIRST_NAME"), "Bob");
    EXPECT_EQ(main.shown, Organiser::Planning);
    EXPECT_TRUE(main.widget.isVisible());
    EXPECT_TRUE(data.isNull());
}

TEST_F(DataWindowTest, CloseAndSaveWriteWhatWasBeingTyped) {
    TypeInto(*data->first, QStringLiteral("Cy"));
    data->RunAction(data->FindAction("ACTIONFORMSAVE"));
    EXPECT_EQ(main.saves, 1);
    EXPECT_EQ(pupil->GetAttributeText("FIRST_NAME"), "Cy");
    TypeInto(*data->first, QStringLiteral("ril"));
    data->RunAction(data->FindAction("ACTIONFORMCLOSE"));
    EXPECT_EQ(pupil->GetAttributeText("FIRST_NAME"), "Cyril");
    EXPECT_TRUE(platform.prompts.prompts.empty()) << "Close asks nothing";
}

}  // namespace
}  // namespace vantaro::test
