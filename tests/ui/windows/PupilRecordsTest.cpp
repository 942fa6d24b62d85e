// A teacher's round through the main window: pupils chosen for a subject, a set made and filled,
// a note written and an absence recorded and changed, each through its own window; then the year
// saved and opened again with all of it there.

#include <QImage>
#include <QMenu>

#include "controllers/property/TFormPropertyControler.h"
#include "controllers/selection/TFormSelectionControler.h"
#include "controllers/selection/TFrameSelectionGrid.h"
#include "domain/Assessments.h"
#include "domain/Lookups.h"
#include "domain/PupilRecords.h"
#include "domain/Subjects.h"
#include "grid/CellEditor.h"
#include "ui/controllers/ControllerTestSupport.h"
#include "ui/windows/MainWindowFixture.h"
#include "windows/assessment/TFramePupilNotes.h"
#include "windows/notes/TFormAbsencesControler.h"
#include "windows/notes/TFormNotesControler.h"
#include "windows/notes/TFrameAbsenceGrid.h"
#include "windows/sets/TFormPupilSelection.h"
#include "windows/sets/TFormSetManager.h"
#include "windows/sets/TFrameSetManagerGrid.h"

namespace vantaro::test {
namespace {

class PupilRecordsTest : public MainWindowFixture {
protected:
    PupilRecordsTest() {
        factory.Settings().SingleClick = true;
        maths = static_cast<CSubject*>(Year().AssociationItems("SUBJECTS").front());
        for (const auto& [name, form] : {std::pair{"Ann", "Year 1"}, {"Ben", "Year 2"}}) {
            CPupil* pupil = Year().NewPupil();
            pupil->SetAttributeValue("FIRST_NAME", name);
            pupil->SetAttributeValue("LAST_NAME", "Lee");
            pupil->SetRelation("FORM", Named("FORMS", form));
        }
    }

    CStored* Named(const char* association, const std::string& description) {
        for (CStored* item : Year().AssociationItems(association))
            if (item->GetAttributeValue("DESCRIPTION") == description) return item;
        return nullptr;
    }
    CPupil* Pupil(const std::string& name) {
        for (CStored* pupil : Year().AssociationItems("PUPILS"))
            if (pupil->GetAttributeValue("FIRST_NAME") == name) return static_cast<CPupil*>(pupil);
        return nullptr;
    }
    TFrameGridAncestor& Organiser(int index) {
        main->ShowView(index);
        return *main->Views()[index];
    }
    // Opens the context menu of the cell and chooses the entry.
    void ChooseFromMenu(TFrameGridAncestor& page, QPoint cell, const char* caption, TFormControlerAncestor& window) {
        PressCell(page, cell, Qt::RightButton);
        EXPECT_TRUE(ChooseMenuEntry(window.PopupMenu(), QString::fromLatin1(caption))) << caption;
    }
    static void WhenModal(std::function<void(QWidget&)> user) {
        QTimer::singleShot(0, [user = std::move(user)] {
            QWidget* modal = QApplication::activeModalWidget();
            ASSERT_NE(modal, nullptr) << "no window runs modally";
            EXPECT_TRUE(QTest::qWaitForWindowActive(modal));
            user(*modal);
        });
    }
    std::string AbsenceCellText(const std::string& name) {
        TFrameGridAncestor& reports = Organiser(2);
        const QPoint cell = CellOf(reports, Pupil(name));
        return CellDisplayText(reports.Cell(1, cell.y()));
    }

    CSubject* maths = nullptr;
};

TEST_F(PupilRecordsTest, ChosenPupilsSetsNotesAndAbsencesSurviveSaveAndOpen) {
    // Both pupils chosen for the subject in the pupil selection window.
    TFrameGridAncestor& assessments = Organiser(1);
    WhenModal([&](QWidget&) {
        auto* chooser = ModalWindow<TFormPupilSelection>();
        ASSERT_NE(chooser, nullptr);
        for (const char* name : {"Ann", "Ben"}) PressCell(chooser->Page(), CellOf(chooser->Page(), Pupil(name)));
        QTest::mouseClick(&chooser->ButtonOK(), Qt::LeftButton);
    });
    ChooseFromMenu(assessments, CellOf(assessments, maths), "Select Pupils...", *main);
    ASSERT_NE(AssessmentFor(*maths, Pupil("Ann"), false), nullptr);
    ASSERT_NE(AssessmentFor(*maths, Pupil("Ben"), false), nullptr);

    // A set made in the set manager, and Ann put in it.
    const int sets = maths->AssociationCount("SETS");
    WhenModal([&](QWidget&) {
        auto* manager = ModalWindow<TFormSetManager>();
        ASSERT_NE(manager, nullptr);
        TFrameGridAncestor& page = manager->SetsPage();
        WhenModal([&](QWidget&) {
            auto* properties = ModalWindow<TFormPropertyControler>();
            ASSERT_NE(properties, nullptr);
            QTest::mouseClick(&properties->ButtonCloseOK(), Qt::LeftButton);
        });
        ChooseFromMenu(page, CellOf(page, maths), "New Set...", *manager);
        EXPECT_EQ(maths->AssociationCount("SETS"), sets + 1);
        PressCell(page, CellOf(page, AssessmentFor(*maths, Pupil("Ann"), false), maths->AssociationItem("SETS", sets)));
        manager->ButtonClose().click();
    });
    ChooseFromMenu(assessments, CellOf(assessments, maths), "Sets...", *main);

    // A note written for Ann from the organiser's notes column.
    WhenModal([&](QWidget&) {
        auto* notes = ModalWindow<TFormNotesControler>();
        ASSERT_NE(notes, nullptr);
        TFrameGridAncestor& page = notes->PupilNotesPage();
        PressCell(page, CellOf(page, Pupil("Ann")));
        ASSERT_EQ(Pupil("Ann")->AssociationCount("NOTES"), 1);
        PressCell(page, CellOf(page, Pupil("Ann")->AssociationItem("NOTES", 0)) + QPoint(0, 1));
        ASSERT_TRUE(page.IsEditing());
        QTest::keyClicks(&page.Editor(), QStringLiteral("Reads well"));
        EXPECT_TRUE(notes->grab().toImage().save(QStringLiteral(VANTARO_BINARY_DIR "/notes-window-pupil.png")));
        notes->ButtonClose().click();
    });
    PressCell(Organiser(1), CellOf(Organiser(1), Pupil("Ann")) + QPoint(1, 0));
    EXPECT_EQ(CellDisplayText(Organiser(1).Cell(1, CellOf(Organiser(1), Pupil("Ann")).y())), "1");

    // An absence of one day, authorised and then not; the report organiser's totals follow.
    const auto swapAbsence = [&] {
        WhenModal([&](QWidget&) {
            auto* absences = ModalWindow<TFormAbsencesControler>();
            ASSERT_NE(absences, nullptr);
            TFrameGridAncestor& page = absences->AbsencesPage();
            if (Pupil("Ann")->AssociationCount("ABSENCES") == 0) {
                PressCell(page, {3, 1});
                ASSERT_EQ(Pupil("Ann")->AssociationCount("ABSENCES"), 1);
                CStored* absence = Pupil("Ann")->AssociationItem("ABSENCES", 0);
                WhenModal([&](QWidget&) {
                    auto* chooser = ModalWindow<TFormSelectionControler>();
                    ASSERT_NE(chooser, nullptr);
                    PressCell(chooser->Page(), CellShowing(chooser->Page(), "One Day"));
                    QTest::mouseClick(&chooser->ButtonOK(), Qt::LeftButton);
                });
                PressCell(page, CellOf(page, absence) + QPoint(2, 0));
            }
            PressCell(page, CellOf(page, Pupil("Ann")->AssociationItem("ABSENCES", 0)));
            absences->ButtonClose().click();
        });
        TFrameGridAncestor& reports = Organiser(2);
        PressCell(reports, CellOf(reports, Pupil("Ann")) + QPoint(1, 0));
    };
    swapAbsence();  // made, and authorised
    EXPECT_EQ(AbsenceCellText("Ann"), "1/None");
    swapAbsence();  // made unauthorised
    EXPECT_EQ(AbsenceCellText("Ann"), "None/1");

    dialogs.save = QString::fromStdString(Path("records.ods"));
    ASSERT_TRUE(main->ActionFileSaveAsExecute());
    factory.NewDataStore(false);
    main->ActionFileDisplayFactoryExecute();
    dialogs.open = dialogs.save;
    platform.prompts.answer = false;
    main->ActionFileOpenExecute();
    ASSERT_NE(factory.Year(), nullptr);

    maths = static_cast<CSubject*>(Year().AssociationItems("SUBJECTS").front());
    const CStored* annsMaths = AssessmentFor(*maths, Pupil("Ann"), false);
    ASSERT_NE(annsMaths, nullptr);
    EXPECT_NE(AssessmentFor(*maths, Pupil("Ben"), false), nullptr);
    ASSERT_EQ(maths->AssociationCount("SETS"), sets + 1);
    EXPECT_EQ(annsMaths->GetRelation("SET"), maths->AssociationItem("SETS", sets));
    ASSERT_EQ(Pupil("Ann")->AssociationCount("NOTES"), 1);
    EXPECT_EQ(Pupil("Ann")->AssociationItem("NOTES", 0)->GetAttributeValue("DESCRIPTION"), "Reads well");
    EXPECT_EQ(AbsenceCellText("Ann"), "None/1");
    EXPECT_EQ(AbsenceCellText("Ben"), "None/None");
}

}  // namespace
}  // namespace vantaro::test
