#pragma once

#include "grid/TFrameGridAncestor.h"

namespace vantaro {

class CPlan;

// The evaluation view: for each plan of the window, its evaluation text beside its outcomes,
// each with the class's average score as a meter and a percentage.
class TFrameEvaluationGrid : public TFrameGridAncestor {
    Q_OBJECT

public:
    explicit TFrameEvaluationGrid(QWidget* parent = nullptr);

    double ColumnWidth(int column) override;
    void BuildPage() override;

private:
    // The plan's two rows; the last column they used.
    int AddPlan(CPlan& plan, bool firstRow);
};

}  // namespace vantaro
