#include "windows/plan/TFramePlanGrid.h"

#include <algorithm>

#include "domain/PlanItems.h"
#include "domain/Plans.h"
#include "domain/Summaries.h"
#include "grid/markup/CellMarkup.h"
#include "windows/plan/PlanPages.h"

namespace vantaro {

TFramePlanGrid::TFramePlanGrid(QWidget* parent) : TFrameGridAncestor(parent) {}

double TFramePlanGrid::ColumnWidth(int column) {
    constexpr double kWidths[] = {0.35, 0.4, 0.25};
    return column >= 0 && column < 3 ? kWidths[column] : 0.1;
}

void TFramePlanGrid::BuildPage() {
    BeginPage(3, 1);
    bool first = true;
    for (CStored* object : ObjectList()) {
        auto* plan = dynamic_cast<CPlan*>(object);
        if (!plan) continue;
        if (!first) NextRow();
        first = false;
        TitleRow(3, PlanHeading(*plan, "PLAN"), {.target = plan});
        AddItemRows(*plan);
    }
    EndPage(0, 0);
}

void TFramePlanGrid::AddItemRows(CPlan& plan) {
    const auto objectives = ShownMembers<CObjective>(plan, "OBJECTIVES");
    const auto activities = ShownMembers<CActivity>(plan, "ACTIVITIES");
    const auto outcomes = ShownMembers<COutcome>(plan, "OUTCOMES");
    const std::size_t resources = ShownMembers<CResource>(plan, "RESOURCES").size();
    const std::size_t pairs = std::max({objectives.size(), activities.size(), outcomes.size(), resources});
    for (std::size_t k = 0; k < pairs; ++k) {
        NextRow();
        const int heading = CurrentRow();
        NextRow();
        const int text = CurrentRow();
        if (k < objectives.size()) {
            CObjective* objective = objectives[k];
            SetCell(0, heading, HeadingCell(ObjectiveHeading(*objective), {.action = "ActionChooseObjectiveCategory",
                                                                            .target = objective,
                                                                            .source = &plan,
                                                                            .level = 1}));
            SetCell(0, text, DataCell(objective, "DESCRIPTION", {.level = 1}));
        }
        if (k < activities.size()) {
            CActivity* activity = activities[k];
            SetCell(1, heading, HeadingCell(ActivityHeading(*activity), {.action = "ActionSelectActivityTypes",
                                                                          .target = activity,
                                                                          .source = &plan,
                                                                          .level = 1}));
            SetCell(1, text, DataCell(activity, "DESCRIPTION"));
        }
        if (k < outcomes.size()) {
            COutcome* outcome = outcomes[k];
            SetCell(2, heading, HeadingCell(OutcomeHeading(*outcome),
                                            {.action = "ActionChooseAptitude", .target = outcome, .level = 1}));
            SetCell(2, text, DataCell(outcome, "DESCRIPTION"));
        }
    }
}

}  // namespace vantaro
