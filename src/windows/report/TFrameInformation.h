#pragma once

#include <QWidget>

#include <vector>

class QStackedWidget;
class QTabBar;

namespace vantaro {

class CStored;
class GridController;
class TFrameAssessmentNoteEditor;
class TFrameGridAncestor;
class TFramePupilNotes;
class TFramePupilOutcomesGrid;

// The report window's information panel: a pupil's assessed outcomes, lesson notes and notes, one
// at a time as the tab strip at the bottom chooses, their texts ready to be dragged into a report.
class TFrameInformation : public QWidget {
    Q_OBJECT

public:
    explicit TFrameInformation(QWidget* parent = nullptr);

    // The outcomes and lesson notes show the assessment (a pupil shows their titles for no
    // selection); the notes show the pupil.
    void Synchronise(CStored* assessment, CStored* pupil);
    // Shows the frame of the selected tab in drag-source mode, each frame run by the controller,
    // and rebuilds it keeping its place when the panel is visible.
    void ShowInfoView(GridController* controller);
    TFrameGridAncestor& CurrentFrame() const;
    const std::vector<TFrameGridAncestor*>& Frames() const { return frames_; }
    QTabBar& Tabs() const { return *tabs_; }

signals:
    void TabChosen();

private:
    TFramePupilOutcomesGrid* outcomes_ = nullptr;
    TFrameAssessmentNoteEditor* lessonNotes_ = nullptr;
    TFramePupilNotes* pupilNotes_ = nullptr;
    std::vector<TFrameGridAncestor*> frames_;
    QStackedWidget* stack_ = nullptr;
    QTabBar* tabs_ = nullptr;
};

}  // namespace vantaro
