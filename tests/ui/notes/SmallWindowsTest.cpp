// The absences window and the set manager, driven as a teacher would.

#include <QImage>
#include <QPushButton>

#include "domain/Assessments.h"
#include "domain/PupilRecords.h"
#include "domain/Subjects.h"
#include "grid/CellEditor.h"
#include "grid/markup/CellMarkup.h"
#include "routines/IdentifierCaption.h"
#include "routines/XMLRoutines.h"
#include "ui/controllers/ControllerTestSupport.h"
#include "windows/notes/TFormAbsencesControler.h"
#include "windows/notes/TFrameAbsenceGrid.h"
#include "windows/sets/TFormSetManager.h"
#include "windows/sets/TFrameSetManagerGrid.h"

namespace vantaro::test {
namespace {

class SmallWindowsTest : public ControllerTest {
protected:
    SmallWindowsTest() {
        factory.Settings().SingleClick = true;
        pupil->SetAttributeValue("FIRST_NAME", "Ann");
    }
    CPupil* pupil = year->NewPupil();
};

TEST_F(SmallWindowsTest, AbsencesAreAuthorisedByAClickAndDescribedInPlace) {
    CAbsence* absence = pupil->NewAbsence();
    ASSERT_EQ(absence->GetAttributeValue("AUTHORIZED"), "");
    bool shown = false;
    WhenModal([&](QWidget&) {
        auto* absences = ModalWindow<TFormAbsencesControler>();
        ASSERT_NE(absences, nullptr);
        shown = true;
        EXPECT_EQ(absences->windowTitle(), QStringLiteral("Pupil absences"));
        TFrameGridAncestor& page = absences->AbsencesPage();
        ASSERT_EQ(page.Grid().RowCount(), 4) << "an empty row, the title, the headings and the absence";
        EXPECT_EQ(CellValue(page.Cell(3, 1), cell::kAction), "ACTIONNEWABSENCE");
        const QPoint authorised = CellOf(page, absence);
        PressCell(page, authorised);
        EXPECT_EQ(absence->GetAttributeValue("AUTHORIZED"), "TRUE") << "an empty authorisation swaps to TRUE";
        EXPECT_EQ(TagContent(page.Cell(authorised.x(), authorised.y())), "0") << "the tick";
        PressCell(page, authorised);
        EXPECT_EQ(absence->GetAttributeValue("AUTHORIZED"), "FALSE");
        PressCell(page, {3, 3});
        ASSERT_TRUE(page.IsEditing());
        QTest::keyClicks(&page.Editor(), QStringLiteral("Dentist"));
        EXPECT_TRUE(absences->grab().toImage().save(QStringLiteral(VANTARO_BINARY_DIR "/absences-window.png")));
        absences->ButtonClose().click();
    });
    TFormAbsencesControler absences(&window);
    EXPECT_TRUE(absences.ShowAbsences(pupil, &window));
    EXPECT_TRUE(shown);
    EXPECT_EQ(absence->GetAttributeValue("DESCRIPTION"), "Dentist") << "Close writes what was typed";
}

TEST_F(SmallWindowsTest, TheSetManagerMovesAPupilIntoTheSetClicked) {
    CSubject* subject = year->NewSubject();
    subject->SetAttributeValue("DESCRIPTION", "Maths");
    CSet* red = subject->NewSet();
    red->SetAttributeValue("DESCRIPTION", "Red");
    CSet* blue = subject->NewSet();
    blue->SetAttributeValue("DESCRIPTION", "Blue");
    CAssessment* assessment = subject->NewAssessment(pupil);
    assessment->SetRelation("SET", red);
    bool shown = false;
    WhenModal([&](QWidget&) {
        auto* sets = ModalWindow<TFormSetManager>();
        ASSERT_NE(sets, nullptr);
        shown = true;
        EXPECT_EQ(sets->windowTitle().toStdString(), IdentifierCaption("SET_MANAGER FOR ") + "Maths");
        TFrameGridAncestor& page = sets->SetsPage();
        EXPECT_EQ(page.Grid().ColumnCount(), 3);
        EXPECT_EQ(CellDisplayText(page.Cell(1, 1)), "Maths");
        EXPECT_EQ(CellDisplayText(page.Cell(2, 2)), "Blue");
        EXPECT_EQ(CellDisplayText(page.Cell(0, 3)), "Ann");
        EXPECT_EQ(CellValue(page.Cell(1, 3), cell::kAction), "") << "the pupil's own set runs nothing";
        PressCell(page, CellOf(page, assessment, blue));
        EXPECT_EQ(assessment->GetRelation("SET"), blue);
        EXPECT_EQ(TagContent(page.Cell(2, 3)), "0") << "the tick moved";
        EXPECT_EQ(CellValue(page.Cell(1, 3), cell::kAction), "ACTIONINCLUDESET");
        EXPECT_TRUE(sets->grab().toImage().save(QStringLiteral(VANTARO_BINARY_DIR "/set-manager.png")));
        sets->ButtonClose().click();
    });
    TFormSetManager sets(&window);
    EXPECT_TRUE(sets.ShowSets(subject, &window));
    EXPECT_TRUE(shown);

    // Without sets: one empty column under the subject's title in a single cell.
    CSubject* art = year->NewSubject();
    WhenModal([&](QWidget&) {
        auto* manager = ModalWindow<TFormSetManager>();
        ASSERT_NE(manager, nullptr);
        EXPECT_EQ(manager->SetsPage().Grid().ColumnCount(), 2);
        EXPECT_EQ(CellValue(manager->SetsPage().Cell(1, 1), cell::kStyle), "TITLE");
        manager->ButtonClose().click();
    });
    TFormSetManager(&window).ShowSets(art, &window);
}

}  // namespace
}  // namespace vantaro::test
