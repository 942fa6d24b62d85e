// The pupil selection window in both modes, driven as a teacher would.

#include <QImage>
#include <QPushButton>

#include "controllers/selection/TFrameSelectionGrid.h"
#include "domain/Assessments.h"
#include "domain/Lookups.h"
#include "domain/Subjects.h"
#include "ui/controllers/ControllerTestSupport.h"
#include "windows/sets/TFormPupilSelection.h"

namespace vantaro::test {
namespace {

// Forms "Year 1", "Year 10" and "Year 11" (hidden), a pupil in each and one without a form, all
// assessed in Maths.
class PupilSelectionTest : public ControllerTest {
protected:
    PupilSelectionTest() {
        factory.SetDeletedCountsAsHidden(true);
        maths->SetAttributeValue("DESCRIPTION", "Maths");
        for (const char* name : {"Year 1", "Year 10", "Year 11"}) {
            CForm* form = year->NewForm();
            form->SetAttributeValue("DESCRIPTION", name);
            forms.push_back(form);
        }
        for (const char* name : {"Ann", "Ben", "Cat", "Dan"}) {
            CPupil* pupil = year->NewPupil();
            pupil->SetAttributeValue("FIRST_NAME", name);
            pupil->SetAttributeValue("LAST_NAME", name);
            pupils.push_back(pupil);
            AssessmentFor(*maths, pupil, true);
        }
        pupils[0]->SetRelation("FORM", forms[0]);
        pupils[1]->SetRelation("FORM", forms[1]);
        pupils[2]->SetRelation("FORM", forms[2]);
        factory.SetHiddenIDs(std::to_string(forms[2]->ID()));
    }
    // The columns of the chooser's page that list the pupil.
    static std::vector<QPoint> CellsOf(const TFrameGridAncestor& page, const CStored* pupil) {
        std::vector<QPoint> cells;
        for (int row = 0; row < page.Grid().RowCount(); ++row)
            for (int column = 0; column < page.Grid().ColumnCount(); ++column)
                if (CellTarget(page.Cell(column, row)) == pupil) cells.emplace_back(column, row);
        return cells;
    }
    bool Assessed(CPupil* pupil) { return AssessmentFor(*maths, pupil, false) != nullptr; }

    CSubject* maths = year->NewSubject();
    std::vector<CForm*> forms;
    std::vector<CPupil*> pupils;
};

TEST_F(PupilSelectionTest, EachShownFormIsAColumnAndOnlyOfferedPupilsChange) {
    bool shown = false;
    WhenModal([&](QWidget&) {
        auto* chooser = ModalWindow<TFormPupilSelection>();
        ASSERT_NE(chooser, nullptr);
        shown = true;
        EXPECT_EQ(chooser->windowTitle(), QStringLiteral("Pupil Selector"));
        TFrameGridAncestor& page = chooser->Page();
        EXPECT_EQ(page.Grid().ColumnCount(), 3) << "no form, Year 1, Year 10";
        EXPECT_EQ(CellDisplayText(page.Cell(1, 0)), "Year 1");
        EXPECT_EQ(CellsOf(page, pupils[3]).front().x(), 0) << "the pupils without a form come first";
        ASSERT_EQ(CellsOf(page, pupils[0]).size(), 1u) << "Year 1 does not also collect Year 10";
        EXPECT_TRUE(CellsOf(page, pupils[2]).empty()) << "a hidden form's pupil is not offered";
        PressCell(page, CellsOf(page, pupils[0]).front());  // untick Ann
        EXPECT_TRUE(chooser->grab().toImage().save(QStringLiteral(VANTARO_BINARY_DIR "/pupil-selection.png")));
        QTest::mouseClick(&chooser->ButtonOK(), Qt::LeftButton);
    });
    EXPECT_TRUE(TFormPupilSelection(&window).SelectPupils(*maths, &window));
    EXPECT_TRUE(shown);
    EXPECT_FALSE(Assessed(pupils[0]));
    EXPECT_TRUE(Assessed(pupils[1]));
    EXPECT_TRUE(Assessed(pupils[3]));
    factory.SetHiddenIDs("");
    EXPECT_TRUE(Assessed(pupils[2])) << "the hidden form's pupil keeps the assessment";
}

TEST_F(PupilSelectionTest, CloningWaitsForASubjectAndCopiesOnlyLiveAssessments) {
    CSubject* art = year->NewSubject();
    art->SetAttributeValue("DESCRIPTION", "Art");
    AssessmentFor(*art, pupils[0], true);
    factory.MoveToTrash(AssessmentFor(*art, pupils[1], true));
    WhenModal([&](QWidget&) {
        auto* chooser = ModalWindow<TFormPupilSelection>();
        ASSERT_NE(chooser, nullptr);
        EXPECT_FALSE(chooser->ButtonOK().isEnabled()) << "nothing to copy yet";
        PressCell(chooser->Page(), CellsOf(chooser->Page(), art).front());
        EXPECT_TRUE(chooser->ButtonOK().isEnabled());
        EXPECT_TRUE(chooser->grab().toImage().save(QStringLiteral(VANTARO_BINARY_DIR "/pupil-cloning.png")));
        QTest::mouseClick(&chooser->ButtonOK(), Qt::LeftButton);
    });
    EXPECT_TRUE(TFormPupilSelection(&window).ClonePupilSelection(*maths, &window));
    EXPECT_TRUE(Assessed(pupils[0]));
    EXPECT_FALSE(Assessed(pupils[1])) << "Art's assessment of Ben is in the trash";
    EXPECT_FALSE(Assessed(pupils[3]));

    WhenModal([&](QWidget&) { QTest::mouseClick(&ModalWindow<TFormPupilSelection>()->ButtonCancel(), Qt::LeftButton); });
    EXPECT_FALSE(TFormPupilSelection(&window).ClonePupilSelection(*maths, &window));
    EXPECT_TRUE(Assessed(pupils[0])) << "Cancel changes nothing";
}

}  // namespace
}  // namespace vantaro::test
