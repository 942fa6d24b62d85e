#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "windows/organisers/TFrameOrganiserGrid.h"

namespace vantaro {

class CDay;
class CLessonPlan;

// The planning organiser: the year's terms, weeks and days down the page against its subjects
// grouped by form, with a cell per subject and day that opens that day's lesson plan or, where
// there is none, offers to create it.
class TFramePlanningOverviewGrid : public TFrameOrganiserGrid {
    Q_OBJECT

public:
    explicit TFramePlanningOverviewGrid(QWidget* parent = nullptr);

    double ColumnWidth(int column) override;
    void BuildPage() override;

private:
    using PlansByDay = std::unordered_map<const CStored*, CLessonPlan*>;

    void PeriodRows(const CYear& year, const std::vector<SubjectColumn>& subjects);
    PlansByDay LessonPlansOf(CSubject& subject) const;
    static std::string LessonCell(const PlansByDay& plans, const CSubject& subject,
                                  const CDay& day);
};

}  // namespace vantaro
