#pragma once

#include <vector>

#include "grid/TFrameGridAncestor.h"

namespace vantaro {

class CAssessment;
class CLessonPlan;
class COutcome;

// The outcomes view: for each lesson plan of the window, the pupils assessed in its subject,
// grouped by set, with the categories of their notes on the lesson, against the lesson's
// outcomes, each with the capability the pupil reached. Achievement cells are selectable, so a
// command can set a whole range at once.
class TFrameOutcomesGrid : public TFrameGridAncestor {
    Q_OBJECT

public:
    explicit TFrameOutcomesGrid(QWidget* parent = nullptr);

    double ColumnWidth(int column) override;
    void BuildPage() override;

private:
    struct PupilRow {
        int row;
        CAssessment* assessment;
    };

    // The plan's block from the title row on; the last column it used.
    int AddPlan(CLessonPlan& plan);
    std::vector<PupilRow> AddPupilRows(CLessonPlan& plan, const CStored& subject);
    void AddOutcomeColumn(int column, int titleRow, COutcome& outcome, const std::vector<PupilRow>& pupils);
};

}  // namespace vantaro
