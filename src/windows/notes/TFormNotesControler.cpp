#include "windows/notes/TFormNotesControler.h"

#include <QAction>
#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include "routines/IdentifierCaption.h"
#include "routines/Words.h"
#include "windows/assessment/TFrameAssessmentNoteEditor.h"
#include "windows/assessment/TFramePupilNotes.h"

namespace vantaro {

TFormNotesControler::TFormNotesControler(QWidget* parent)
    : TFormControlerAncestor("TFormNotesControler", QSize(560, 480), parent) {
    // Only Close leaves the window, so whatever was typed is written first.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    viewPupilNoteEditor_ = new TFramePupilNotes(central);
    viewAssessmentNoteEditor_ = new TFrameAssessmentNoteEditor(central);
    layout->addWidget(viewPupilNoteEditor_, 1);
    layout->addWidget(viewAssessmentNoteEditor_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(8, 8, 8, 8);
    buttons->addStretch(1);
    buttonClose_ = new QPushButton(QString::fromLatin1(IdentifierCaption("CLOSE")), central);
    buttonClose_->setObjectName(QStringLiteral("ButtonClose"));
    buttons->addWidget(buttonClose_);
    layout->addLayout(buttons);
    setCentralWidget(central);
    connect(buttonClose_, &QPushButton::clicked, this, [this] {
        if (CurrentView()) CurrentView()->EndEdit();
        CloseWith(true);
    });
}

bool TFormNotesControler::ShowPupilNotes(CStored* pupil, QWidget* owner) {
    return Run(*viewPupilNoteEditor_, pupil, "PUPIL_NOTES", owner);
}

bool TFormNotesControler::ShowLessonNotes(CStored* assessment, CStored* lessonPlan, QWidget* owner) {
    viewAssessmentNoteEditor_->SetFixedLessonPlan(lessonPlan);
    return Run(*viewAssessmentNoteEditor_, assessment, "LESSON_NOTES", owner);
}

bool TFormNotesControler::Run(TFrameGridAncestor& page, CStored* object, const char* captionKeyword, QWidget* owner) {
    setWindowTitle(QString::fromLatin1(UnderscoresToSpaces(Capitalise(captionKeyword))));
    viewPupilNoteEditor_->setVisible(&page == viewPupilNoteEditor_);
    viewAssessmentNoteEditor_->setVisible(&page == viewAssessmentNoteEditor_);
    page.SetObject(object);
    SetCurrentView(&page);
    return ExecModal(owner);
}

void TFormNotesControler::ShowCellMenu(int x, int y, const std::string& markup) {
    TFormControlerAncestor::ShowCellMenu(x, y, markup);
    if (!CurrentTarget()) return;
    PopupItemProperties()->setVisible(false);
    PopupItemDelete()->setVisible(true);
    PopupMenu().popup(QPoint(x, y));
}

}  // namespace vantaro
