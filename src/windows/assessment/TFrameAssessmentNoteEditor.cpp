#include "windows/assessment/TFrameAssessmentNoteEditor.h"

#include "domain/Assessments.h"
#include "domain/PupilRecords.h"
#include "domain/StoredAccess.h"
#include "grid/markup/CellMarkup.h"
#include "routines/IdentifierCaption.h"
#include "routines/TextBasics.h"
#include "windows/FrameObjects.h"

namespace vantaro {

TFrameAssessmentNoteEditor::TFrameAssessmentNoteEditor(QWidget* parent)
    : TFrameGridAncestor(parent) {}

double TFrameAssessmentNoteEditor::ColumnWidth(int column) { return column == 0 ? 1.0 : 0.0; }

void TFrameAssessmentNoteEditor::BuildPage() {
    BeginPage(1, 1);
    const std::vector<CAssessment*> assessments = FrameObjectsAs<CAssessment>(*this);
    if (assessments.empty()) SetRowCell(0, TitleCell(IdentifierCaption("NO_ASSESSMENT_SELECTED")));
    const CStored* fixedPlan = FixedLessonPlan();
    bool first = true;
    for (CAssessment* assessment : assessments) {
        if (!first) NextRow();
        first = false;
        AssessmentTitle(*assessment, fixedPlan);
        for (CNote* note : ShownMembers<CNote>(*assessment, "NOTES")) {
            if (fixedPlan && note->GetRelation("LESSON_PLAN") != fixedPlan) continue;
            NoteRows(*note, fixedPlan);
        }
        NextRow();  // an empty row ends the block
    }
    EndPage(0, 0);
}

// With a fixed lesson the title adds a note to its own assessment, whether the page shows one
// assessment or a list.
void TFrameAssessmentNoteEditor::AssessmentTitle(CAssessment& assessment,
                                                 const CStored* fixedPlan) {
    if (fixedPlan) {
        SetRowCell(0, TitleCell(assessment.DisplayText(), {.action = "ActionAddAssessmentNote",
                                                           .target = &assessment,
                                                           .source = fixedPlan}));
        return;
    }
    const CStored* subject = assessment.GetRelation("SUBJECT");
    const std::string text =
        assessment.DisplayText() + " " + (subject ? subject->DisplayText() : std::string());
    SetRowCell(0, TitleCell(Trim(text), {.target = Object()}));
}

void TFrameAssessmentNoteEditor::NoteRows(CNote& note, const CStored* fixedPlan) {
    if (const CStored* plan = note.GetRelation("LESSON_PLAN")) {
        NextRow();
        SetRowCell(0, HeadingCell(plan->DisplayText(), {.target = &note, .level = 1}));
    }
    const CStored* category = note.GetRelation("NOTE_CATEGORY");
    NextRow();
    SetRowCell(0, HeadingCell(category ? category->DisplayText() : IdentifierCaption("NO_CATEGORY"),
                              {.action = fixedPlan ? "ActionChooseNoteCategory" : "",
                               .target = &note,
                               .source = category,
                               .level = 2}));
    if (!DragSourceMode()) {
        NextRow();
        SetRowCell(0, DataCell(&note, "DESCRIPTION", {.source = Object(), .level = 3}));
        return;
    }
    const std::string text = note.GetAttributeText("DESCRIPTION");
    if (text.empty()) return;
    NextRow();
    SetRowCell(0, AddDragSource(TextCell(text, {.target = &note, .level = 3})));
}

}  // namespace vantaro
