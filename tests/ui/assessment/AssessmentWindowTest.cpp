// The assessment window driven as a teacher would: opening, its views and captions, typing
// gradings, choosing the staff of a range, the cell menu, closing and printing.

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTemporaryDir>

#include "controllers/selection/TFormSelectionControler.h"
#include "controllers/selection/TFrameSelectionGrid.h"
#include "grid/CellEditor.h"
#include "grid/markup/CellMarkup.h"
#include "ui/assessment/AssessmentTestSupport.h"
#include "windows/FileDialogs.h"
#include "windows/assessment/TFrameAssessmentNoteEditor.h"
#include "windows/assessment/TFramePupilNotes.h"
#include "windows/assessment/TFramePupilOutcomesGrid.h"
#include "windows/assessment/TFrameTargetListingGrid.h"
#include "windows/main/TFormMain.h"

namespace vantaro::test {
namespace {

constexpr const char* kViewActions[] = {"ACTIONVIEWASSESSEDOUTCOMES", "ACTIONVIEWLESSONNOTES",
                                        "ACTIONVIEWTARGETSETTING", "ACTIONVIEWPUPILNOTES"};

class AssessmentWindowTest : public AssessmentTest {
protected:
    TFrameGridAncestor& Targets() { return data->ViewTargets(); }
    // The staff cell of the grading (1 initial, 2 target, 3 final) below the assessment's targets.
    std::pair<int, int> StaffCell(const CAssessment* assessment, int grading) {
        for (int row = 0; row < Targets().Grid().RowCount(); ++row) {
            const std::string& markup = Targets().Cell(grading, row);
            if (CellTarget(markup) == assessment && CellHas(markup, cell::kParameter))
                return {grading, row};
        }
        ADD_FAILURE() << "no staff cell";
        return {grading, 0};
    }
    // Ticks the staff in the chooser that opens next, then presses OK or Cancel.
    void WhenChooserOpens(std::vector<CStaff*> staff, bool ok, int* busyBeforeOk = nullptr) {
        WhenModal([this, staff, ok, busyBeforeOk](QWidget&) {
            auto* chooser = ModalWindow<TFormSelectionControler>();
            ASSERT_NE(chooser, nullptr);
            EXPECT_EQ(chooser->ChosenIds(), "") << "nothing starts chosen";
            for (const CStaff* member : staff) ClickText(chooser->Page(), member->DisplayText());
            if (busyBeforeOk) *busyBeforeOk = platform.busy.begins;
            QTest::mouseClick(ok ? &chooser->ButtonOK() : &chooser->ButtonCancel(), Qt::LeftButton);
        });
    }
    std::vector<std::string> Captions(const QList<QAction*>& actions) {
        std::vector<std::string> captions;
        for (const QAction* action : actions)
            if (std::find(std::begin(kViewActions), std::end(kViewActions),
                          action->objectName().toUpper().toStdString()) != std::end(kViewActions))
                captions.push_back(action->text().toStdString());
        return captions;
    }
};

TEST_F(AssessmentWindowTest, ItOpensOnTheAssessmentsWithFourViewsInOrder) {
    Open({ann, annMaths, maths, rayMaths, annArt});
    EXPECT_EQ(data->windowTitle().toStdString(), "Maths Art Assessments");
    EXPECT_EQ(data->CurrentTarget(), annMaths);
    EXPECT_EQ(data->CurrentView(), &data->ViewOutcomes());
    EXPECT_EQ(data->ViewOutcomes().ObjectList(),
              (std::vector<CStored*>{annMaths, rayMaths, annArt}))
        << "only the assessments are kept, in order";
    EXPECT_EQ(data->ViewPupilNotes().ObjectList(), (std::vector<CStored*>{ann, ray}));
    const std::vector<std::string> views{"Assessed Outcomes", "Lesson Notes", "Target Setting",
                                         "Pupil Notes"};
    EXPECT_EQ(Captions(data->ViewMenu().actions()), views);
    EXPECT_EQ(Captions(data->ViewNavigator().actions()), views);
    EXPECT_EQ(data->FindAction("ACTIONFORMCLOSE")->text().toStdString(), "Assessments");
    EXPECT_EQ(data->FindAction("ACTIONSELECTTARGETSTAFF")->text().toStdString(),
              "Select Target Staff...");
    EXPECT_EQ(main.registered, 1);
    for (const char* action : kViewActions) {
        SCOPED_TRACE(action);
        ShowView(action);
        EXPECT_TRUE(data->FindAction(action)->isChecked());
        EXPECT_GT(data->CurrentView()->Grid().RowCount(), 1);
    }
}

class NoFileDialogs final : public FileDialogs {
public:
    QString ChooseFileToOpen(QWidget*, const QString&) override { return {}; }
    QStringList ChooseFilesToOpen(QWidget*, const QString&) override { return {}; }
    QString ChooseFileToSave(QWidget*, const QString&, const QString&) override { return {}; }
};

TEST_F(AssessmentWindowTest, ARangeOfTheAssessmentOrganiserOpensTheWindowWithEachPupilOnce) {
    CRovanFactory scratch;
    NoFileDialogs dialogs;
    TFormMain organisers(factory, scratch, dialogs);
    organisers.SetDataWindowMaker(DataWindowKind::Assessments, TFormAssessmentData::Open);
    organisers.ActionFileDisplayFactoryExecute();
    organisers.show();
    organisers.ShowView(1);
    TFrameGridAncestor& overview = *organisers.CurrentView();
    const int row = RowTargeting(overview, ann);
    const int mathsColumn = ColumnTargeting(overview, maths);
    const int artColumn = ColumnTargeting(overview, art);
    ASSERT_TRUE(row >= 0 && mathsColumn >= 0 && artColumn >= 0);
    Press(overview, std::min(mathsColumn, artColumn), row);
    Press(overview, std::max(mathsColumn, artColumn), row, Qt::LeftButton, Qt::ShiftModifier);
    Press(overview, std::max(mathsColumn, artColumn), row, Qt::RightButton);
    QAction* open = organisers.FindAction("ACTIONOPENASSESSMENTS");
    ASSERT_TRUE(organisers.PopupMenu().actions().contains(open) && open->isVisible());
    organisers.PopupMenu().hide();
    open->trigger();
    ASSERT_EQ(organisers.DataWindows().size(), 1u);
    data = qobject_cast<TFormAssessmentData*>(organisers.DataWindows()[0].data());
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(data->isVisible());
    EXPECT_FALSE(organisers.isVisible()) << "the window takes the organisers' place";
    EXPECT_EQ(data->ViewOutcomes().ObjectList().size(), 2u);
    ShowView("ACTIONVIEWPUPILNOTES");
    EXPECT_EQ(data->ViewPupilNotes().ObjectList(), std::vector<CStored*>{ann});
    EXPECT_EQ(RowShowing(data->ViewPupilNotes(), 0, "Ann Lee"), 0);
    EXPECT_EQ(RowShowing(data->ViewPupilNotes(), 0, "Ray"), -1);
}

TEST_F(AssessmentWindowTest, OneAssessmentIsCaptionedByItsPupil) {
    Open({annArt});
    EXPECT_EQ(data->windowTitle().toStdString(), "Ann Lee");
}

TEST_F(AssessmentWindowTest, WithoutAssessmentsItSaysSoAndMakesNoWindow) {
    EXPECT_EQ(TFormAssessmentData::Open(main, {ann, maths}), nullptr);
    ASSERT_EQ(platform.prompts.prompts.size(), 1u);
    EXPECT_EQ(platform.prompts.prompts[0].caption, "Missing Assessments");
    EXPECT_EQ(platform.prompts.prompts[0].text,
              "There Are No Assessments to show, This window will now close.");
    EXPECT_EQ(platform.prompts.prompts[0].buttons, MessageButtons::Close);
    EXPECT_EQ(main.registered, 0);
    for (const QWidget* widget : QApplication::topLevelWidgets())
        EXPECT_EQ(qobject_cast<const TFormAssessmentData*>(widget), nullptr);
    EXPECT_TRUE(main.widget.isVisible());
}

TEST_F(AssessmentWindowTest, GradingsTypedInPlaceAreStoredInCapitals) {
    OpenOnAll();
    ShowView("ACTIONVIEWTARGETSETTING");
    const int row = RowShowing(Targets(), 0, "Shape");
    Press(Targets(), 2, row);
    ASSERT_TRUE(Targets().IsEditing());
    QTest::keyClicks(&Targets().Editor(), QStringLiteral("4b"));
    QTest::keyClick(&Targets().Editor(), Qt::Key_Return);
    EXPECT_EQ(
        AttainmentTargetFor(*annMaths, attainments[1], false)->GetAttributeValue("TARGET_GRADING"),
        "4B");
    EXPECT_EQ(CellDisplayText(Targets().Cell(2, row)), "4B");
}

TEST_F(AssessmentWindowTest, StaffChosenForARangeSetEverySelectedGradingAndRebuildOnce) {
    rayMaths->AddToAssociation("TARGET_STAFF", kim);
    OpenOnAll();
    ShowView("ACTIONVIEWTARGETSETTING");
    const auto [column, annRow] = StaffCell(annMaths, 2);
    const int rayRow = StaffCell(rayMaths, 2).second;
    Press(Targets(), column, annRow);
    Press(Targets(), column, rayRow, Qt::LeftButton, Qt::ShiftModifier);
    ASSERT_EQ(Targets().Selection(), QRect(QPoint(column, annRow), QPoint(column, rayRow)));
    int busyBeforeOk = 0;
    WhenChooserOpens({jo, kim}, true, &busyBeforeOk);
    DoubleClick(Targets(), column, rayRow);
    const std::vector<CStored*> both{jo, kim};
    EXPECT_EQ(annMaths->AssociationItems("TARGET_STAFF"), both);
    EXPECT_EQ(rayMaths->AssociationItems("TARGET_STAFF"), both)
        << "the chosen staff replace the former";
    EXPECT_TRUE(annMaths->AssociationItems("INITIAL_STAFF").empty());
    EXPECT_TRUE(annArt->AssociationItems("TARGET_STAFF").empty()) << "outside the range";
    EXPECT_EQ(platform.busy.begins - busyBeforeOk, 1)
        << "the page is rebuilt once, after every cell is set";
    EXPECT_EQ(CellDisplayText(Targets().Cell(column, annRow)), "Jo Smith, Kim Wu");
    EXPECT_EQ(CellDisplayText(Targets().Cell(column, rayRow)), "Jo Smith, Kim Wu");
}

TEST_F(AssessmentWindowTest, OneStaffCellClickedSetsJustThatGrading) {
    factory.Settings().SingleClick = true;
    OpenOnAll();
    ShowView("ACTIONVIEWTARGETSETTING");
    WhenChooserOpens({jo}, true);
    const auto [column, row] = StaffCell(annArt, 1);
    Press(Targets(), column, row);
    EXPECT_EQ(annArt->AssociationItems("INITIAL_STAFF"), std::vector<CStored*>{jo});
    for (const char* association : {"TARGET_STAFF", "FINAL_STAFF"})
        EXPECT_TRUE(annArt->AssociationItems(association).empty()) << association;
}

TEST_F(AssessmentWindowTest, CancelOrNoStaffCellSelectedChangesNothing) {
    OpenOnAll();
    ShowView("ACTIONVIEWTARGETSETTING");
    WhenChooserOpens({jo}, false);
    const auto [column, row] = StaffCell(annMaths, 3);
    DoubleClick(Targets(), column, row);
    EXPECT_TRUE(annMaths->AssociationItems("FINAL_STAFF").empty());
    EXPECT_TRUE(platform.prompts.prompts.empty());

    Press(Targets(), 1, RowShowing(Targets(), 0, "Number"));
    data->RunAction(data->FindAction("ACTIONSELECTTARGETSTAFF"));
    ASSERT_EQ(platform.prompts.prompts.size(), 1u);
    EXPECT_EQ(platform.prompts.prompts[0].caption, "There Are Not Items Selected");
    EXPECT_EQ(platform.prompts.prompts[0].text,
              "Please select a range of Pupils and Outcomes to change");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "no chooser opens";
    for (const CAssessment* assessment : {annMaths, rayMaths, annArt})
        for (const std::string_view association : TFrameTargetListingGrid::kStaff)
            EXPECT_EQ(assessment->AssociationCount(association), 0);
}

TEST_F(AssessmentWindowTest, TheCellMenuHidesDeleteAndPropertiesOnTargetsAndOutcomes) {
    OpenOnAll();
    QMenu& menu = data->PopupMenu();
    const auto menuOn = [&](TFrameGridAncestor& page, int column, int row) {
        Press(page, column, row, Qt::RightButton);
        const bool shown = menu.isVisible();
        const bool properties = data->PopupItemProperties()->isVisible();
        const bool deletes = data->PopupItemDelete()->isVisible();
        menu.hide();
        return std::array<bool, 3>{shown, properties, deletes};
    };
    TFrameGridAncestor& outcomes = data->ViewOutcomes();
    EXPECT_EQ(menuOn(outcomes, 0, 0), (std::array{true, false, false})) << "the pupil's title";
    EXPECT_EQ(menuOn(outcomes, 0, 2), (std::array{true, true, false})) << "an outcome";
    ShowView("ACTIONVIEWTARGETSETTING");
    EXPECT_EQ(menuOn(Targets(), 0, 3), (std::array{true, false, false})) << "an attainment";
    EXPECT_FALSE(menuOn(Targets(), 1, 2)[0]) << "a heading without target opens no menu";
    ShowView("ACTIONVIEWPUPILNOTES");
    EXPECT_EQ(menuOn(data->ViewPupilNotes(), 0, 1), (std::array{true, true, true})) << "a note";
}

// Text being typed in either notes view is written when the window closes.
TEST_F(AssessmentWindowTest, ClosingWritesTheNoteBeingTypedInEitherNotesView) {
    for (const auto& [view, note] : {std::pair{"ACTIONVIEWLESSONNOTES", generalNote},
                                     std::pair{"ACTIONVIEWPUPILNOTES", pupilNote}}) {
        SCOPED_TRACE(view);
        OpenOnAll();
        ShowView(view);
        TFrameGridAncestor& page = *data->CurrentView();
        const std::string typedOver = note->GetAttributeText("DESCRIPTION");
        const int row = RowShowing(page, 0, typedOver);
        ASSERT_GE(row, 0);
        Press(page, 0, row);
        ASSERT_TRUE(page.IsEditing());
        QTest::keyClick(&page.Editor(), Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(&page.Editor(), QStringLiteral(" today"));
        data->RunAction(data->FindAction("ACTIONFORMCLOSE"));
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(data.isNull());
        EXPECT_EQ(note->GetAttributeText("DESCRIPTION"), typedOver + " today");
        EXPECT_TRUE(platform.prompts.prompts.empty());
        EXPECT_EQ(main.registered, 0);
    }
}

TEST_F(AssessmentWindowTest, EveryViewPrintsToPdfAndPreviews) {
    OpenOnAll();
    QTemporaryDir folder;
    for (const char* action : kViewActions) {
        SCOPED_TRACE(action);
        ShowView(action);
        TFrameGridAncestor& view = *data->CurrentView();
        const QString path = folder.filePath(QString::fromLatin1(action) + QStringLiteral(".pdf"));
        ASSERT_TRUE(view.SaveAsPdf(path));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(file.readAll().contains("/Type /Page"));
        data->RunAction(data->FindAction("ACTIONPREVIEWVIEW"));
        EXPECT_TRUE(view.IsPreviewShowing());
        EXPECT_GE(view.PreviewPageCount(), 1);
    }
    EXPECT_TRUE(platform.prompts.prompts.empty()) << "no print error";
}

}  // namespace
}  // namespace vantaro::test
