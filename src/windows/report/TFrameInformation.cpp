#include "windows/report/TFrameInformation.h"

#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

#include "routines/Words.h"
#include "windows/assessment/TFrameAssessmentNoteEditor.h"
#include "windows/assessment/TFramePupilNotes.h"
#include "windows/assessment/TFramePupilOutcomesGrid.h"

namespace vantaro {

TFrameInformation::TFrameInformation(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    stack_ = new QStackedWidget(this);
    tabs_ = new QTabBar(this);
    tabs_->setShape(QTabBar::RoundedSouth);
    tabs_->setExpanding(false);
    layout->addWidget(stack_, 1);
    layout->addWidget(tabs_);
    outcomes_ = new TFramePupilOutcomesGrid(stack_);
    lessonNotes_ = new TFrameAssessmentNoteEditor(stack_);
    pupilNotes_ = new TFramePupilNotes(stack_);
    pupilNotes_->SetNoAdd(true);
    frames_ = {outcomes_, lessonNotes_, pupilNotes_};
    // The tabs read as the frames' names without "View": Pupil Outcomes, Lesson Notes, Pupil Notes.
    for (const char* name : {"ViewPupilOutcomes", "ViewLessonNotes", "ViewPupilNotes"})
        tabs_->addTab(QString::fromLatin1(ClassWords(std::string_view(name).substr(3))));
    for (TFrameGridAncestor* frame : frames_) stack_->addWidget(frame);
    connect(tabs_, &QTabBar::currentChanged, this, [this] { emit TabChosen(); });
}

void TFrameInformation::Synchronise(CStored* assessment, CStored* pupil) {
    outcomes_->SetObject(assessment);
    lessonNotes_->SetObject(assessment);
    pupilNotes_->SetObject(pupil);
}

TFrameGridAncestor& TFrameInformation::CurrentFrame() const {
    return *frames_[static_cast<std::size_t>(std::max(tabs_->currentIndex(), 0))];
}

void TFrameInformation::ShowInfoView(GridController* controller) {
    if (tabs_->currentIndex() < 0) tabs_->setCurrentIndex(0);
    for (TFrameGridAncestor* frame : frames_) frame->SetController(controller);
    TFrameGridAncestor& current = CurrentFrame();
    current.SetDragSourceMode(true);
    stack_->setCurrentWidget(&current);
    if (isVisible()) current.Refresh(1);
}

}  // namespace vantaro
