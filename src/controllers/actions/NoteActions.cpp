// Notes, comments and plan items added to the target, and the assessments and lesson plans an
// organiser cell asks to create.

#include "controllers/SharedActions.h"
#include "controllers/TFormControlerAncestor.h"
#include "controllers/actions/ActionSupport.h"
#include "domain/Assessments.h"
#include "domain/Lookups.h"
#include "domain/People.h"
#include "domain/Periods.h"
#include "domain/Plans.h"
#include "domain/PupilRecords.h"
#include "domain/Subjects.h"
#include "routines/Platform.h"

namespace vantaro {
namespace {

constexpr int kAddImage = 4;

void AddPupilNote(TFormControlerAncestor& window) {
    auto* pupil = dynamic_cast<CPupil*>(window.CurrentTarget());
    if (!pupil) return;
    pupil->NewNote();
    window.Refresh(2);
}

void AddAssessmentNote(TFormControlerAncestor& window) {
    auto* assessment = dynamic_cast<CAssessment*>(window.CurrentTarget());
    if (!assessment) return;
    CStored* source = window.CurrentSource();
    assessment->NewNote(IsClass(source, "CLessonPlan") ? source : nullptr);
    window.Refresh(2);
}

template <class Make>
void AddToLessonPlan(TFormControlerAncestor& window, Make make) {
    auto* plan = dynamic_cast<CLessonPlan*>(window.CurrentTarget());
    if (!plan) return;
    make(*plan);
    window.RefreshAfterChange();
}

void AddComment(TFormControlerAncestor& window, const std::string& title) {
    auto* pupil = dynamic_cast<CPupil*>(window.CurrentTarget());
    if (!pupil) return;
    SetTypedAttribute(*pupil->NewComment(), "TITLE", title);
    window.RefreshAfterChange();
}

bool AskToCreate(const std::string& title, const CStored& subject, const char* what, const CStored& other) {
    return Platform::Prompts().Ask(title,
                                   "Would you like to create a new " + subject.DisplayText() + " " + what + " " +
                                       other.DisplayText(),
                                   MessageButtons::YesNo);
}

void CreateAssessment(TFormControlerAncestor& window) {
    auto* subject = dynamic_cast<CSubject*>(window.CurrentTarget());
    CStored* pupil = window.CurrentSource();
    if (!subject || !IsClass(pupil, "CPupil")) return;
    if (!AskToCreate("Create New Assessment", *subject, "Assessment for", *pupil)) return;
    AssessmentFor(*subject, pupil, true);
    window.RefreshAfterChange();
}

void CreateLessonPlan(TFormControlerAncestor& window) {
    auto* subject = dynamic_cast<CSubject*>(window.CurrentTarget());
    auto* day = dynamic_cast<CDay*>(window.CurrentSource());
    if (!subject || !day) return;
    if (!AskToCreate("Create New Plan", *subject, "Plan for", *day)) return;
    LessonPlanFor(*subject, day, true);
    window.RefreshAfterChange();
}

}  // namespace

void AddNoteActions(TFormControlerAncestor& window) {
    window.AddAction("ActionAddPupilNote", "Add Pupil Note", kAddImage, {}, [&window] { AddPupilNote(window); });
    window.AddAction("ActionAddAssessmentNote", "Add Assessment Note", kAddImage, {},
                     [&window] { AddAssessmentNote(window); });
    window.AddAction("ActionAddObjective", "Add Objective", kAddImage, {},
                     [&window] { AddToLessonPlan(window, [](CLessonPlan& plan) { plan.NewObjective(); }); });
    window.AddAction("ActionAddActivity", "Add Activity", kAddImage, {},
                     [&window] { AddToLessonPlan(window, [](CLessonPlan& plan) { plan.NewActivity(); }); });
    window.AddAction("ActionAddOutcome", "Add Outcome", kAddImage, {},
                     [&window] { AddToLessonPlan(window, [](CLessonPlan& plan) { plan.NewOutcome(); }); });
    window.AddAction("ActionAddFormTeacherComment", "Add Form Teacher Comment", -1, {},
                     [&window] { AddComment(window, "Form Teacher's Comments"); });
    window.AddAction("ActionAddHeadTeacherComment", "Add Head Teacher Comment", -1, {},
                     [&window] { AddComment(window, "Head Teacher's Comments"); });
    window.AddAction("ActionCreateAssessment", "Create Assessment", -1, {}, [&window] { CreateAssessment(window); });
    window.AddAction("ActionCreateLessonPlan", "Create Lesson Plan", -1, {}, [&window] { CreateLessonPlan(window); });
}

}  // namespace vantaro
