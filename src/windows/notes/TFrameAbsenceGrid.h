#pragma once

#include "grid/TFrameGridAncestor.h"

namespace vantaro {

class CPupil;

// A pupil's absences: whether each is authorised (a click swaps it), its date (chosen in the date
// selector), its duration (chosen from the year's durations) and a note typed in place. The
// title's end adds an absence.
class TFrameAbsenceGrid : public TFrameGridAncestor {
    Q_OBJECT

public:
    explicit TFrameAbsenceGrid(QWidget* parent = nullptr);

    double ColumnWidth(int column) override;
    void BuildPage() override;

private:
    void AbsenceRows(CPupil& pupil);
};

}  // namespace vantaro
