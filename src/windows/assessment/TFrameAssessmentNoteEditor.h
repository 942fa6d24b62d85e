#pragma once

#include "factory/StoredRef.h"
#include "grid/TFrameGridAncestor.h"

namespace vantaro {

class CAssessment;
class CNote;

// The lesson notes of assessments: for each, its title, then every visible note with the lesson
// it was written in, its category and its text, edited in place. Shows the listed assessments,
// or the one assessment set as the page object.
//
// With a fixed lesson plan only the notes of that lesson are shown, the title adds a note to it
// and the category heading chooses the category. In drag-source mode the texts are read-only and
// can be dragged; empty ones are left out.
class TFrameAssessmentNoteEditor : public TFrameGridAncestor {
    Q_OBJECT

public:
    explicit TFrameAssessmentNoteEditor(QWidget* parent = nullptr);

    double ColumnWidth(int column) override;
    void BuildPage() override;

    // The plan is referred to, not owned; none shows the notes of every lesson.
    void SetFixedLessonPlan(CStored* plan) { fixedLessonPlan_ = StoredRef(plan); }
    CStored* FixedLessonPlan() const { return fixedLessonPlan_.Get(); }

private:
    void AssessmentTitle(CAssessment& assessment, const CStored* fixedPlan);
    void NoteRows(CNote& note, const CStored* fixedPlan);

    StoredRef fixedLessonPlan_;
};

}  // namespace vantaro
