#pragma once

#include "windows/organisers/TFrameOrganiserGrid.h"

namespace vantaro {

// The curriculum organiser: the year's curricula, each with a cell that opens it.
class TFrameCurriculumOverviewGrid : public TFrameOrganiserGrid {
    Q_OBJECT

public:
    explicit TFrameCurriculumOverviewGrid(QWidget* parent = nullptr);

    double ColumnWidth(int column) override;
    void BuildPage() override;
};

}  // namespace vantaro
