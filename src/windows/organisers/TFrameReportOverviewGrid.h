#pragma once

#include "windows/organisers/TFrameOrganiserGrid.h"

namespace vantaro {

// The report organiser: the year's pupils grouped by form, each with their authorised and
// unauthorised days of absence and a cell that opens their annual report.
class TFrameReportOverviewGrid : public TFrameOrganiserGrid {
    Q_OBJECT

public:
    explicit TFrameReportOverviewGrid(QWidget* parent = nullptr);

    double ColumnWidth(int column) override;
    void BuildPage() override;
};

}  // namespace vantaro
