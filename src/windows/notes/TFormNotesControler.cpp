#include "windows/notes/TFormNotesControler.h"

#include <QMenu>

#include "windows/assessment/TFrameAssessmentNoteEditor.h"
#include "windows/assessment/TFramePupilNotes.h"

namespace vantaro {

TFormNotesControler::TFormNotesControler(QWidget* parent)
    : TFormPageControler("TFormNotesControler", QSize(560, 480), parent) {
    viewPupilNoteEditor_ = new TFramePupilNotes(this);
    viewAssessmentNoteEditor_ = new TFrameAssessmentNoteEditor(this);
    AddPage(viewPupilNoteEditor_);
    AddPage(viewAssessmentNoteEditor_);
}

bool TFormNotesControler::ShowPupilNotes(CStored* pupil, QWidget* owner) {
    return RunPage(*viewPupilNoteEditor_, pupil, KeywordCaption("PUPIL_NOTES"), owner);
}

bool TFormNotesControler::ShowLessonNotes(CStored* assessment, CStored* lessonPlan, QWidget* owner) {
    viewAssessmentNoteEditor_->SetFixedLessonPlan(lessonPlan);
    return RunPage(*viewAssessmentNoteEditor_, assessment, KeywordCaption("LESSON_NOTES"), owner);
}

void TFormNotesControler::ShowCellMenu(int x, int y, const std::string& markup) {
    TFormControlerAncestor::ShowCellMenu(x, y, markup);
    if (!CurrentTarget()) return;
    PopupItemProperties()->setVisible(false);
    PopupItemDelete()->setVisible(true);
    PopupMenu().popup(QPoint(x, y));
}

}  // namespace vantaro
