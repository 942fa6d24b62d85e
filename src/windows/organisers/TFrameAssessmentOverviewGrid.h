#pragma once

#include <string>
#include <unordered_map>

#include "windows/organisers/TFrameOrganiserGrid.h"

namespace vantaro {

class CAssessment;

// The assessment organiser: the year's pupils grouped by form down the page, each with a count
// of their notes, against the subjects grouped by form, with a cell per pupil and subject that
// opens the pupil's assessment in the subject or offers to create it.
class TFrameAssessmentOverviewGrid : public TFrameOrganiserGrid {
    Q_OBJECT

public:
    explicit TFrameAssessmentOverviewGrid(QWidget* parent = nullptr);

    double ColumnWidth(int column) override;
    void BuildPage() override;

private:
    using AssessmentsByPupil = std::unordered_map<const CStored*, CAssessment*>;

    AssessmentsByPupil AssessmentsOf(const CSubject& subject) const;
    static std::string AssessmentCell(const AssessmentsByPupil& assessments,
                                      const CSubject& subject, const CPupil& pupil);
};

}  // namespace vantaro
