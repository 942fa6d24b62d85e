#pragma once

#include "windows/TFormPageControler.h"

namespace vantaro {

class TFrameAssessmentNoteEditor;
class TFramePupilNotes;

// The notes window: a pupil's notes, or the notes written on an assessment in one lesson, edited
// in place.
class TFormNotesControler : public TFormPageControler {
    Q_OBJECT

public:
    explicit TFormNotesControler(QWidget* parent = nullptr);

    // Each shows its page over the owner until Close is pressed, and answers true then.
    bool ShowPupilNotes(CStored* pupil, QWidget* owner);
    bool ShowLessonNotes(CStored* assessment, CStored* lessonPlan, QWidget* owner);

    TFramePupilNotes& PupilNotesPage() const { return *viewPupilNoteEditor_; }
    TFrameAssessmentNoteEditor& LessonNotesPage() const { return *viewAssessmentNoteEditor_; }

    void ShowCellMenu(int x, int y, const std::string& markup) override;

private:
    TFramePupilNotes* viewPupilNoteEditor_ = nullptr;
    TFrameAssessmentNoteEditor* viewAssessmentNoteEditor_ = nullptr;
};

}  // namespace vantaro
