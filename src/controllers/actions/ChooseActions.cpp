// The Choose family: a related object picked in a single-choice chooser and stored in a RELATION.

#include <array>
#include <functional>

#include "controllers/SharedActions.h"
#include "controllers/TFormControlerAncestor.h"
#include "controllers/actions/ActionSupport.h"
#include "controllers/selection/TFormSelectionControler.h"
#include "domain/Plans.h"
#include "factory/CStored.h"

namespace vantaro {
namespace {

enum class ListRoot { Year, TargetSubject };

struct ChooseRow {
    const char* name;
    const char* caption;
    std::function<bool(const CStored&)> accepts;
    ListRoot root;
    const char* heading;
    const char* newAction;
    const char* collection;
    const char* path;
    const char* relation;
    bool allowClear;
    ActionOwner owner;
};

std::function<bool(const CStored&)> Of(const char* className) {
    return [className](const CStored& target) { return target.ClassName() == className; };
}

const std::vector<ChooseRow>& ChooseTable() {
    using enum ActionOwner;
    static const std::vector<ChooseRow> rows = {
        {"ActionChooseAptitude", "Choose Aptitude...", Of("COutcome"), ListRoot::Year, "CHOOSE_AN_APTITUDE",
         "ActionNewAptitude", "APTITUDES", "APTITUDES", "APTITUDE", false, Screen},
        {"ActionChooseSubject", "Choose Subject...", [](const CStored& t) { return dynamic_cast<const CPlan*>(&t) != nullptr; },
         ListRoot::Year, "CHOOSE_A_SUBJECT_TO_PLAN_FOR", "", "FORMS SUBJECTS", "FORMS SUBJECTS", "SUBJECT", true, ThisWindow},
        {"ActionChooseForm", "Choose Form...",
         [](const CStored& t) { return t.ClassName() == "CPupil" || t.ClassName() == "CSubject"; }, ListRoot::Year,
         "CHOOSE_A_FORM_FOR", "ActionNewForm", "FORMS", "FORMS", "FORM", true, ThisWindow},
        {"ActionChooseObjectiveCategory", "Choose Objective Category...", Of("CObjective"), ListRoot::Year,
         "CHOOSE_AN_OBJECTIVE_CATEGORY", "ActionNewObjectiveCategory", "OBJECTIVE_CATEGORIES", "OBJECTIVE_CATEGORIES",
         "OBJECTIVE_CATEGORY", true, ThisWindow},
        {"ActionChooseTerm", "Choose Term...", Of("CMedimumTermPlan"), ListRoot::Year, "CHOOSE_A_TERM", "", "TERMS",
         "TERMS", "TERM", true, ThisWindow},
        {"ActionChooseDay", "Choose Day...", Of("CLessonPlan"), ListRoot::Year, "CHOOSE_A_DAY", "", "DAYS",
         "TERMS WEEKS DAYS", "DAY", true, ThisWindow},
        {"ActionChoosePupil", "Choose Pupil...", Of("CAssessment"), ListRoot::Year, "CHOOSE_A_PUPIL", "ActionNewPupil",
         "PUPILS", "PUPILS", "PUPIL", true, ThisWindow},
        {"ActionChooseSet", "Choose Set...", Of("CAssessment"), ListRoot::TargetSubject, "CHOOSE_A_SET", "ActionNewSet",
         "SETS", "SETS", "SET", true, ThisWindow},
        {"ActionChooseCurriculum", "Choose Curriculum...", Of("CSubject"), ListRoot::Year, "CHOOSE_A_CURRICULUM",
         "ActionNewCurriculum", "CURRICULUMS", "CURRICULUMS", "CURRICULUM", true, ThisWindow},
        {"ActionChooseGender", "Choose Gender...", Of("CPupil"), ListRoot::Year, "CHOOSE_A_GENDER", "", "GENDERS",
         "GENDERS", "GENDER", false, ThisWindow},
        {"ActionChooseNoteCategory", "Choose Note Category...", Of("CNote"), ListRoot::Year, "CHOOSE_AN_NOTE_CATEGORY",
         "ActionNewNoteCategory", "NOTE_CATEGORIES", "NOTE_CATEGORIES", "NOTE_CATEGORY", true, MainWindow},
        {"ActionChooseDuration", "Choose Duration...", Of("CAbsence"), ListRoot::Year, "CHOOSE_A_DURATION", "",
         "DURATIONS", "DURATIONS", "DURATION", false, ThisWindow},
        {"ActionChooseTutor", "Choose Tutor...", Of("CSubject"), ListRoot::Year, "CHOOSE_A_TUTOR", "ActionNewStaff",
         "STAFF", "STAFF", "TUTOR", true, ThisWindow},
    };
    return rows;
}

constexpr int kChooseImage = 8;

void Choose(TFormControlerAncestor& window, const ChooseRow& row) {
    CStored* target = window.CurrentTarget();
    // A relation the target's class does not have cannot be set, so nothing is offered.
    if (!target || !row.accepts(*target) || target->IndexOfProperty("RELATION", row.relation) < 0) return;
    CStored* root = row.root == ListRoot::Year ? RootYear() : target->GetRelation("SUBJECT");
    std::string heading = row.heading;
    if (std::string_view(row.name) == "ActionChooseForm") heading.append(" ").append(target->DisplayText());

    const StoredRef kept(target);
    TFormSelectionControler chooser(&window);
    chooser.AddLevel(root, heading, row.newAction, row.collection, row.path);
    chooser.SetInitialChoice(target->PropertyContentByName("RELATION", row.relation));
    if (!chooser.Execute(false, false, row.allowClear, OwnerWindow(window, row.owner))) return;
    if (!(target = kept.Get())) return;
    CStored* chosen = chooser.ChosenObject();
    if (std::string_view(row.name) == "ActionChooseCurriculum" && chosen != target->GetRelation(row.relation))
        AskToRemoveTargets(*target);
    target->SetRelation(row.relation, chosen);
    if (std::string_view(row.name) == "ActionChooseNoteCategory") window.Refresh(0);
    else window.RefreshAfterChange();
}

}  // namespace

void AddChooseActions(TFormControlerAncestor& window) {
    for (const ChooseRow& row : ChooseTable())
        window.AddAction(row.name, row.caption, kChooseImage, {}, [&window, &row] { Choose(window, row); });
}

}  // namespace vantaro
