#pragma once

#include "controllers/TFormControlerAncestor.h"

class QPushButton;

namespace vantaro {

class TFrameAssessmentNoteEditor;
class TFramePupilNotes;

// The notes window: a pupil's notes, or the notes written on an assessment in one lesson, edited
// in place. It runs modally over the window that opens it and is left with its Close button.
class TFormNotesControler : public TFormControlerAncestor {
    Q_OBJECT

public:
    explicit TFormNotesControler(QWidget* parent = nullptr);

    // Each shows its page over the owner until Close is pressed, and answers true then.
    bool ShowPupilNotes(CStored* pupil, QWidget* owner);
    bool ShowLessonNotes(CStored* assessment, CStored* lessonPlan, QWidget* owner);

    TFramePupilNotes& PupilNotesPage() const { return *viewPupilNoteEditor_; }
    TFrameAssessmentNoteEditor& LessonNotesPage() const { return *viewAssessmentNoteEditor_; }
    QPushButton& ButtonClose() const { return *buttonClose_; }

    void ShowCellMenu(int x, int y, const std::string& markup) override;

private:
    bool Run(TFrameGridAncestor& page, CStored* object, const char* captionKeyword, QWidget* owner);

    TFramePupilNotes* viewPupilNoteEditor_ = nullptr;
    TFrameAssessmentNoteEditor* viewAssessmentNoteEditor_ = nullptr;
    QPushButton* buttonClose_ = nullptr;
};

}  // namespace vantaro
