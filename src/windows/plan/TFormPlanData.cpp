#include "windows/plan/TFormPlanData.h"

#include <QAction>
#include <QMenu>

#include "controllers/actions/ActionSupport.h"
#include "controllers/selection/TFormSelectionControler.h"
#include "domain/Assessments.h"
#include "domain/PlanItems.h"
#include "domain/PupilRecords.h"
#include "domain/Plans.h"
#include "factory/CFactory.h"
#include "routines/IdentifierCaption.h"
#include "routines/Platform.h"
#include "windows/DataWindowCaption.h"
#include "windows/notes/TFormNotesControler.h"
#include "windows/sets/TFormSetManager.h"
#include "windows/plan/TFrameEvaluationGrid.h"
#include "windows/plan/TFrameOutcomesGrid.h"
#include "windows/plan/TFramePlanGrid.h"

namespace vantaro {

TFormPlanData* TFormPlanData::Open(MainWindowCommands& main, const std::vector<CStored*>& objects) {
    std::vector<CStored*> plans;
    for (CStored* object : objects) {
        if (!dynamic_cast<CPlan*>(object)) continue;
        if (plans.empty() || object->ClassName() == plans.front()->ClassName()) plans.push_back(object);
    }
    if (plans.empty()) {
        Platform::Prompts().Ask("Missing Plans", "There Are No Plans To Open, This window will now close.",
                                MessageButtons::Close);
        return nullptr;
    }
    return new TFormPlanData(main, plans);
}

TFormPlanData::TFormPlanData(MainWindowCommands& main, const std::vector<CStored*>& plans)
    : TFormDataControler("TFormPlanData", main) {
    setWindowTitle(QString::fromLatin1(DataWindowCaption(plans, "Plans")));
    planGrid_ = new TFramePlanGrid(this);
    outcomesGrid_ = new TFrameOutcomesGrid(this);
    evaluationGrid_ = new TFrameEvaluationGrid(this);
    AddView(planGrid_, "ActionViewPlan", "Plan");
    AddView(outcomesGrid_, "ActionViewOutcomes", "Outcomes");
    AddView(evaluationGrid_, "ActionViewEvaluation", "Evaluation");
    SetupViews();
    outcomesGrid_->SetRangeSelect(true);
    outcomesGrid_->SetShowSelection(true);
    for (TFrameGridAncestor* view : Views()) view->SetObjectList(plans);
    AddPlanActions();
    CreateMenus();
    ActionView(FindAction("ACTIONVIEWPLAN"));
}

void TFormPlanData::AddPlanActions() {
    SetHandler("ActionChooseObjectiveCategory", [this] { ChooseObjectiveCategory(); });
    AddAction("ActionChooseHighestCapability", "Highest Capability", -1, {}, [this] { SetAchievementsToScore(1); });
    AddAction("ActionChooseLowestCapability", "Lowest Capability", -1, {}, [this] { SetAchievementsToScore(0); });
    AddAction("ActionChooseDeleteCapability", "Delete Capability", -1, {}, [this] { RemoveAchievements(); });
    AddAction("ActionShowAssessmentNotes", "Lesson Notes...", -1, {}, [this] { ShowLessonNotes(); });
    OpenSetManagerFrom(*this);
    AddAction("ActionFormDeleteAssessmentNotes", "Delete Assessment Notes", -1, {}, [this] { DeleteLessonNotes(); });
}

void TFormPlanData::showEvent(QShowEvent* event) {
    TFormDataControler::showEvent(event);
    FindAction("ACTIONFORMCLOSE")->setText(QString::fromLatin1(IdentifierCaption("PLANNING")));
}

void TFormPlanData::ChooseObjectiveCategory() {
    auto* objective = dynamic_cast<CObjective*>(CurrentTarget());
    if (!objective) return;
    const StoredRef kept(objective);
    TFormSelectionControler chooser(this);
    chooser.AddLevel(RootYear(), "SELECT_AN_OBJECTIVE_CATEGORY", "ActionNewObjectiveCategory",
                     "OBJECTIVE_CATEGORIES", "OBJECTIVE_CATEGORIES");
    chooser.SetInitialChoice(objective->PropertyContentByName("RELATION", "OBJECTIVE_CATEGORY"));
    if (!chooser.Execute(false, false, true, this) || !kept.Get()) return;
    objective->SetRelation("OBJECTIVE_CATEGORY", chooser.ChosenObject());
    RefreshAfterChange();
}

void TFormPlanData::ShowLessonNotes() {
    auto* assessment = dynamic_cast<CAssessment*>(CurrentTarget());
    auto* plan = dynamic_cast<CLessonPlan*>(CurrentSource());
    if (!assessment || !plan) return;
    TFormNotesControler notes(this);
    if (notes.ShowLessonNotes(assessment, plan, this)) RefreshAfterChange();
}

// Lesson notes go to the trash without a question: the trash can gives them back.
void TFormPlanData::DeleteLessonNotes() {
    auto* assessment = dynamic_cast<CAssessment*>(CurrentTarget());
    CStored* plan = CurrentSource();
    if (!assessment || !plan) return;
    CFactory* factory = assessment->GetFactory();
    for (CStored* note : assessment->AssociationItems("NOTES"))
        if (factory && !factory->IsHidden(note) && note->GetRelation("LESSON_PLAN") == plan) factory->MoveToTrash(note);
    RefreshAfterChange();
}

void TFormPlanData::AddLessonNote(CStored* category) {
    auto* assessment = dynamic_cast<CAssessment*>(CurrentTarget());
    auto* plan = dynamic_cast<CLessonPlan*>(CurrentSource());
    if (!assessment || !plan || !category) return;
    assessment->NewNote(plan)->SetRelation("NOTE_CATEGORY", category);
    RefreshAfterChange();
}

}  // namespace vantaro
