// The property page and window.

#include "controllers/property/TFormPropertyControler.h"
#include "controllers/property/TFramePropertyGrid.h"
#include "domain/Assessments.h"
#include "domain/Lookups.h"
#include "domain/PupilRecords.h"
#include "domain/Subjects.h"
#include "grid/CellEditor.h"
#include "domain/PlanItems.h"

#include <QDropEvent>
#include <QMimeData>
#include "grid/markup/CellMarkup.h"
#include "ui/controllers/ControllerTestSupport.h"

namespace vantaro::test {
namespace {

class PropertyWindowTest : public ControllerTest {
protected:
    // The page's rows as "text|ACTION", empty rows left out.
    static std::vector<std::string> Rows(const TFramePropertyGrid& page) {
        std::vector<std::string> rows;
        for (int row = 0; row < page.Grid().RowCount(); ++row) {
            const std::string& markup = page.Cell(0, row);
            if (markup.empty()) continue;
            std::string text = CellDisplayText(markup);
            const std::string action = CellValue(markup, cell::kAction);
            if (!action.empty()) text += "|" + action;
            rows.push_back(text);
        }
        return rows;
    }

    // The page as the property window shows it, without running the window's loop.
    std::vector<std::string> PageOf(CStored* object) {
        TFramePropertyGrid page;
        page.SetKindsFor(object);
        page.SetObject(object);
        page.Refresh(0);
        return Rows(page);
    }
};

TEST_F(PropertyWindowTest, APupilShowsItsAttributesAndRelations) {
    CPupil* pupil = year->NewPupil();
    const std::vector<std::string> rows = PageOf(pupil);
    const std::vector<std::string> expected = {
        "<New Pupil>", "First Name", "", "Middle Initials", "", "Last Name", "",
        "Date Of Birth", "To Be Confirmed|ACTIONCHOOSEDATE", "Form|ACTIONCHOOSEFORM", "Gender|ACTIONCHOOSEGENDER"};
    EXPECT_EQ(rows, expected);
}

TEST_F(PropertyWindowTest, ASubjectsExcludedListsAreLeftOutAndItsSelectionsHaveTheirActions) {
    CSubject* subject = year->NewSubject();
    const std::vector<std::string> rows = PageOf(subject);
    const auto has = [&rows](const std::string& row) { return std::find(rows.begin(), rows.end(), row) != rows.end(); };
    EXPECT_TRUE(has("Preset Objectives|ACTIONSELECTPRESETOBJECTIVES"));
    EXPECT_TRUE(has("Tutor|ACTIONCHOOSETUTOR"));
    EXPECT_TRUE(has("Core Subject"));
    EXPECT_TRUE(has("False|ACTIONSWOPBOOLEAN"));
    EXPECT_FALSE(has("Sets")) << "excluded";
    EXPECT_FALSE(has("Curriculum Levels|ACTIONSELECTCURRICULUMLEVELS")) << "excluded";
}

TEST_F(PropertyWindowTest, ANoteHidesItsDateAndAWeeksStartIsReadOnly) {
    CNote* note = year->NewPupil()->NewNote();
    const std::vector<std::string> noteRows = PageOf(note);
    EXPECT_EQ(std::count(noteRows.begin(), noteRows.end(), "Date"), 0);
    CWeek* week = year->NewTerm()->NewWeek();
    const std::vector<std::string> weekRows = PageOf(week);
    const auto start = std::find(weekRows.begin(), weekRows.end(), "Start Date");
    ASSERT_NE(start, weekRows.end());
    EXPECT_EQ((start + 1)->find('|'), std::string::npos) << "no date action on a week's start";
    const std::vector<std::string> termRows = PageOf(year->NewTerm());
    EXPECT_NE(std::find(termRows.begin(), termRows.end(), "To Be Confirmed|ACTIONCHOOSEDATE"), termRows.end());
}

TEST_F(PropertyWindowTest, NavigatingForwardBuildsAPathThatLeadsBack) {
    CSubject* subject = year->NewSubject();
    subject->SetAttributeValue("DESCRIPTION", "Maths");
    CStaff* tutor = year->NewStaff();
    tutor->SetAttributeValue("LAST_NAME", "Hale");
    subject->SetRelation("TUTOR", tutor);
    TFormPropertyControler properties;
    properties.Page().SetKindsFor(subject);
    properties.Page().SetObject(subject);
    properties.SetCurrentView(&properties.Page());
    properties.show();
    properties.Page().NavigateBack();
    EXPECT_EQ(properties.Page().Object(), subject) << "an empty history shows the same object";
    properties.RunCell(LinkCell(tutor, {.action = "ActionNavigateForward", .target = tutor}));
    EXPECT_EQ(properties.Page().Object(), tutor);
    EXPECT_EQ(CellDisplayText(properties.Page().Cell(0, 1)), subject->DisplayText());
    properties.RunCell(properties.Page().Cell(0, 1));
    EXPECT_EQ(properties.Page().Object(), subject);
}

TEST_F(PropertyWindowTest, CancellingANewPupilLeavesNoPupilBehind) {
    const int before = factory.Objects().Count();
    WhenModal([](QWidget&) {
        auto* properties = ModalWindow<TFormPropertyControler>();
        ASSERT_NE(properties, nullptr);
        EXPECT_EQ(properties->windowTitle().toStdString(), "New Pupil Properties");
        EXPECT_EQ(properties->ButtonCloseOK().text().toStdString(), "OK");
        QTest::mouseClick(&properties->ButtonCancel(), Qt::LeftButton);
    });
    Run(LinkCell(year, {.action = "ActionNewPupil", .target = year}));
    EXPECT_TRUE(year->AssociationItems("PUPILS").empty());
    EXPECT_EQ(factory.Objects().Count(), before);
}

TEST_F(PropertyWindowTest, OkKeepsANewPupilWithWhatWasTyped) {
    WhenModal([](QWidget&) {
        auto* properties = ModalWindow<TFormPropertyControler>();
        ASSERT_NE(properties, nullptr);
        TFramePropertyGrid& page = properties->Page();
        const QPoint firstName = page.Grid().CellRect(0, RowOf(page, "First Name") + 1).center();
        QTest::mouseClick(page.Grid().viewport(), Qt::LeftButton, {}, firstName);
        QTest::keyClicks(&page.Editor(), QStringLiteral("Ann"));
        QTest::mouseClick(&properties->ButtonCloseOK(), Qt::LeftButton);
    });
    Run(LinkCell(year, {.action = "ActionNewPupil", .target = year}));
    ASSERT_EQ(year->AssociationItems("PUPILS").size(), 1u);
    EXPECT_EQ(year->AssociationItems("PUPILS")[0]->GetAttributeText("FIRST_NAME"), "Ann");
}

TEST_F(PropertyWindowTest, AnAssessmentShowsItsPupilOrItselfWithoutOne) {
    CSubject* subject = year->NewSubject();
    CPupil* pupil = year->NewPupil();
    CAssessment* assessment = AssessmentFor(*subject, pupil, true);
    const auto shown = [this](CStored* object) {
        CStored* page = nullptr;
        WhenModal([&page](QWidget&) {
            auto* properties = ModalWindow<TFormPropertyControler>();
            ASSERT_NE(properties, nullptr);
            page = properties->Page().Object();
            EXPECT_FALSE(properties->ButtonCancel().isVisible());
            properties->close();
        });
        TFormPropertyControler properties(&window);
        EXPECT_TRUE(properties.ShowProperties(object, &window, false)) << "the close button means Close";
        return page;
    };
    EXPECT_EQ(shown(assessment), pupil);
    assessment->SetRelation("PUPIL", nullptr);
    EXPECT_EQ(shown(assessment), assessment);
}

TEST_F(PropertyWindowTest, DraggingAMemberOntoAnotherOfItsKindReordersTheList) {
    CSubject* subject = year->NewSubject();
    CStored* reading = year->NewObjectiveCategory();
    reading->SetAttributeValue("DESCRIPTION", "Reading");
    CStored* writing = year->NewObjectiveCategory();
    writing->SetAttributeValue("DESCRIPTION", "Writing");
    subject->SetAssociationIDs("PRESET_OBJECTIVES", std::to_string(reading->ID()) + "," + std::to_string(writing->ID()));
    CStaff* tutor = year->NewStaff();
    subject->SetRelation("TUTOR", tutor);
    TFormPropertyControler properties;
    TFramePropertyGrid& page = properties.Page();
    page.SetKindsFor(subject);
    page.SetObject(subject);
    properties.SetCurrentView(&page);
    properties.show();
    const auto centre = [&page](const std::string& text) {
        page.Grid().ScrollIntoView(0, RowOf(page, text));
        return page.Grid().CellRect(0, RowOf(page, text)).center();
    };
    const auto drop = [&](const std::string& dragged, const std::string& onto) {
        QTest::mouseClick(page.Grid().viewport(), Qt::LeftButton, {}, centre(dragged));
        std::unique_ptr<QMimeData> data(page.NewDragData());
        const QPoint at = centre(onto);
        QDragEnterEvent enter(at, Qt::CopyAction, data.get(), Qt::LeftButton, {});
        QApplication::sendEvent(page.Grid().viewport(), &enter);
        QDropEvent drop(at, Qt::CopyAction, data.get(), Qt::LeftButton, {});
        QApplication::sendEvent(page.Grid().viewport(), &drop);
        return enter.isAccepted() && drop.isAccepted();
    };
    tutor->SetAttributeValue("LAST_NAME", "Hale");
    page.Refresh(0);
    EXPECT_FALSE(drop("Writing", tutor->DisplayText())) << "another kind";
    EXPECT_TRUE(drop("Writing", "Reading"));
    EXPECT_EQ(subject->AssociationItems("PRESET_OBJECTIVES"), (std::vector<CStored*>{writing, reading}));
}

TEST_F(PropertyWindowTest, EscCommitsAndClosesAndTheYearsTutorIsFoundOrAdded) {
    year->SetAttributeValue("TUTOR_NAME", "Mrs Hale");
    WhenModal([](QWidget& modal) {
        auto& properties = static_cast<TFormPropertyControler&>(modal);
        TFramePropertyGrid& page = properties.Page();
        QTest::mouseClick(page.Grid().viewport(), Qt::LeftButton, {},
                          page.Grid().CellRect(0, RowOf(page, "School Name") + 1).center());
        QTest::keyClicks(&page.Editor(), QStringLiteral("Hill School"));
        QTest::keyClick(&properties, Qt::Key_Escape);
    });
    TFormPropertyControler properties(&window);
    EXPECT_TRUE(properties.ShowProperties(year, &window, false));
    EXPECT_EQ(year->GetAttributeText("SCHOOL_NAME"), "Hill School");
    ASSERT_EQ(year->AssociationItems("STAFF").size(), 1u) << "the tutor named by the year";
}

TEST_F(PropertyWindowTest, ChooseCurriculumChangesNothingWhereASubjectHasNoCurriculum) {
    CSubject* subject = year->NewSubject();
    year->NewCurriculum();
    TFormPropertyControler properties;
    properties.RunCell(LinkCell(subject, {.action = "ActionChooseCurriculum", .target = subject}));
    EXPECT_TRUE(platform.prompts.prompts.empty()) << "no question about targets";
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "no chooser";
}

TEST_F(PropertyWindowTest, ThePropertyWindowIsGrabbed) {
    CPupil* pupil = year->NewPupil();
    pupil->SetAttributeValue("FIRST_NAME", "Ann");
    pupil->SetAttributeValue("LAST_NAME", "Lee");
    pupil->SetRelation("FORM", year->NewForm());
    WhenModal([](QWidget&) {
        auto* properties = ModalWindow<TFormPropertyControler>();
        ASSERT_NE(properties, nullptr);
        QApplication::processEvents();
        EXPECT_TRUE(properties->grab().save(QStringLiteral(VANTARO_BINARY_DIR "/property-window.png")));
        QTest::mouseClick(&properties->ButtonCloseOK(), Qt::LeftButton);
    });
    Run(LinkCell(pupil, {.action = "ActionTargetProperties", .target = pupil}));
}

}  // namespace
}  // namespace vantaro::test
