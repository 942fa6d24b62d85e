#pragma once

#include <string>

#include "grid/TFrameGridAncestor.h"

namespace vantaro {

class CAssessment;
class CCapability;
class COutcome;
class CPupil;

// The outcomes each pupil achieved in a subject's lessons: for every assessment, each lesson
// plan of the subject and, below it, one sentence per outcome the pupil has an achievement in
// ("Ann can read aloud"), typed by the capability's score. Shows the listed assessments, or the
// one assessment set as the page object. In drag-source mode the sentences can be dragged.
class TFramePupilOutcomesGrid : public TFrameGridAncestor {
    Q_OBJECT

public:
    explicit TFramePupilOutcomesGrid(QWidget* parent = nullptr);

    double ColumnWidth(int column) override;
    void BuildPage() override;

    // The first name, the capability in lower case and the outcome, unescaped.
    static std::string OutcomeSentence(const CPupil& pupil, const CCapability& capability,
                                       const COutcome& outcome);

private:
    void AssessmentRows(CAssessment& assessment, CPupil& pupil, bool first);
    std::string OutcomeCell(const CPupil& pupil, const CCapability& capability,
                            const COutcome& outcome) const;
};

}  // namespace vantaro
