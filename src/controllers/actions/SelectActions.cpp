// The Select family: associated objects picked in a multiple-choice chooser and stored in an
// ASSOCATION; and the teaching days of the year.

#include <functional>

#include "controllers/SharedActions.h"
#include "controllers/TFormControlerAncestor.h"
#include "controllers/actions/ActionSupport.h"
#include "controllers/selection/TFormSelectionControler.h"
#include "domain/Lookups.h"
#include "domain/Periods.h"
#include "domain/Plans.h"
#include "domain/Subjects.h"
#include "domain/Timetable.h"
#include "factory/CFactory.h"
#include "factory/CStored.h"
#include "routines/DateTime.h"
#include "routines/NumberText.h"
#include "routines/XMLRoutines.h"

namespace vantaro {
namespace {

constexpr int kSelectImage = 7;

struct Level {
    CStored* root;
    std::string heading;
    std::string newAction;
    std::string collection;  // also the path
};

struct SelectRow {
    const char* name;
    const char* caption;
    const char* association;
    ActionOwner owner;
    // The chooser's levels for the current target and source; none when the action does not apply.
    std::function<std::vector<Level>(CStored& target, CStored* source)> levels;
};

std::vector<Level> ForClass(CStored& target, const char* className, Level level) {
    if (!IsClass(&target, className)) return {};
    return {std::move(level)};
}

CSubject* SubjectOfPlan(CStored* source) {
    auto* plan = dynamic_cast<CPlan*>(source);
    return plan ? dynamic_cast<CSubject*>(plan->GetRelation("SUBJECT")) : nullptr;
}

const std::vector<SelectRow>& SelectTable() {
    using enum ActionOwner;
    static const std::vector<SelectRow> rows = {
        {"ActionSelectStaff", "Select Staff...", "STAFF", ThisWindow,
         [](CStored& t, CStored*) { return ForClass(t, "CActivity", {RootYear(), "SELECT_STAFF", "ActionNewStaff", "STAFF"}); }},
        {"ActionSelectSets", "Select Sets...", "SETS", ThisWindow,
         [](CStored& t, CStored* source) -> std::vector<Level> {
             if (!IsClass(&t, "CActivity") || !IsClass(source, "CSubject")) return {};
             return {{source, source->DisplayText(), "ActionNewSet", "SETS"}};
         }},
        {"ActionSelectPresetObjectives", "Select Preset Objectives...", "PRESET_OBJECTIVES", ThisWindow,
         [](CStored& t, CStored*) {
             return ForClass(t, "CSubject", {RootYear(), "SELECT_OBJECTIVE_CATEGORIES", "ActionNewObjectiveCategory",
                                             "OBJECTIVE_CATEGORIES"});
         }},
        {"ActionSelectPresetActivities", "Select Preset Activities...", "PRESET_ACTIVITIES", ThisWindow,
         [](CStored& t, CStored*) {
             return ForClass(t, "CSubject", {RootYear(), "SELECT_ACTIVITY_CATEGORIES", "ActionNewActivityCategory",
                                             "ACTIVITY_CATEGORIES"});
         }},
        {"ActionSelectCurriculumLevels", "Select Curriculum Levels...", "CURRICULUM_LEVELS", ThisWindow,
         [](CStored& t, CStored*) {
             return ForClass(t, "CSubject", {RootYear(), "SELECT_CURRICULUM_LEVELS", "",
                                             "CURRICULUMS ATTAINMENTS CURRICULUM_LEVELS"});
         }},
        {"ActionSelectActivityTypes", "Select Activity Types...", "FOCUS", MainWindow,
         [](CStored& t, CStored* source) -> std::vector<Level> {
             CSubject* subject = SubjectOfPlan(source);
             if (!IsClass(&t, "CActivity") || !subject) return {};
             return {{RootYear(), "SELECT_ACTIVITY_CATEGORIES", "ActionNewActivityCategory", "ACTIVITY_CATEGORIES"},
                     {subject, subject->DisplayText() + " SETS", "ActionNewSet", "SETS"},
                     {RootYear(), "SELECT_STAFF", "ActionNewStaff", "STAFF"}};
         }},
    };
    return rows;
}

void Select(TFormControlerAncestor& window, const SelectRow& row) {
    CStored* target = window.CurrentTarget();
    if (!target || target->IndexOfProperty("ASSOCATION", row.association) < 0) return;
    const std::vector<Level> levels = row.levels(*target, window.CurrentSource());
    if (levels.empty()) return;
    const StoredRef kept(target);
    TFormSelectionControler chooser(&window);
    for (const Level& level : levels) chooser.AddLevel(level.root, level.heading, level.newAction, level.collection, level.collection);
    chooser.SetInitialChoice(target->PropertyContentByName("ASSOCATION", row.association));
    if (!chooser.Execute(true, false, true, OwnerWindow(window, row.owner)) || !(target = kept.Get())) return;
    target->SetAssociationIDs(row.association, chooser.ChosenIds());
    window.RefreshAfterChange();
}

void SelectTeachingDays(TFormControlerAncestor& window) {
    auto* year = dynamic_cast<CYear*>(window.CurrentTarget());
    if (!year) return;
    std::string included;
    for (int day = 1; day <= kDaysInWeek; ++day) {
        const CStored* teachingDay = TeachingDayOf(*year, day, false);
        if (teachingDay && teachingDay->GetAttributeValue("INCLUDE_IN_LESSON_PLANING") == "TRUE")
            included.append(",").append(std::to_string(teachingDay->ID()));
    }
    const StoredRef kept(year);
    TFormSelectionControler chooser(&window);
    chooser.AddLevel(year, "SELECT_TEACHING_DAYS", "", "TEACHING_DAYS", "TEACHING_DAYS");
    chooser.SetInitialChoice(included);
    if (!chooser.Execute(true, false, true, &window) || !kept.Get()) return;
    for (int day = 1; day <= kDaysInWeek; ++day) SetTeachingDay(*year, day, false);
    const CFactory* factory = TFormControlerAncestor::Factory();
    ForEachListItem(chooser.ChosenIds(), [&](std::string_view id) {
        long long value = 0;
        CStored* chosen = factory && TryReadInteger(id, value) ? factory->FindObject(static_cast<std::int32_t>(value)) : nullptr;
        if (IsClass(chosen, "CTeachingDay")) chosen->SetAttributeValue("INCLUDE_IN_LESSON_PLANING", "TRUE");
    });
    window.RefreshAfterChange();
}

}  // namespace

void AddSelectActions(TFormControlerAncestor& window) {
    for (const SelectRow& row : SelectTable())
        window.AddAction(row.name, row.caption, kSelectImage, {}, [&window, &row] { Select(window, row); });
    window.AddAction("ActionSelectTeachingDays", "Select Teaching Days...", kSelectImage, {},
                     [&window] { SelectTeachingDays(window); });
    // The pupil selection and set manager windows register their handlers when they exist.
    window.AddAction("ActionSelectPupils", "Select Pupils...", kSelectImage);
    window.AddAction("ActionShowSets", "Sets...");
}

}  // namespace vantaro
