#pragma once

#include "windows/organisers/TFrameOrganiserGrid.h"

namespace vantaro {

// The aptitude listing: the year's aptitudes, each with its capabilities and their scores
// edited in place.
class TFrameAptitudeListingGrid : public TFrameOrganiserGrid {
    Q_OBJECT

public:
    explicit TFrameAptitudeListingGrid(QWidget* parent = nullptr);

    double ColumnWidth(int column) override;
    void BuildPage() override;
};

}  // namespace vantaro
