// The three pages other windows reuse, each given one object and a controller: drag-source mode,
// the fixed lesson plan of the lesson notes and the pupil notes without adding.

#include "grid/markup/CellMarkup.h"
#include "ui/assessment/AssessmentTestSupport.h"
#include "windows/assessment/TFrameAssessmentNoteEditor.h"
#include "windows/assessment/TFramePupilNotes.h"
#include "windows/assessment/TFramePupilOutcomesGrid.h"

namespace vantaro::test {
namespace {

using Looks = std::vector<std::string>;

// A plain window (the shared actions) showing one page.
template <class Page>
class PageWindow : public TFormControlerAncestor {
public:
    PageWindow() : TFormControlerAncestor("TFormPageTest", QSize(700, 500)) {
        page = new Page(this);
        setCentralWidget(page);
        SetCurrentView(page);
    }
    Page* page;
};

class AssessmentFramesTest : public AssessmentTest {
protected:
    template <class Page>
    Page& Show(PageWindow<Page>& shown, CStored* object, bool dragSource) {
        shown.page->SetObject(object);
        shown.page->SetDragSourceMode(dragSource);
        shown.show();
        shown.Refresh(0);
        return *shown.page;
    }
    // Every text cell of the page read-only and draggable, and none opens an editor when pressed.
    static void ExpectOnlyDraggableTexts(TFrameGridAncestor& page, int expected) {
        int texts = 0;
        for (int row = 0; row < page.Grid().RowCount(); ++row) {
            const CellFacts facts = ReadCellFacts(page.Cell(0, row));
            if (facts.style != cell::kData) continue;
            ++texts;
            EXPECT_TRUE(facts.readOnly && facts.dragSource) << page.Cell(0, row);
            Press(page, 0, row);
            EXPECT_FALSE(page.IsEditing());
        }
        EXPECT_EQ(texts, expected);
    }
};

TEST_F(AssessmentFramesTest, OutcomesOfOneAssessmentAreDraggableInDragSourceMode) {
    PageWindow<TFramePupilOutcomesGrid> shown;
    TFramePupilOutcomesGrid& page = Show(shown, annMaths, true);
    EXPECT_EQ(CellDisplayText(page.Cell(0, 0)), "Ann Lee Maths Outcomes");
    ExpectOnlyDraggableTexts(page, 2);
    EXPECT_EQ(page.Grid().RowCount(), 5);
    for (CStored* nothing : {static_cast<CStored*>(ann), static_cast<CStored*>(nullptr)}) {
        page.SetObject(nothing);
        page.Refresh(0);
        EXPECT_EQ(ColumnLooks(page, 0), Looks{"TITLE ROUND No Assessment Selected"});
    }
}

TEST_F(AssessmentFramesTest, AFixedLessonShowsItsNotesOnlyAndItsTitleAddsOne) {
    factory.Settings().SingleClick = true;
    PageWindow<TFrameAssessmentNoteEditor> shown;
    shown.page->SetFixedLessonPlan(firstLesson);
    TFrameAssessmentNoteEditor& page = Show(shown, annMaths, false);
    EXPECT_EQ(ColumnLooks(page, 0),
              (Looks{"TITLE ROUND Ann Lee", "HEADING ROUND " + firstLesson->DisplayText(),
                     "HEADING ROUND Behaviour", "DATA Worked well", ""}))
        << "the note written outside the lesson is left out";
    EXPECT_EQ(CellValue(page.Cell(0, 2), cell::kAction), "ACTIONCHOOSENOTECATEGORY");
    const std::string& title = page.Cell(0, 0);
    EXPECT_EQ(CellValue(title, cell::kAction), "ACTIONADDASSESSMENTNOTE");
    EXPECT_EQ(CellTarget(title), annMaths);
    EXPECT_EQ(CellSource(title), firstLesson);

    Press(page, 0, 0);
    ASSERT_EQ(annMaths->AssociationCount("NOTES"), 4);
    const CStored* added = annMaths->AssociationItem("NOTES", 3);
    EXPECT_EQ(added->GetRelation("LESSON_PLAN"), firstLesson);
    EXPECT_EQ(ColumnLooks(page, 0).size(), 8u) << "the new note's lesson, category and text rows";
    EXPECT_EQ(CellDisplayText(page.Cell(0, 5)), "No Category");

    page.SetDragSourceMode(true);
    page.Refresh(0);
    EXPECT_EQ(page.Grid().RowCount(), 7) << "the new note's empty text is not offered for dragging";
    ExpectOnlyDraggableTexts(page, 1);
}

TEST_F(AssessmentFramesTest, TheFixedLessonIsReferredToNotKept) {
    CLessonPlan* plan = LongTermPlanOf(*maths, false)->NewLessonPlan();
    TFrameAssessmentNoteEditor page;
    page.SetFixedLessonPlan(plan);
    EXPECT_EQ(page.FixedLessonPlan(), plan);
    factory.RemoveObject(plan).reset();
    EXPECT_EQ(page.FixedLessonPlan(), nullptr);
}

TEST_F(AssessmentFramesTest, PupilNotesWithoutAddingAndInDragSourceMode) {
    ann->NewNote()->SetAttributeValue("DESCRIPTION", "Lost a shoe");
    PageWindow<TFramePupilNotes> shown;
    shown.page->SetNoAdd(true);
    TFramePupilNotes& page = Show(shown, ann, true);
    EXPECT_EQ(ColumnLooks(page, 0)[0], "TITLE ROUND Ann Lee");
    EXPECT_FALSE(CellHas(page.Cell(0, 0), cell::kAction)) << "no adding";
    EXPECT_EQ(page.Grid().FixedRows(), 1) << "the one pupil's name stays in view";
    EXPECT_EQ(CellDisplayText(page.Cell(0, 4)), "Lost a shoe");
    EXPECT_EQ(CellTarget(page.Cell(0, 4)), ann->AssociationItem("NOTES", 1));
    ExpectOnlyDraggableTexts(page, 2);
    page.SetObject(nullptr);
    page.Refresh(0);
    EXPECT_EQ(ColumnLooks(page, 0), Looks{"TITLE ROUND No Pupil Selected"});
}

}  // namespace
}  // namespace vantaro::test
