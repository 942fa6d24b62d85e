// The New family: an object made as a child of the target and filled in on the property window;
// and a new absence, dated now, without a window.

#include <functional>

#include "controllers/SharedActions.h"
#include "controllers/TFormControlerAncestor.h"
#include "controllers/actions/ActionSupport.h"
#include "domain/Aptitudes.h"
#include "domain/Curricula.h"
#include "domain/People.h"
#include "domain/Periods.h"
#include "domain/PlanItems.h"
#include "domain/PupilRecords.h"
#include "domain/Subjects.h"
#include "routines/DateTime.h"
#include "routines/Platform.h"

namespace vantaro {
namespace {

constexpr int kNewImage = 4;

struct NewRow {
    const char* name;
    const char* caption;
    std::function<CStored*(CStored& target)> create;  // none when the target is of another class
};

template <class Target>
std::function<CStored*(CStored&)> Maker(CStored* (*make)(Target&)) {
    return [make](CStored& target) -> CStored* {
        auto* typed = dynamic_cast<Target*>(&target);
        return typed ? make(*typed) : nullptr;
    };
}

const std::vector<NewRow>& NewTable() {
    static const std::vector<NewRow> rows = {
        {"ActionNewStaff", "New Staff...", Maker<CYear>([](CYear& y) -> CStored* { return y.NewStaff(); })},
        {"ActionNewAptitude", "New Aptitude...", Maker<CYear>([](CYear& y) -> CStored* { return y.NewAptitude(); })},
        {"ActionNewCapability", "New Capability...",
         Maker<CAptitude>([](CAptitude& a) -> CStored* { return a.NewCapability(); })},
        {"ActionNewPupil", "New Pupil...", Maker<CYear>([](CYear& y) -> CStored* { return y.NewPupil(); })},
        {"ActionNewSubject", "New Subject...", Maker<CYear>([](CYear& y) -> CStored* { return y.NewSubject(); })},
        {"ActionNewSet", "New Set...", Maker<CSubject>([](CSubject& s) -> CStored* { return s.NewSet(); })},
        {"ActionNewTerm", "New Term...", Maker<CYear>([](CYear& y) -> CStored* { return y.NewTerm(); })},
        {"ActionNewForm", "New Form...", Maker<CYear>([](CYear& y) -> CStored* { return y.NewForm(); })},
        {"ActionNewActivityCategory", "New Activity Category...",
         Maker<CYear>([](CYear& y) -> CStored* { return y.NewActivityCategory(); })},
        {"ActionNewObjectiveCategory", "New Objective Category...",
         Maker<CYear>([](CYear& y) -> CStored* { return y.NewObjectiveCategory(); })},
        {"ActionNewNoteCategory", "New Note Category...",
         Maker<CYear>([](CYear& y) -> CStored* { return y.NewNoteCategory(); })},
        {"ActionNewCurriculum", "New Curriculum...", Maker<CYear>([](CYear& y) -> CStored* { return y.NewCurriculum(); })},
        {"ActionNewCurriculumLevel", "New Curriculum Level...",
         Maker<CAttainment>([](CAttainment& a) -> CStored* { return a.NewCurriculumLevel(); })},
        {"ActionNewCurriculumStatement", "New Curriculum Statement...",
         Maker<CCurriculumLevel>([](CCurriculumLevel& l) -> CStored* { return l.NewCurriculumStatement(); })},
        {"ActionNewAttainment", "New Attainment...",
         Maker<CCurriculum>([](CCurriculum& c) -> CStored* { return c.NewAttainment(); })},
        {"ActionNewGrade", "New Grade...", Maker<CCurriculum>([](CCurriculum& c) -> CStored* { return c.NewGrade(); })},
    };
    return rows;
}

void NewObject(TFormControlerAncestor& window, const NewRow& row) {
    CStored* target = window.CurrentTarget();
    if (!target) return;
    if (CStored* made = row.create(*target)) window.AddNewObject(target, made);
}

void NewAbsence(TFormControlerAncestor& window) {
    auto* pupil = dynamic_cast<CPupil*>(window.CurrentTarget());
    if (!pupil) return;
    pupil->NewAbsence()->SetAttributeValue("DATE", FormatStoredDate(Platform::CurrentClock().Now()));
    window.Refresh(0);
}

}  // namespace

void AddNewActions(TFormControlerAncestor& window) {
    for (const NewRow& row : NewTable())
        window.AddAction(row.name, row.caption, kNewImage, {}, [&window, &row] { NewObject(window, row); });
    window.AddAction("ActionNewAbsence", "New Absence...", kNewImage, {}, [&window] { NewAbsence(window); });
}

}  // namespace vantaro
