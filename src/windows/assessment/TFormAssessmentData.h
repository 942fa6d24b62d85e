#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "controllers/data/TFormDataControler.h"
#include "factory/StoredRef.h"

namespace vantaro {

class TFrameAssessmentNoteEditor;
class TFramePupilNotes;
class TFramePupilOutcomesGrid;
class TFrameTargetListingGrid;

// The data window for pupil assessments, one per pupil and subject: the outcomes each pupil
// achieved, the lesson notes, the attainment targets with the staff responsible, and the notes
// on the pupils. The views refer to the assessments (and their pupils); the window owns nothing
// stored.
class TFormAssessmentData : public TFormDataControler {
    Q_OBJECT

public:
    // Makes the window on the assessments among the objects, in their order; the caller shows it.
    // Without any assessment it says so and makes no window (null).
    static TFormAssessmentData* Open(MainWindowCommands& main,
                                     const std::vector<CStored*>& objects);

    TFramePupilOutcomesGrid& ViewOutcomes() const { return *viewOutcomes_; }
    TFrameAssessmentNoteEditor& ViewAssessmentNotes() const { return *viewAssessmentNotes_; }
    TFrameTargetListingGrid& ViewTargets() const { return *viewTargets_; }
    TFramePupilNotes& ViewPupilNotes() const { return *viewPupilNotes_; }

    // Sets the staff of every grading whose staff cell lies in the target view's selection.
    void ActionSelectTargetStaffExecute();

    void ShowCellMenu(int x, int y, const std::string& markup) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct StaffCell {
        StoredRef assessment;
        std::string_view association;
    };

    TFormAssessmentData(MainWindowCommands& main, const std::vector<CStored*>& assessments);
    void CreateViews(const std::vector<CStored*>& assessments);
    std::vector<StaffCell> SelectedStaffCells() const;

    TFramePupilOutcomesGrid* viewOutcomes_ = nullptr;
    TFrameAssessmentNoteEditor* viewAssessmentNotes_ = nullptr;
    TFrameTargetListingGrid* viewTargets_ = nullptr;
    TFramePupilNotes* viewPupilNotes_ = nullptr;
};

}  // namespace vantaro
