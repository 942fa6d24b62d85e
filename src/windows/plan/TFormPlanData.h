#pragma once

#include <functional>
#include <vector>

#include "controllers/data/TFormDataControler.h"

class QMenu;

namespace vantaro {

class CAssessment;
class CCapability;
class COutcome;
class TFrameEvaluationGrid;
class TFrameOutcomesGrid;
class TFramePlanGrid;

// The window in which plans are written: their objectives, activities and outcomes (the plan
// view), each pupil's achievement in each outcome of a lesson and the lesson notes (the outcomes
// view), and the lesson's evaluation (the evaluation view). Every view shows every plan of the
// window one below the other.
class TFormPlanData : public TFormDataControler {
    Q_OBJECT

public:
    // The window on the plans among the objects: those of the class of the first plan, in order.
    // Without any it tells the user and makes no window.
    static TFormPlanData* Open(MainWindowCommands& main, const std::vector<CStored*>& objects);

    TFramePlanGrid& PlanGrid() const { return *planGrid_; }
    TFrameOutcomesGrid& OutcomesGrid() const { return *outcomesGrid_; }
    TFrameEvaluationGrid& EvaluationGrid() const { return *evaluationGrid_; }
    // The outcomes view's two menus: the achievement commands with the capabilities of the
    // outcome's aptitude, and the lesson notes commands with the year's note categories; both are
    // filled afresh each time they open.
    QMenu& OutcomesMenu() const { return *outcomesMenu_; }
    QMenu& LessonNotesMenu() const { return *lessonNotesMenu_; }

    void ShowCellMenu(int x, int y, const std::string& markup) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    TFormPlanData(MainWindowCommands& main, const std::vector<CStored*>& plans);

    void AddPlanActions();
    void CreateMenus();
    void ChooseObjectiveCategory();
    void ShowLessonNotes();
    void DeleteLessonNotes();
    void AddLessonNote(CStored* category);

    // Achievements over the outcomes view's selected range.
    void SetAchievementsToScore(double score);
    void SetAchievementsTo(CCapability* capability);
    void RemoveAchievements();
    void ChangeAchievements(const std::function<void(COutcome&, CAssessment&)>& change);

    void OpenOutcomesMenu(const QPoint& at);
    void OpenLessonNotesMenu(const QPoint& at);
    // Replaces the menu's generated entries (those after its separator) with new ones.
    void ClearGeneratedEntries(QMenu& menu, std::vector<QAction*>& entries);

    TFramePlanGrid* planGrid_ = nullptr;
    TFrameOutcomesGrid* outcomesGrid_ = nullptr;
    TFrameEvaluationGrid* evaluationGrid_ = nullptr;
    QMenu* outcomesMenu_ = nullptr;
    QMenu* lessonNotesMenu_ = nullptr;
    std::vector<QAction*> capabilityEntries_;
    std::vector<QAction*> categoryEntries_;
};

}  // namespace vantaro
