#include "windows/plan/TFrameEvaluationGrid.h"

#include <algorithm>

#include "domain/PlanItems.h"
#include "domain/Plans.h"
#include "domain/Summaries.h"
#include "grid/markup/CellMarkup.h"
#include "routines/NumberText.h"
#include "windows/plan/PlanPages.h"

namespace vantaro {

TFrameEvaluationGrid::TFrameEvaluationGrid(QWidget* parent) : TFrameGridAncestor(parent) {}

double TFrameEvaluationGrid::ColumnWidth(int column) {
    if (column == 0) return 0.4;
    return std::min(0.15, 0.6 / std::max(Grid().ColumnCount() - 1, 1));
}

void TFrameEvaluationGrid::BuildPage() {
    BeginPage(1, 1);
    int lastColumn = 0;
    bool firstRow = true;
    for (CStored* object : ObjectList()) {
        auto* plan = dynamic_cast<CPlan*>(object);
        if (!plan) continue;
        lastColumn = std::max(lastColumn, AddPlan(*plan, firstRow));
        firstRow = false;
    }
    SetCurrentColumn(lastColumn);
    EndPage(0, 0);
}

int TFrameEvaluationGrid::AddPlan(CPlan& plan, bool firstRow) {
    if (!firstRow) NextRow();
    const int outcomeCount = plan.AssociationCount("OUTCOMES");
    TitleRow(outcomeCount + 1, PlanHeading(plan, "EVALUATION"));
    NextRow();
    SetRowCell(0, DataCell(&plan, "EVALUATION", {.level = 1}));
    int column = 0;
    for (COutcome* outcome : ShownMembers<COutcome>(plan, "OUTCOMES")) {
        const double average = AverageScore(*outcome);
        std::string text = outcome->GetAttributeText("DESCRIPTION");
        if (average >= 0) text.append(" (").append(PercentText(average)).append(")");
        SetRowCell(++column, TypedTextCell(ScoreType(average), text, {.target = outcome}));
    }
    return std::max(column, outcomeCount);
}

}  // namespace vantaro
