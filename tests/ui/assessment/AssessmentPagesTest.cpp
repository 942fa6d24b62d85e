// The four pages of the assessment window, built for a small school: their rows, the outcome
// sentences, the targets of a subject with and without curriculum, and the pupils listed once.

#include "grid/markup/CellMarkup.h"
#include "ui/assessment/AssessmentTestSupport.h"
#include "windows/assessment/TFrameAssessmentNoteEditor.h"
#include "windows/assessment/TFramePupilNotes.h"
#include "windows/assessment/TFramePupilOutcomesGrid.h"
#include "windows/assessment/TFrameTargetListingGrid.h"

namespace vantaro::test {
namespace {

using Looks = std::vector<std::string>;

class AssessmentPagesTest : public AssessmentTest {
protected:
    AssessmentPagesTest() { OpenOnAll(); }
};

TEST_F(AssessmentPagesTest, AssessedOutcomesListEachLessonWithThePupilsAchievements) {
    const TFrameGridAncestor& page = data->ViewOutcomes();
    const std::string first = "HEADING ROUND " + firstLesson->DisplayText();
    const std::string second = "HEADING ROUND " + secondLesson->DisplayText();
    EXPECT_EQ(
        ColumnLooks(page, 0),
        (Looks{"TITLE ROUND Ann Lee Maths Outcomes", first, "DATA Ann can confidently Count To Ten",
               "DATA Ann is starting to add small numbers", second,
               "TITLE ROUND Ray Maths Outcomes", first, "DATA  is starting to Count To Ten", second,
               "DATA  can confidently Name Shapes", "TITLE ROUND Ann Lee Art Outcomes"}));
    EXPECT_EQ(CellTarget(page.Cell(0, 0)), ann);
    EXPECT_EQ(CellTarget(page.Cell(0, 1)), firstLesson);
    EXPECT_EQ(CellValue(page.Cell(0, 1), cell::kLevel), "1");
    const std::string& achieved = page.Cell(0, 2);
    EXPECT_EQ(CellTarget(achieved), counting);
    EXPECT_EQ(CellSource(achieved), confident);
    EXPECT_EQ(CellValue(achieved, cell::kType), "5") << "a score of 1 takes the highest type";
    EXPECT_EQ(CellValue(page.Cell(0, 3), cell::kType), "3");
    EXPECT_EQ(CellValue(achieved, cell::kLevel), "2");
    EXPECT_EQ(CellValue(achieved, cell::kReadOnly), "TRUE");
    EXPECT_FALSE(CellHas(achieved, cell::kDragSource)) << "the window's own page drags nothing";
    EXPECT_EQ(page.Grid().FixedRows(), 0);
}

TEST_F(AssessmentPagesTest, OutcomeSentencesLowerTheCapabilityOnlyAndUnescape) {
    struct Case {
        const char* name;
        const char* firstName;
        const char* capability;
        const char* outcome;
        const char* sentence;
    };
    const Case cases[] = {
        {"capitals", "Ann", "Can Confidently", "Count To Ten", "Ann can confidently Count To Ten"},
        {"no first name", "", "Is Starting To", "add", " is starting to add"},
        {"accented capitals", "Zo\xEB", "\xC9TONNANT", "Sort", "Zo\xEB \xE9tonnant Sort"},
        {"escaped texts", "Ann", "Can &amp; Will", "count &lt;10&gt;", "Ann can & will count <10>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ann->SetAttributeValue("FIRST_NAME", c.firstName);
        confident->SetAttributeValue("DESCRIPTION", c.capability);
        counting->SetAttributeValue("DESCRIPTION", c.outcome);
        EXPECT_EQ(TFramePupilOutcomesGrid::OutcomeSentence(*ann, *confident, *counting),
                  c.sentence);
    }
}

TEST_F(AssessmentPagesTest, LessonNotesShowEachAssessmentsVisibleNotesUnderTheirLessonAndCategory) {
    ShowView("ACTIONVIEWLESSONNOTES");
    const TFrameGridAncestor& page = data->ViewAssessmentNotes();
    EXPECT_EQ(ColumnLooks(page, 0),
              (Looks{"TITLE ROUND Ann Lee Maths", "HEADING ROUND " + firstLesson->DisplayText(),
                     "HEADING ROUND Behaviour", "DATA Worked well", "HEADING ROUND No Category",
                     "DATA Needs glasses", "", "TITLE ROUND Ray Maths", "",
                     "TITLE ROUND Ann Lee Art", ""}))
        << "the note in the trash is left out";
    EXPECT_EQ(CellTarget(page.Cell(0, 1)), lessonNote);
    EXPECT_EQ(CellSource(page.Cell(0, 2)), behaviour);
    EXPECT_FALSE(CellHas(page.Cell(0, 2), cell::kAction))
        << "without a fixed lesson the category is not chosen here";
    EXPECT_FALSE(CellHas(page.Cell(0, 0), cell::kAction));
    EXPECT_EQ(CellObject(page.Cell(0, 3)), lessonNote);
    EXPECT_EQ(CellValue(page.Cell(0, 3), cell::kLevel), "3");
    EXPECT_FALSE(ReadCellFacts(page.Cell(0, 3)).readOnly);
}

TEST_F(AssessmentPagesTest, TargetsFollowTheCurriculumAndShowTheStaffOfEachGrading) {
    rayMaths->AddToAssociation("FINAL_STAFF", jo);
    rayMaths->AddToAssociation("FINAL_STAFF", kim);
    ShowView("ACTIONVIEWTARGETSETTING");
    const TFrameGridAncestor& page = data->ViewTargets();
    const Looks grading{"DATA_LINE", "DATA_LINE", "DATA_LINE"};
    const auto row = [&](const std::string& first, const Looks& rest) {
        Looks looks{first};
        looks.insert(looks.end(), rest.begin(), rest.end());
        return looks;
    };
    const Looks headings{"INFO ROUND Initial Grading", "INFO ROUND Target Grading",
                         "INFO ROUND Final Grading"};
    EXPECT_EQ(page.Grid().FixedRows(), 1);
    EXPECT_EQ(RowLooks(page, 1),
              (Looks{"TITLE ROUNDLEFT Ann Lee Maths Attainment Targets", "TITLE ROUNDLEFTRIGHT",
                     "TITLE ROUNDLEFTRIGHT", "TITLE ROUNDRIGHT"}));
    EXPECT_EQ(RowLooks(page, 2), row("", headings));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(RowLooks(page, 3 + i), row(std::string("DATA ") + kAttainments[i], grading));
    EXPECT_EQ(RowLooks(page, 6), row("", {"DATA", "DATA", "DATA"}));
    EXPECT_EQ(RowLooks(page, 12), row("", {"DATA", "DATA", "DATA Jo Smith, Kim Wu"}));
    EXPECT_EQ(RowLooks(page, 13),
              (Looks{"TITLE ROUNDLEFT Ann Lee Art Attainment Targets", "TITLE ROUNDLEFTRIGHT",
                     "TITLE ROUNDLEFTRIGHT", "TITLE ROUNDRIGHT"}));
    EXPECT_EQ(RowLooks(page, 15), row("", grading))
        << "one target without attainment for a subject without curriculum";
    EXPECT_EQ(page.Grid().RowCount(), 17);

    EXPECT_EQ(annMaths->AssociationCount("ATTAINMENT_TARGETS"), 3);
    EXPECT_EQ(CellTarget(page.Cell(0, 3)), attainments[0]);
    EXPECT_EQ(CellObject(page.Cell(2, 3)), AttainmentTargetFor(*annMaths, attainments[0], false));
    const std::string& staff = page.Cell(3, 12);
    EXPECT_EQ(CellTarget(staff), rayMaths);
    EXPECT_EQ(CellValue(staff, cell::kParameter), "FINAL_GRADING");
    EXPECT_EQ(CellValue(staff, cell::kAction), "ACTIONSELECTTARGETSTAFF");
    EXPECT_EQ(CellValue(staff, cell::kSelection), "TRUE");
    EXPECT_EQ(CellValue(staff, cell::kReadOnly), "TRUE");
    EXPECT_EQ(CellTarget(page.Cell(1, 1)), annMaths) << "every title cell targets the assessment";
}

TEST_F(AssessmentPagesTest, PupilNotesListEachPupilOnceWithTheirNotes) {
    ShowView("ACTIONVIEWPUPILNOTES");
    const TFrameGridAncestor& page = data->ViewPupilNotes();
    EXPECT_EQ(ColumnLooks(page, 0),
              (Looks{"TITLE ROUND Ann Lee", "HEADING ROUND " + pupilNote->DisplayText(),
                     "DATA Parents evening booked", "TITLE ROUND Ray"}))
        << "Ann has two assessments and is listed once";
    EXPECT_EQ(CellValue(page.Cell(0, 0), cell::kAction), "ACTIONADDPUPILNOTE");
    EXPECT_EQ(CellTarget(page.Cell(0, 0)), ann);
    EXPECT_EQ(CellTarget(page.Cell(0, 1)), pupilNote);
    EXPECT_EQ(CellObject(page.Cell(0, 2)), pupilNote);
    EXPECT_EQ(page.Grid().FixedRows(), 0)
        << "no pupil's name stays frozen over the notes of the others";
}

}  // namespace
}  // namespace vantaro::test
