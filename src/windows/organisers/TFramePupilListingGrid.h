#pragma once

#include "windows/organisers/TFrameOrganiserGrid.h"

namespace vantaro {

// The pupil listing: a row per pupil of the year with their names edited in place and their
// gender, date of birth and form chosen through the window's choosers.
class TFramePupilListingGrid : public TFrameOrganiserGrid {
    Q_OBJECT

public:
    explicit TFramePupilListingGrid(QWidget* parent = nullptr);

    double ColumnWidth(int column) override;
    void BuildPage() override;

private:
    // Left out when the form or gender it has is hidden.
    bool Listed(const CPupil& pupil) const;
    void PupilRow(CPupil& pupil);
};

}  // namespace vantaro
