// What the organisers' cells run on the main window: opening plans, assessments, reports and
// curricula in data windows, deleting plans, building weeks and days; and the context menu of
// each view.

#include <QAction>
#include <QApplication>
#include <QMenu>

#include "controllers/actions/ActionSupport.h"
#include "controllers/data/TFormDataControler.h"
#include "controllers/selection/TFormSelectionControler.h"
#include "domain/PeriodBuilding.h"
#include "domain/People.h"
#include "domain/Periods.h"
#include "domain/Plans.h"
#include "domain/Subjects.h"
#include "factory/CFactory.h"
#include "grid/markup/CellReaders.h"
#include "routines/Platform.h"
#include "windows/main/TFormMain.h"
#include "windows/notes/TFormAbsencesControler.h"
#include "windows/organisers/TFrameReportOverviewGrid.h"
#include "windows/report/ReportsPdf.h"
#include "windows/notes/TFormNotesControler.h"
#include "windows/sets/TFormPupilSelection.h"
#include "windows/sets/TFormSetManager.h"

namespace vantaro {
namespace {

constexpr int kPlanning = 0;
constexpr int kAssessments = 1;
constexpr int kReports = 2;
constexpr int kCurricula = 3;
constexpr int kPupils = 4;
constexpr int kAptitudes = 5;

bool IsPeriod(const CStored* object) {
    return IsClass(object, "CYear") || IsClass(object, "CTerm") || IsClass(object, "CWeek") || IsClass(object, "CDay");
}

}  // namespace

// Every report the report organiser lists, in its order.
void TFormMain::SaveAllReportsAsPdf() {
    CYear* year = CurrentYear();
    if (CurrentView()) CurrentView()->EndEdit();
    const auto& organiser = static_cast<const TFrameReportOverviewGrid&>(*Views().at(kReports));
    std::vector<CStored*> pupils;
    if (year)
        for (CPupil* pupil : organiser.PupilsByForm(*year)) pupils.push_back(pupil);
    const std::string title = (year ? year->DisplayText() + " " : std::string()) + "Reports";
    vantaro::SaveAllReportsAsPdf(*this, pupils, QString::fromLatin1(title).trimmed());
}

void TFormMain::CreateCellActions() {
    AddAction("ActionOpenLessonPlan", "Open Lesson Plan", -1, {}, [this] {
        if (dynamic_cast<CPlan*>(CurrentTarget())) OpenDataWindow(DataWindowKind::Plans, {CurrentTarget()});
    });
    AddAction("ActionOpenPlans", "Open Plans", -1, {}, [this] { OpenRange(DataWindowKind::Plans, "CLessonPlan"); });
    AddAction("ActionDeletePlans", "Delete Plans", -1, {}, [this] { DeletePlans(); });
    AddAction("ActionOpenAssessment", "Open Assessment", -1, {},
              [this] { OpenOne(DataWindowKind::Assessments, "CAssessment"); });
    AddAction("ActionOpenAssessments", "Open Assessments", -1, {},
              [this] { OpenRange(DataWindowKind::Assessments, "CAssessment"); });
    AddAction("ActionOpenReport", "Open Report", -1, {}, [this] { OpenOne(DataWindowKind::Reports, "CPupil"); });
    AddAction("ActionOpenReports", "Open Reports", -1, {}, [this] { OpenRange(DataWindowKind::Reports, "CPupil"); });
    AddAction("ActionSaveAllReportsPdf", "Save All Reports as PDF...", -1, {}, [this] { SaveAllReportsAsPdf(); });
    AddAction("ActionOpenCurriculum", "Open Curriculum", -1, {},
              [this] { OpenOne(DataWindowKind::Curricula, "CCurriculum"); });
    AddAction("ActionOpenCurriculums", "Open Curriculum", -1, {},
              [this] { OpenRange(DataWindowKind::Curricula, "CCurriculum"); });
    AddAction("ActionClonePupilSelection", "Clone Pupil Selection...", -1, {}, [this] {
        auto* subject = dynamic_cast<CSubject*>(CurrentTarget());
        if (subject && TFormPupilSelection(this).ClonePupilSelection(*subject, this)) RefreshAfterChange();
    });
    SetHandler("ActionSelectPupils", [this] {
        auto* subject = dynamic_cast<CSubject*>(CurrentTarget());
        if (subject && TFormPupilSelection(this).SelectPupils(*subject, this)) RefreshAfterChange();
    });
    AddAction("ActionShowPupilNotes", "Pupil Notes...", -1, {}, [this] {
        if (!IsClass(CurrentTarget(), "CPupil")) return;
        TFormNotesControler notes(this);
        if (notes.ShowPupilNotes(CurrentTarget(), this)) RefreshAfterChange();
    });
    AddAction("ActionShowAbsences", "Absences...", -1, {}, [this] {
        if (!IsClass(CurrentTarget(), "CPupil")) return;
        TFormAbsencesControler absences(this);
        if (absences.ShowAbsences(CurrentTarget(), this)) RefreshAfterChange();
    });
    OpenSetManagerFrom(*this);
    AddAction("ActionBuildWeeks", "Build Weeks", -1, {}, [this] {
        if (auto* term = dynamic_cast<CTerm*>(CurrentTarget())) {
            BuildWeeks(*term);
            RefreshAfterChange();
        }
    });
    AddAction("ActionBuildDays", "Build Days", -1, {}, [this] {
        auto* week = dynamic_cast<CWeek*>(CurrentTarget());
        if (week && CurrentYear()) {
            BuildDays(*week, *CurrentYear());
            RefreshAfterChange();
        }
    });
}

// The objects of a class named by the targets of the selected cells, column by column from the
// left and top to bottom within a column; an object met again is not taken twice.
std::vector<CStored*> TFormMain::SelectedObjects(const char* className) const {
    std::vector<CStored*> objects;
    const TFrameGridAncestor* view = CurrentView();
    if (!view) return objects;
    const QRect selection = view->Selection();
    for (int column = selection.left(); column <= selection.right(); ++column) {
        for (int row = selection.top(); row <= selection.bottom(); ++row) {
            CStored* target = CellTarget(view->Cell(column, row), Factory());
            if (!IsClass(target, className)) continue;
            if (std::find(objects.begin(), objects.end(), target) == objects.end()) objects.push_back(target);
        }
    }
    return objects;
}

void TFormMain::OpenOne(DataWindowKind kind, const char* className) {
    if (IsClass(CurrentTarget(), className)) OpenDataWindow(kind, {CurrentTarget()});
}

void TFormMain::OpenRange(DataWindowKind kind, const char* className) { OpenDataWindow(kind, SelectedObjects(className)); }

void TFormMain::OpenDataWindow(DataWindowKind kind, std::vector<CStored*> objects) {
    const DataWindowMaker& maker = makers_[static_cast<std::size_t>(kind)];
    if (objects.empty() || !maker) return;
    if (CurrentView()) CurrentView()->EndEdit();
    if (TFormDataControler* window = maker(*this, objects)) window->show();
}

void TFormMain::DeletePlans() {
    const std::vector<CStored*> plans = SelectedObjects("CLessonPlan");
    if (plans.empty()) return;
    if (!Platform::Prompts().Ask("Delete Selected Plans", "Would you like to delete the selected plans",
                                 MessageButtons::YesNo))
        return;
    for (CStored* plan : plans)
        if (CFactory* factory = plan->GetFactory()) factory->MoveToTrash(plan);
    RefreshAfterChange();
}

void TFormMain::ShowCellMenu(int x, int y, const std::string& markup) {
    TFormControlerAncestor::ShowCellMenu(x, y, markup);
    CStored* target = CurrentTarget();
    if (!target) return;
    bool chooserOpen = false;
    for (QWidget* widget : QApplication::topLevelWidgets())
        chooserOpen = chooserOpen || (qobject_cast<TFormSelectionControler*>(widget) && widget->isVisible());
    const int view = CurrentViewIndex();
    const TFrameGridAncestor* page = CurrentView();
    const bool range = page && page->Selection().width() * page->Selection().height() > 1;
    CStored* source = CurrentSource();
    if (!chooserOpen && range && view >= kPlanning && view <= kCurricula) {
        PopupItemDefaultAction()->setVisible(false);
        PopupItemProperties()->setVisible(false);
        PopupItemDelete()->setVisible(false);
        const std::vector<std::vector<const char*>> rangeEntries = {
            {"ACTIONOPENPLANS", "ACTIONDELETEPLANS"}, {"ACTIONOPENASSESSMENTS"}, {"ACTIONOPENREPORTS"},
            {"ACTIONOPENCURRICULUMS"}};
        ShowMenuEntries(rangeEntries[view]);
    } else if (!chooserOpen && view == kPlanning) {
        if (IsClass(target, "CSubject") && IsPeriod(source)) {
            PopupItemProperties()->setVisible(false);
            PopupItemDelete()->setVisible(false);
        }
        if (IsClass(target, "CYear")) {
            ShowMenuEntries({"ACTIONSELECTTEACHINGDAYS", "ACTIONNEWSUBJECT"});
            if (!source) ShowMenuEntries({"ACTIONNEWTERM"});
        }
        if (IsClass(target, "CTerm") && !source) ShowMenuEntries({"ACTIONBUILDWEEKS"});
        if (IsClass(target, "CWeek") && !source) ShowMenuEntries({"ACTIONBUILDDAYS"});
        if (IsClass(target, "CSubject") && IsClass(source, "CDay")) ShowMenuEntries({"ACTIONCREATELESSONPLAN"});
        if (IsClass(target, "CSubject") && !source)
            ShowMenuEntries({"ACTIONSHOWSETS", "ACTIONSELECTPUPILS", "ACTIONSELECTCURRICULUMLEVELS"});
        if (IsClass(target, "CLessonPlan")) ShowMenuEntries({"ACTIONOPENLESSONPLAN"});
    } else if (!chooserOpen && view == kAssessments) {
        if (IsClass(target, "CYear")) ShowMenuEntries({"ACTIONNEWPUPIL", "ACTIONNEWSUBJECT"});
        if (IsClass(target, "CForm")) PopupItemDelete()->setVisible(false);
        if (IsClass(target, "CSubject") && IsClass(source, "CPupil")) {
            PopupItemDelete()->setVisible(false);
            PopupItemProperties()->setVisible(false);
        }
        if (IsClass(target, "CSubject") && !source)
            ShowMenuEntries({"ACTIONCLONEPUPILSELECTION", "ACTIONSELECTPUPILS", "ACTIONSELECTCURRICULUMLEVELS",
                             "ACTIONSHOWSETS"});
        if (IsClass(target, "CAssessment")) {
            ShowMenuEntries({"ACTIONOPENASSESSMENT"});
            PopupItemProperties()->setVisible(false);
        }
    } else if (!chooserOpen && view == kReports) {
        if (IsClass(target, "CYear")) ShowMenuEntries({"ACTIONNEWPUPIL"});
        if (IsClass(target, "CPupil")) ShowMenuEntries({"ACTIONOPENREPORT"});
    } else if (!chooserOpen && view == kCurricula) {
        if (IsClass(target, "CYear")) ShowMenuEntries({"ACTIONNEWCURRICULUM"});
        if (IsClass(target, "CCurriculum")) ShowMenuEntries({"ACTIONOPENCURRICULUM"});
    } else if (!chooserOpen && view == kPupils) {
        if (IsClass(target, "CYear")) ShowMenuEntries({"ACTIONNEWPUPIL"});
    } else if (!chooserOpen && view == kAptitudes) {
        if (IsClass(target, "CYear")) ShowMenuEntries({"ACTIONNEWAPTITUDE"});
        if (IsClass(target, "CAptitude")) ShowMenuEntries({"ACTIONNEWCAPABILITY"});
    }
    PopupMenu().popup(QPoint(x, y));
}

}  // namespace vantaro
