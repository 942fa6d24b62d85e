#include "windows/assessment/TFormAssessmentData.h"

#include <QAction>
#include <QMenu>
#include <algorithm>

#include "controllers/actions/ActionSupport.h"
#include "controllers/selection/TFormSelectionControler.h"
#include "domain/Assessments.h"
#include "grid/markup/CellReaders.h"
#include "routines/IdentifierCaption.h"
#include "routines/Platform.h"
#include "windows/DataWindowCaption.h"
#include "windows/assessment/TFrameAssessmentNoteEditor.h"
#include "windows/assessment/TFramePupilNotes.h"
#include "windows/assessment/TFramePupilOutcomesGrid.h"
#include "windows/assessment/TFrameTargetListingGrid.h"

namespace vantaro {
namespace {

constexpr int kSelectImage = 7;

// The distinct pupils of the assessments, in the order they first appear.
std::vector<CStored*> PupilsOf(const std::vector<CStored*>& assessments) {
    std::vector<CStored*> pupils;
    for (const CStored* assessment : assessments) {
        CStored* pupil = assessment->GetRelation("PUPIL");
        if (pupil && std::find(pupils.begin(), pupils.end(), pupil) == pupils.end())
            pupils.push_back(pupil);
    }
    return pupils;
}

}  // namespace

TFormAssessmentData* TFormAssessmentData::Open(MainWindowCommands& main,
                                               const std::vector<CStored*>& objects) {
    std::vector<CStored*> assessments;
    for (CStored* object : objects)
        if (dynamic_cast<CAssessment*>(object)) assessments.push_back(object);
    if (assessments.empty()) {
        Platform::Prompts().Ask("Missing Assessments",
                                "There Are No Assessments to show, This window will now close.",
                                MessageButtons::Close);
        return nullptr;
    }
    return new TFormAssessmentData(main, assessments);
}

TFormAssessmentData::TFormAssessmentData(MainWindowCommands& main,
                                         const std::vector<CStored*>& assessments)
    : TFormDataControler("TFormAssessmentData", main) {
    setWindowTitle(QString::fromLatin1(DataWindowCaption(assessments, "Assessments")));
    AddAction("ActionSelectTargetStaff", "Select Target Staff...", kSelectImage, {},
              [this] { ActionSelectTargetStaffExecute(); });
    CreateViews(assessments);
    SetCurrentTarget(assessments.front());
}

void TFormAssessmentData::CreateViews(const std::vector<CStored*>& assessments) {
    viewOutcomes_ = new TFramePupilOutcomesGrid(this);
    viewAssessmentNotes_ = new TFrameAssessmentNoteEditor(this);
    viewTargets_ = new TFrameTargetListingGrid(this);
    viewPupilNotes_ = new TFramePupilNotes(this);
    viewOutcomes_->SetObjectList(assessments);
    viewAssessmentNotes_->SetObjectList(assessments);
    viewTargets_->SetObjectList(assessments);
    viewPupilNotes_->SetObjectList(PupilsOf(assessments));
    AddView(viewOutcomes_, "ActionViewAssessedOutcomes", "Assessed Outcomes");
    AddView(viewAssessmentNotes_, "ActionViewLessonNotes", "Lesson Notes");
    AddView(viewTargets_, "ActionViewTargetSetting", "Target Setting");
    AddView(viewPupilNotes_, "ActionViewPupilNotes", "Pupil Notes");
    SetupViews();
    viewTargets_->SetRangeSelect(true);
    viewTargets_->SetShowSelection(true);
    ActionView(FindAction("ACTIONVIEWASSESSEDOUTCOMES"));
}

void TFormAssessmentData::showEvent(QShowEvent* event) {
    TFormDataControler::showEvent(event);
    FindAction("ACTIONFORMCLOSE")->setText(QString::fromLatin1(IdentifierCaption("ASSESSMENTS")));
}

// The staff cells are taken before the chooser runs and the view is rebuilt once afterwards, so
// every cell of the range is seen as it was selected.
void TFormAssessmentData::ActionSelectTargetStaffExecute() {
    const std::vector<StaffCell> cells = SelectedStaffCells();
    if (cells.empty()) {
        Platform::Prompts().Ask("There Are Not Items Selected",
                                "Please select a range of Pupils and Outcomes to change",
                                MessageButtons::Close);
        return;
    }
    TFormSelectionControler chooser(this);
    chooser.AddLevel(RootYear(), "SELECT_STAFF", "ActionNewStaff", "STAFF", "STAFF");
    if (!chooser.Execute(true, false, true, this)) return;
    const std::string staff = chooser.ChosenIds();
    for (const StaffCell& cell : cells)
        if (CStored* assessment = cell.assessment.Get())
            assessment->SetAssociationIDs(cell.association, staff);
    RefreshAfterChange();
}

// Column by column, top to bottom: the cells of the target view's selection that name the staff
// of an assessment's grading.
std::vector<TFormAssessmentData::StaffCell> TFormAssessmentData::SelectedStaffCells() const {
    std::vector<StaffCell> cells;
    const QRect selection = viewTargets_->Selection();
    for (int column = selection.left(); column <= selection.right(); ++column) {
        for (int row = selection.top(); row <= selection.bottom(); ++row) {
            const std::string& markup = viewTargets_->Cell(column, row);
            auto* assessment = dynamic_cast<CAssessment*>(CellTarget(markup, Factory()));
            const std::string_view association =
                TFrameTargetListingGrid::StaffAssociationOf(CellValue(markup, cell::kParameter));
            if (assessment && !association.empty())
                cells.push_back({StoredRef(assessment), association});
        }
    }
    return cells;
}

void TFormAssessmentData::ShowCellMenu(int x, int y, const std::string& markup) {
    TFormDataControler::ShowCellMenu(x, y, markup);
    const CStored* target = CurrentTarget();
    if (!target) return;
    if (CurrentView() == viewTargets_ || CurrentView() == viewOutcomes_) {
        PopupItemDelete()->setVisible(false);
        PopupItemProperties()->setVisible(CurrentView() == viewOutcomes_ &&
                                          IsClass(target, "COutcome"));
    }
    PopupMenu().popup(QPoint(x, y));
}

}  // namespace vantaro
