// The plan window's cell menus and the achievement commands over the outcomes view's range.

#include <QAction>
#include <QMenu>

#include "controllers/actions/ActionSupport.h"
#include "domain/Aptitudes.h"
#include "domain/Assessments.h"
#include "domain/PlanItems.h"
#include "domain/Plans.h"
#include "domain/Summaries.h"
#include "grid/GridErrors.h"
#include "grid/markup/CellReaders.h"
#include "routines/NumberText.h"
#include "routines/Platform.h"
#include "windows/plan/PlanPages.h"
#include "windows/plan/TFormPlanData.h"
#include "windows/plan/TFrameEvaluationGrid.h"
#include "windows/plan/TFrameOutcomesGrid.h"
#include "windows/plan/TFramePlanGrid.h"

namespace vantaro {
namespace {

double ScoreOf(const CStored& capability) {
    return ReadStoredNumber(NumericChars(capability.GetAttributeValue("SCORE")));
}

bool IsScore(double score) { return score >= 0 && score <= 1; }

}  // namespace

void TFormPlanData::CreateMenus() {
    for (const char* name : {"ACTIONADDOBJECTIVE", "ACTIONADDACTIVITY", "ACTIONADDOUTCOME", "ACTIONSHOWSETS"})
        PopupMenu().addAction(FindAction(name));

    outcomesMenu_ = new QMenu(this);
    outcomesMenu_->setObjectName(QStringLiteral("PopupMenuOutcomes"));
    for (const char* name :
         {"ACTIONCHOOSEHIGHESTCAPABILITY", "ACTIONCHOOSELOWESTCAPABILITY", "ACTIONCHOOSEDELETECAPABILITY"})
        outcomesMenu_->addAction(FindAction(name));
    outcomesMenu_->addSeparator();

    lessonNotesMenu_ = new QMenu(this);
    lessonNotesMenu_->setObjectName(QStringLiteral("PopupMenuLessonNotes"));
    QAction* notes = FindAction("ACTIONSHOWASSESSMENTNOTES");
    lessonNotesMenu_->addAction(notes);
    lessonNotesMenu_->setDefaultAction(notes);
    QAction* deleteNotes = lessonNotesMenu_->addAction(QStringLiteral("Delete Lesson Notes"));
    connect(deleteNotes, &QAction::triggered, this, [this] { RunAction(FindAction("ACTIONFORMDELETEASSESSMENTNOTES")); });
    lessonNotesMenu_->addSeparator();
}

void TFormPlanData::ShowCellMenu(int x, int y, const std::string& markup) {
    TFormControlerAncestor::ShowCellMenu(x, y, markup);
    CStored* target = CurrentTarget();
    if (!target) return;
    CStored* source = CurrentSource();
    if (dynamic_cast<CPlan*>(target) || IsClass(target, "CAssessment")) PopupItemDelete()->setVisible(false);
    const TFrameGridAncestor* view = CurrentView();
    if (view == evaluationGrid_) {
        PopupItemDelete()->setVisible(false);
        PopupItemProperties()->setVisible(IsClass(target, "COutcome"));
    } else if (view == planGrid_) {
        PopupItemProperties()->setVisible(false);
        if (dynamic_cast<CPlan*>(target)) ShowMenuEntries({"ACTIONADDOBJECTIVE", "ACTIONADDACTIVITY", "ACTIONADDOUTCOME"});
    } else if (view == outcomesGrid_) {
        if (IsClass(target, "COutcome") && IsClass(source, "CAssessment")) return OpenOutcomesMenu(QPoint(x, y));
        if (IsClass(target, "CAssessment") && IsClass(source, "CLessonPlan")) return OpenLessonNotesMenu(QPoint(x, y));
        if (IsClass(target, "CSubject")) {
            ShowMenuEntries({"ACTIONSHOWSETS"});
            PopupItemProperties()->setVisible(false);
            PopupItemDelete()->setVisible(false);
        }
        if (IsClass(target, "CAptitude") || IsClass(target, "COutcome")) PopupItemDelete()->setVisible(false);
    }
    PopupMenu().popup(QPoint(x, y));
}

void TFormPlanData::ClearGeneratedEntries(QMenu& menu, std::vector<QAction*>& entries) {
    for (QAction* entry : entries) {
        menu.removeAction(entry);
        entry->deleteLater();
    }
    entries.clear();
}

// The capabilities of the outcome's aptitude, offered when one column of pupils is selected.
// Each entry sets the capability itself, so capabilities whose scores are close stay apart.
void TFormPlanData::OpenOutcomesMenu(const QPoint& at) {
    ClearGeneratedEntries(*outcomesMenu_, capabilityEntries_);
    const auto* aptitude = RelationAs<CAptitude>(*CurrentTarget(), "APTITUDE");
    if (!aptitude) {
        Platform::Prompts().Ask("Outcome Aptitude Missing", "Please Assign An Aptitude To The Outcome",
                                MessageButtons::Close);
        return;
    }
    if (outcomesGrid_->Selection().width() == 1) {
        for (CCapability* capability : MembersAs<CCapability>(*aptitude, "CAPABILITIES")) {
            QAction* entry = outcomesMenu_->addAction(QString::fromLatin1(capability->DisplayText()));
            connect(entry, &QAction::triggered, this, [this, kept = StoredRef(capability)] {
                ReportErrors([&] { SetAchievementsTo(dynamic_cast<CCapability*>(kept.Get())); });
            });
            capabilityEntries_.push_back(entry);
        }
    }
    outcomesMenu_->popup(at);
}

void TFormPlanData::OpenLessonNotesMenu(const QPoint& at) {
    ClearGeneratedEntries(*lessonNotesMenu_, categoryEntries_);
    if (const CStored* year = RootYear()) {
        for (CStored* category : year->AssociationItems("NOTE_CATEGORIES")) {
            QAction* entry = lessonNotesMenu_->addAction(QString::fromLatin1(category->DisplayText()));
            connect(entry, &QAction::triggered, this,
                    [this, kept = StoredRef(category)] { ReportErrors([&] { AddLessonNote(kept.Get()); }); });
            categoryEntries_.push_back(entry);
        }
    }
    lessonNotesMenu_->popup(at);
}

void TFormPlanData::SetAchievementsToScore(double score) {
    ChangeAchievements([score](COutcome& outcome, CAssessment& assessment) {
        if (!IsScore(score)) outcome.RemoveLink("ACHIEVEMENTS", &assessment);
        else outcome.SetLink("ACHIEVEMENTS", &assessment, NearestCapability(outcome, score));
    });
}

// A capability scored outside 0 to 1 stands for no achievement.
void TFormPlanData::SetAchievementsTo(CCapability* capability) {
    if (!capability) return;
    const bool scored = IsScore(ScoreOf(*capability));
    ChangeAchievements([capability, scored](COutcome& outcome, CAssessment& assessment) {
        if (!scored) outcome.RemoveLink("ACHIEVEMENTS", &assessment);
        else outcome.SetLink("ACHIEVEMENTS", &assessment, capability);
    });
}

void TFormPlanData::RemoveAchievements() {
    ChangeAchievements([](COutcome& outcome, CAssessment& assessment) { outcome.RemoveLink("ACHIEVEMENTS", &assessment); });
}

// The achievement cells of the selected rectangle, column by column and top to bottom, are
// collected first and changed after, so the page is rebuilt once, keeping its place.
void TFormPlanData::ChangeAchievements(const std::function<void(COutcome&, CAssessment&)>& change) {
    outcomesGrid_->CommitEdit();
    std::vector<std::pair<StoredRef, StoredRef>> cells;
    const QRect range = outcomesGrid_->Selection();
    for (int column = range.left(); column <= range.right(); ++column)
        for (int row = range.top(); row <= range.bottom(); ++row) {
            const std::string& markup = outcomesGrid_->Cell(column, row);
            auto* outcome = dynamic_cast<COutcome*>(CellTarget(markup));
            auto* assessment = dynamic_cast<CAssessment*>(CellSource(markup));
            if (outcome && assessment) cells.emplace_back(StoredRef(outcome), StoredRef(assessment));
        }
    if (cells.empty()) {
        Platform::Prompts().Ask("There Are Not Items Selected", "Please select a range of Pupils and Outcomes to change",
                                MessageButtons::Close);
        return;
    }
    for (const auto& [outcome, assessment] : cells)
        if (outcome.Get() && assessment.Get())
            change(*static_cast<COutcome*>(outcome.Get()), *static_cast<CAssessment*>(assessment.Get()));
    outcomesGrid_->Refresh(1);
}

}  // namespace vantaro
