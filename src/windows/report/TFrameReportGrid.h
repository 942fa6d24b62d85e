#pragma once

#include "grid/TFrameGridAncestor.h"

namespace vantaro {

class CPupil;

// The annual reports of the window's pupils, one below the other: for each, the title, a report
// text per subject the pupil is assessed in, the comments (those taken over from other stores
// first, read-only), and the authorised and unauthorised absences. Report texts and comments are
// edited in place; a click on one names the objects the information panel shows.
class TFrameReportGrid : public TFrameGridAncestor {
    Q_OBJECT

public:
    explicit TFrameReportGrid(QWidget* parent = nullptr);

    double ColumnWidth(int column) override;
    void BuildPage() override;

private:
    void PupilRows(CPupil& pupil);
    void SubjectReports(CPupil& pupil);
    void Comments(CPupil& pupil);
    void Absences(CPupil& pupil, bool authorised);
};

}  // namespace vantaro
