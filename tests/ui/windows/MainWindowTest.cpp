// The main window driven as a teacher would: its views and cells, the file commands and their
// questions, the data window list, and the end of the program.

#include <QAction>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>

#include "controllers/data/TFormDataControler.h"
#include "domain/CRovanFactory.h"
#include "domain/Lookups.h"
#include "domain/PeriodBuilding.h"
#include "domain/Plans.h"
#include "domain/Periods.h"
#include "domain/Subjects.h"
#include "grid/CellEditor.h"
#include "grid/markup/CellMarkup.h"
#include "routines/Words.h"
#include "support/TempDir.h"
#include "ui/controllers/ControllerTestSupport.h"
#include "ui/windows/MainWindowFixture.h"
#include "windows/LocalPath.h"
#include "windows/assessment/TFramePupilNotes.h"
#include "windows/assessment/TFrameAssessmentNoteEditor.h"
#include "windows/main/TFormMain.h"
#include "windows/notes/TFormNotesControler.h"
#include "windows/store/TFormFilterControler.h"
#include "windows/store/TFormObjectMapControler.h"
#include "windows/store/TFormTrashCanControler.h"
#include "windows/store/TFrameTrashCanGrid.h"

namespace vantaro::test {
namespace {

// A page of one link per object, built from the objects each time.
class ObjectsPage : public TFrameGridAncestor {
public:
    using TFrameGridAncestor::TFrameGridAncestor;
    double ColumnWidth(int column) override { return column == 0 ? 1.0 : 0.0; }
    void BuildPage() override {
        BeginPage(1, 1);
        bool first = true;
        for (CStored* object : ObjectList()) {
            if (!first) NextRow();
            first = false;
            SetRowCell(0, LinkCell(object, {.target = object}));
        }
        EndPage(0, 0);
    }
};

// A data window over the objects it was opened on.
class ListWindow : public TFormDataControler {
public:
    ListWindow(MainWindowCommands& main, const std::vector<CStored*>& objects)
        : TFormDataControler("TFormListTest", main) {
        setWindowTitle(QStringLiteral("List"));
        page = new ObjectsPage(this);
        page->SetObjectList(objects);
        AddView(page, "ActionViewList", "List");
        SetupViews();
        ActionView(FindAction("ACTIONVIEWLIST"));
    }
    ObjectsPage* page;
};

class MainWindowTest : public MainWindowFixture {
protected:
    MainWindowTest() {
        main->SetDataWindowMaker(DataWindowKind::Plans, [this](TFormMain& owner, const std::vector<CStored*>& objects) {
            opened.push_back(objects);
            return new ListWindow(owner, objects);
        });
    }

    TFrameGridAncestor& Planning() { return *main->Views()[0]; }
    // Presses a cell of the current view as the mouse would.
    void Press(TFrameGridAncestor& view, int column, int row, Qt::MouseButton button = Qt::LeftButton) {
        view.Grid().ScrollIntoView(column, row);
        const QPoint at = view.Grid().CellRect(column, row).center();
        QTest::mouseClick(view.Grid().viewport(), button, {}, at);
    }
    // A week of days and one subject taught in it: the planning organiser's lesson cells.
    CSubject* PrepareLessons() {
        CTerm* term = Year().NewTerm();
        term->SetAttributeValue("START_DATE", "20070903");
        term->SetAttributeValue("END_DATE", "20070907");
        BuildWeeks(*term);
        for (CStored* week : term->AssociationItems("WEEKS")) BuildDays(*static_cast<CWeek*>(week), Year());
        auto* subject = static_cast<CSubject*>(Year().AssociationItems("SUBJECTS").front());
        main->RefreshAfterChange();
        return subject;
    }
    std::pair<int, int> LessonCell(const CSubject* subject) {
        TFrameGridAncestor& page = Planning();
        for (int column = 1; column < page.Grid().ColumnCount(); ++column) {
            if (CellTarget(page.Cell(column, 2)) != subject) continue;
            for (int row = 3; row < page.Grid().RowCount(); ++row)
                if (IsA(CellTarget(page.Cell(0, row)), "CDay")) return {column, row};
        }
        return {-1, -1};
    }
    static bool IsA(const CStored* object, const char* cls) { return object && object->ClassName() == cls; }

    std::vector<std::vector<CStored*>> opened;
};

TEST_F(MainWindowTest, TheViewsAreSwitchedByTheirActionsAndOnlyOneIsTicked) {
    EXPECT_EQ(main->CurrentViewIndex(), 0) << "the planning organiser first";
    main->RunAction(main->FindAction("ACTIONVIEWPUPILS"));
    EXPECT_EQ(main->CurrentViewIndex(), 4);
    int ticked = 0;
    for (const char* name : {"ACTIONVIEWPLANNINGOVERVIEW", "ACTIONVIEWASSESSMENTOVERVIEW", "ACTIONVIEWREPORTOVERVIEW",
                             "ACTIONVIEWCURRICULUMOVERVIEW", "ACTIONVIEWPUPILS", "ACTIONVIEWAPTITUDES"})
        ticked += main->FindAction(name)->isChecked();
    EXPECT_EQ(ticked, 1);
    EXPECT_EQ(main->VersionPanelText().toStdString(), "Version 1.12 (Build 1)");
}

TEST_F(MainWindowTest, ALessonIsCreatedFromItsEmptyCellAndOpenedInAPlanWindow) {
    for (const bool singleClick : {false, true}) {
        SCOPED_TRACE(singleClick ? "single clicks" : "double clicks");
        factory.Settings().SingleClick = singleClick;
        CSubject* subject = PrepareLessons();
        const auto [column, row] = LessonCell(subject);
        ASSERT_GE(column, 0);
        const auto click = [&] {
            Planning().Grid().ScrollIntoView(column, row);
            const QPoint at = Planning().Grid().CellRect(column, row).center();
            if (singleClick) QTest::mouseClick(Planning().Grid().viewport(), Qt::LeftButton, {}, at);
            else QTest::mouseDClick(Planning().Grid().viewport(), Qt::LeftButton, {}, at);
        };
        click();
        EXPECT_EQ(platform.prompts.prompts.back().caption, "Create New Plan");
        ASSERT_EQ(CellValue(Planning().Cell(column, row), cell::kAction), "ACTIONOPENLESSONPLAN");
        click();
        if (!singleClick) {
            ASSERT_EQ(opened.size(), 1u);
            opened.clear();
            main->DataWindows()[0]->CloseWithoutAsking();
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            Year().AssociationItems("TERMS").front()->GetFactory()->MoveToTrash(Year().AssociationItems("TERMS").front());
            factory.EmptyTrash();
        }
    }
    ASSERT_EQ(opened.size(), 1u);
    ASSERT_EQ(main->DataWindows().size(), 1u);
    EXPECT_FALSE(main->isVisible()) << "the plan window takes the main window's place";
    main->DataWindows()[0]->RunAction(main->DataWindows()[0]->FindAction("ACTIONFORMSHOWMAINPLANNING"));
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(main->DataWindows().empty());
    EXPECT_TRUE(main->isVisible());
}

TEST_F(MainWindowTest, ARangeOpensEachPlanOnceInColumnOrder) {
    CSubject* subject = PrepareLessons();
    std::vector<CStored*> plans;
    for (CStored* day : Year().AssociationItems("TERMS").front()->AssociationItems("WEEKS").front()->AssociationItems("DAYS"))
        plans.push_back(LessonPlanFor(*subject, static_cast<CDay*>(day), true));
    main->RefreshAfterChange();
    const auto [column, first] = LessonCell(subject);
    Planning().Grid().SelectCell(0, first);
    Planning().Grid().SelectCell(column, first + 4, true);
    main->SetCellContext(Planning().Cell(column, first));
    main->RunAction(main->FindAction("ACTIONOPENPLANS"));
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], plans) << "the day headings are not plans; each plan once";
}

TEST_F(MainWindowTest, SaveAsSuggestsANameAndSaveOpenRoundTrips) {
    Year().SetAttributeValue("TUTOR_NAME", "Mrs Hale");
    dialogs.save = QString::fromStdString(Path("Year 7.ods"));
    ASSERT_TRUE(main->ActionFileSaveAsExecute());
    EXPECT_EQ(dialogs.initialName, QString::fromLatin1(UpperAlphanumeric(Year().DisplayText() + " Mrs Hale")).trimmed());
    EXPECT_EQ(main->FileNamePanelText().toStdString(), Path("Year 7.ods"));
    Year().NewPupil()->SetAttributeValue("FIRST_NAME", "Ann");
    ASSERT_TRUE(main->ActionFileSaveExecute());
    EXPECT_EQ(dialogs.saves, 1) << "Save with a file name asks for none";

    factory.NewDataStore(false);
    main->ActionFileDisplayFactoryExecute();
    dialogs.open = QString::fromStdString(Path("Year 7.ods"));
    platform.prompts.answer = false;  // no saving of the empty year first
    main->ActionFileOpenExecute();
    ASSERT_NE(factory.Year(), nullptr);
    EXPECT_EQ(factory.Year()->AssociationItems("PUPILS").size(), 1u);
}

// Nothing is thrown away without a question, not even a year that was never saved.
TEST_F(MainWindowTest, NewAndOpenOfferToSaveAnyUnsavedYearAndCancelStopsThem) {
    Year().NewPupil();
    platform.prompts.cancel = true;
    main->ActionFileOpenExecute();
    EXPECT_EQ(platform.prompts.prompts.back().caption, "Save Work");
    EXPECT_EQ(dialogs.opens, 0) << "cancelled before the dialog";
    platform.prompts.cancel = false;
    platform.prompts.answer = true;
    dialogs.save.clear();
    const int objects = factory.Objects().Count();
    main->ActionFileNewExecute();
    EXPECT_EQ(dialogs.saves, 1) << "Yes to a never-saved year asks for a name";
    EXPECT_EQ(factory.Objects().Count(), objects) << "a cancelled save cancels New";
}

TEST_F(MainWindowTest, TheEndCommitsAsksWithCancelAndEndsOnlyAfterASaveOrNo) {
    main->RunAction(main->FindAction("ACTIONVIEWPUPILS"));
    CPupil* pupil = Year().NewPupil();
    main->RefreshAfterChange();
    TFrameGridAncestor& pupils = *main->Views()[4];
    const int row = [&] {
        for (int r = 0; r < pupils.Grid().RowCount(); ++r)
            if (CellTarget(pupils.Cell(2, r)) == nullptr && CellObject(pupils.Cell(2, r)) == pupil) return r;
        return -1;
    }();
    ASSERT_GE(row, 0);
    Press(pupils, 2, row);
    ASSERT_TRUE(pupils.IsEditing());
    QTest::keyClicks(&pupils.Editor(), QStringLiteral("Ann"));

    platform.prompts.cancel = true;
    main->close();
    EXPECT_EQ(pupil->GetAttributeText("FIRST_NAME"), "Ann") << "committed before the question";
    EXPECT_TRUE(main->isVisible()) << "cancelled";
    platform.prompts.cancel = false;
    platform.prompts.answer = true;
    dialogs.save.clear();
    main->close();
    EXPECT_TRUE(main->isVisible()) << "Yes, but the save dialog was cancelled";
    dialogs.save = QString::fromStdString(Path("End.ods"));
    main->close();
    EXPECT_FALSE(main->isVisible());
    EXPECT_TRUE(std::filesystem::exists(Path("End.ods")));
}

TEST_F(MainWindowTest, ExitFromADataWindowAsksOnceAndClosesEveryWindow) {
    CSubject* subject = PrepareLessons();
    CStored* plan = LessonPlanFor(*subject, static_cast<CDay*>(Year().AssociationItems("TERMS").front()
                                                                   ->AssociationItems("WEEKS").front()
                                                                   ->AssociationItems("DAYS").front()),
                                  true);
    main->SetCurrentTarget(plan);
    main->RunAction(main->FindAction("ACTIONOPENLESSONPLAN"));
    main->SetCurrentTarget(plan);
    main->RunAction(main->FindAction("ACTIONOPENLESSONPLAN"));
    ASSERT_EQ(main->DataWindows().size(), 2u);
    const auto exitQuestions = [this] {
        return std::count_if(platform.prompts.prompts.begin(), platform.prompts.prompts.end(),
                             [](const auto& prompt) { return prompt.caption == "Exit Application"; });
    };
    platform.prompts.answer = false;
    main->DataWindows()[0]->RunAction(main->DataWindows()[0]->FindAction("ACTIONFORMEXIT"));
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(exitQuestions(), 1);
    EXPECT_EQ(main->DataWindows().size(), 2u) << "No: everything stays open";

    platform.prompts.answer = true;
    platform.prompts.prompts.clear();
    dialogs.save = QString::fromStdString(Path("Exit.ods"));
    main->DataWindows()[0]->RunAction(main->DataWindows()[0]->FindAction("ACTIONFORMEXIT"));
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(exitQuestions(), 1) << "asked once, not again by the other window";
    EXPECT_EQ(platform.prompts.prompts.back().caption, "Save Before Exit");
    EXPECT_TRUE(main->DataWindows().empty());
    EXPECT_FALSE(main->isVisible());
    EXPECT_TRUE(std::filesystem::exists(Path("Exit.ods")));
}

TEST_F(MainWindowTest, SavingRefreshesOpenWindowsOnTheirObjectsNewIds) {
    CSubject* subject = PrepareLessons();
    CDay* day = static_cast<CDay*>(Year().AssociationItems("TERMS").front()->AssociationItems("WEEKS").front()
                                       ->AssociationItems("DAYS").front());
    CStored* plan = LessonPlanFor(*subject, day, true);
    const std::int32_t temporary = plan->ID();
    main->SetCurrentTarget(plan);
    main->RunAction(main->FindAction("ACTIONOPENLESSONPLAN"));
    ASSERT_EQ(main->DataWindows().size(), 1u);
    dialogs.save = QString::fromStdString(Path("Ids.ods"));
    ASSERT_TRUE(main->DataWindows()[0]->FindAction("ACTIONFORMSAVEAS"));
    main->DataWindows()[0]->RunAction(main->DataWindows()[0]->FindAction("ACTIONFORMSAVEAS"));
    EXPECT_GT(plan->ID(), 0);
    EXPECT_NE(plan->ID(), temporary);
    auto* window = static_cast<ListWindow*>(main->DataWindows()[0].data());
    EXPECT_EQ(CellTarget(window->page->Cell(0, 0)), plan) << "the page was rebuilt on the new ID";
    platform.prompts.answer = false;
    QTimer::singleShot(0, [] {
        QWidget* properties = QApplication::activeModalWidget();
        ASSERT_NE(properties, nullptr) << "New shows the new year's properties";
        properties->close();
    });
    main->ActionFileNewExecute();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(main->DataWindows().empty()) << "New closes every data window first";
}

// A save from a data window: Yes to the trash question opens the trash window, where Ben is
// restored; Ann is destroyed, and another data window that listed both drops her at once,
// though the file dialog that follows is cancelled.
TEST_F(MainWindowTest, SaveOffersTheTrashAndEveryWindowDropsWhatItDestroys) {
    factory.Settings().SingleClick = true;
    CPupil* ann = Year().NewPupil();
    CPupil* ben = Year().NewPupil();
    ben->SetAttributeValue("FIRST_NAME", "Ben");
    auto* list = new ListWindow(*main, {ann, ben});
    auto* other = new ListWindow(*main, {ann, ben});
    list->show();
    other->show();
    factory.MoveToTrash(ann);
    factory.MoveToTrash(ben);
    const StoredRef annRef(ann);
    bool restored = false;
    QTimer::singleShot(0, [&] {
        auto* trash = qobject_cast<TFormTrashCanControler*>(QApplication::activeModalWidget());
        ASSERT_NE(trash, nullptr);
        EXPECT_EQ(trash, &main->TrashWindow()) << "the one trash window of the program";
        PressCell(trash->TrashPage(), CellTargeting(trash->TrashPage(), ben));
        restored = ben->Status() != StoredStatus::Deleted;
        trash->ButtonClose().click();
    });
    list->RunAction(list->FindAction("ACTIONFORMSAVE"));
    EXPECT_EQ(platform.prompts.prompts.front().caption, "There Are Items In The Trash");
    EXPECT_TRUE(restored);
    EXPECT_FALSE(annRef.IsAlive());
    ASSERT_EQ(other->page->Grid().RowCount(), 1) << "the page dropped Ann";
    EXPECT_EQ(CellTarget(other->page->Cell(0, 0)), ben);
    EXPECT_EQ(dialogs.saves, 1);
}

// The session ending: no "Exit Application" question, but unsaved work is still offered for saving.
TEST_F(MainWindowTest, AnEndRequestedFromOutsideAsksOnlyAboutUnsavedWork) {
    Year().NewPupil();
    platform.prompts.cancel = true;
    main->EndOnRequest();
    ASSERT_EQ(platform.prompts.prompts.size(), 1u);
    EXPECT_EQ(platform.prompts.prompts.back().caption, "Save Before Exit");
    EXPECT_TRUE(main->isVisible()) << "Cancel keeps the program";
    platform.prompts.cancel = false;
    platform.prompts.answer = false;  // no saving
    main->EndOnRequest();
    EXPECT_FALSE(main->isVisible());
}

TEST_F(MainWindowTest, TheStoreWindowsAreMadeOnceAndOpenFromTheMenus) {
    main->CreateSharedWindows();
    TFormFilterControler* filter = &main->FilterWindow();
    TFormObjectMapControler* map = &main->ObjectMapWindow();
    QTimer::singleShot(0, [&] {
        EXPECT_EQ(QApplication::activeModalWidget(), filter);
        filter->ButtonCancel().click();
    });
    main->RunAction(main->FindAction("ACTIONVIEWFILTER"));
    QTimer::singleShot(0, [&] {
        EXPECT_EQ(QApplication::activeModalWidget(), map);
        map->ButtonOK().click();
    });
    main->RunAction(main->FindAction("ACTIONSHOWOBJECTSTORE"));
    EXPECT_EQ(&main->FilterWindow(), filter);
    EXPECT_EQ(map->parentWidget(), main.get());
}

TEST_F(MainWindowTest, AStoreWithObjectsThatCannotBeReadOpensAndSaysWhatWasLeftOut) {
    dialogs.save = QString::fromStdString(Path("Whole.ods"));
    factory.Settings().CompressDatastore = false;
    ASSERT_TRUE(main->ActionFileSaveAsExecute());
    std::string text = ReadFileBytes(Path("Whole.ods"));
    text.insert(text.find("</OBJECT_STORE>"), "<OBJECT ID=\"1\" CLASS=\"CYear\">\r\n</OBJECT>\r\n"
                                              "<OBJECT ID=\"99999\" CLASS=\"CLetter\">\r\n</OBJECT>\r\n");
    WriteFileBytes(Path("Damaged.ods"), text);
    platform.prompts.prompts.clear();
    dialogs.open = QString::fromStdString(Path("Damaged.ods"));
    main->ActionFileOpenExecute();
    ASSERT_EQ(platform.prompts.prompts.size(), 1u);
    EXPECT_EQ(platform.prompts.prompts[0].caption, "Objects Left Out");
    EXPECT_NE(platform.prompts.prompts[0].text.find("1 object of the unknown class CLetter"), std::string::npos);
    EXPECT_NE(platform.prompts.prompts[0].text.find("1 object with an ID already used"), std::string::npos);
    EXPECT_EQ(factory.FileName(), Path("Damaged.ods"));
    ASSERT_NE(factory.Year(), nullptr);
}

TEST_F(MainWindowTest, TheContextMenuOffersWhatTheViewAndTargetAllow) {
    CSubject* subject = PrepareLessons();
    const auto visible = [this] {
        std::vector<std::string> entries;
        for (QAction* entry : main->PopupMenu().actions())
            if (entry->isVisible() && !entry->isSeparator()) entries.push_back(entry->text().toStdString());
        main->PopupMenu().hide();
        return entries;
    };
    Press(Planning(), 0, 0, Qt::RightButton);
    EXPECT_EQ(visible(), (std::vector<std::string>{"Select Teaching Days...", "New Subject...", "New Term..."}))
        << "the year: its commands, neither Properties nor Delete";
    const auto [column, row] = LessonCell(subject);
    Press(Planning(), 0, row - 1, Qt::RightButton);
    EXPECT_EQ(visible(), (std::vector<std::string>{"Properties...", "Delete Week", "Build Days"}));
    Planning().Grid().SelectCell(column, row);
    Planning().Grid().SelectCell(column + 1, row + 1, true);
    QTest::mousePress(Planning().Grid().viewport(), Qt::RightButton, {}, Planning().Grid().CellRect(column, row).center());
    EXPECT_EQ(visible(), (std::vector<std::string>{"Open Plans", "Delete Plans"})) << "a range";
}

TEST_F(MainWindowTest, ANameTypedWithoutExtensionIsSavedAsADataStore) {
    QtFileDialogs real;
    QTimer::singleShot(0, [this] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->setOption(QFileDialog::DontUseNativeDialog);
        dialog->selectFile(QString::fromStdString(Path("Typed")));
        QMetaObject::invokeMethod(dialog, "accept");
    });
    const QString chosen = real.ChooseFileToSave(main.get(), QStringLiteral("Data Store (*.ods)"), {});
    EXPECT_EQ(chosen.toStdString(), Path("Typed.ods"));
}

TEST_F(MainWindowTest, APupilsNotesCellOpensTheNotesWindowOnThePupil) {
    factory.Settings().SingleClick = true;
    CPupil* pupil = Year().NewPupil();
    pupil->SetAttributeValue("FIRST_NAME", "Ann");
    main->ShowView(1);
    TFrameGridAncestor& organiser = *main->Views()[1];
    int row = -1;
    for (int r = 0; r < organiser.Grid().RowCount() && row < 0; ++r)
        if (CellTarget(organiser.Cell(1, r)) == pupil) row = r;
    ASSERT_GE(row, 0);
    bool shown = false;
    QTimer::singleShot(0, [&] {
        auto* notes = qobject_cast<TFormNotesControler*>(QApplication::activeModalWidget());
        ASSERT_NE(notes, nullptr);
        shown = true;
        EXPECT_EQ(notes->windowTitle(), QStringLiteral("Pupil notes"));
        EXPECT_EQ(notes->PupilNotesPage().Object(), pupil);
        EXPECT_FALSE(notes->LessonNotesPage().isVisible());
        notes->ButtonClose().click();
    });
    Press(organiser, 1, row);
    EXPECT_TRUE(shown);
}

}  // namespace
}  // namespace vantaro::test
