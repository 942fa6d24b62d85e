#pragma once

#include "grid/TFrameGridAncestor.h"

namespace vantaro {

class CPlan;

// The plan view: for each plan of the window, one below the other, its title and then pairs of
// rows, a heading row and a text row, with the plan's objectives, activities and outcomes side by
// side. Resources take no column but count towards the number of pairs.
class TFramePlanGrid : public TFrameGridAncestor {
    Q_OBJECT

public:
    explicit TFramePlanGrid(QWidget* parent = nullptr);

    double ColumnWidth(int column) override;
    void BuildPage() override;

private:
    void AddItemRows(CPlan& plan);
};

}  // namespace vantaro
