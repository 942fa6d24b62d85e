#pragma once

#include "grid/TFrameGridAncestor.h"

namespace vantaro {

class CPupil;

// The notes on pupils: for each, a title that adds a note (unless adding is switched off), then
// every visible note's date and text, edited in place. Shows the listed pupils, or the one pupil
// set as the page object. In drag-source mode the texts are read-only and can be dragged. The
// title of a page of one pupil stays in view as the notes scroll.
class TFramePupilNotes : public TFrameGridAncestor {
    Q_OBJECT

public:
    explicit TFramePupilNotes(QWidget* parent = nullptr);

    double ColumnWidth(int column) override;
    void BuildPage() override;

    void SetNoAdd(bool on) { noAdd_ = on; }
    bool NoAdd() const { return noAdd_; }

private:
    void PupilRows(CPupil& pupil);

    bool noAdd_ = false;
};

}  // namespace vantaro
