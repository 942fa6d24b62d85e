#pragma once

#include <array>
#include <string_view>

#include "grid/TFrameGridAncestor.h"

namespace vantaro {

class CAssessment;
class CSubject;

// Target setting: for each assessment with a subject, one row per attainment target with its
// initial, target and final grading typed in place, and below them the staff responsible for
// each grading (selectable cells that choose the staff). Building brings the assessment's
// targets up to date with its subject's curriculum first.
class TFrameTargetListingGrid : public TFrameGridAncestor {
    Q_OBJECT

public:
    // The gradings of a target in column order, and the assessment's staff association of each.
    static constexpr std::array<std::string_view, 3> kGradings{"INITIAL_GRADING", "TARGET_GRADING",
                                                               "FINAL_GRADING"};
    static constexpr std::array<std::string_view, 3> kStaff{"INITIAL_STAFF", "TARGET_STAFF",
                                                            "FINAL_STAFF"};

    explicit TFrameTargetListingGrid(QWidget* parent = nullptr);

    double ColumnWidth(int column) override;
    void BuildPage() override;

    // The staff association a staff cell's PARAMETER names; empty for any other parameter.
    static std::string_view StaffAssociationOf(std::string_view grading);

private:
    void AssessmentRows(CAssessment& assessment, const CStored& subject);
};

}  // namespace vantaro
