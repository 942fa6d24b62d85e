#include "controllers/property/TFramePropertyGrid.h"

#include <QDropEvent>

#include "factory/CFactory.h"
#include "factory/CStored.h"
#include "grid/GridDragData.h"
#include "grid/markup/CellMarkup.h"
#include "grid/markup/CellReaders.h"
#include "routines/IdentifierCaption.h"
#include "routines/Words.h"
#include "routines/XMLRoutines.h"

namespace vantaro {
namespace {

constexpr std::string_view kAttribute = "ATTRIBUTE";
constexpr std::string_view kAssociation = "ASSOCATION";
constexpr std::string_view kRelation = "RELATION";

struct ClassAndName {
    const char* className;
    const char* name;
};

bool Matches(const CStored& object, const std::string& name, std::initializer_list<ClassAndName> pairs) {
    for (const ClassAndName& pair : pairs)
        if (object.ClassName() == pair.className && name == pair.name) return true;
    return false;
}

// Dates the page shows without the date selector.
bool IsReadOnlyDate(const CStored& object, const std::string& name) {
    return object.ClassName() == "CGender" ||
           Matches(object, name, {{"CWeek", "START_DATE"}, {"CDay", "START_DATE"}, {"CNote", "DATE"}});
}

std::string AssociationAction(const CStored& object, const std::string& name) {
    const std::string packed = RemoveSeparators(name);
    if (Matches(object, name, {{"CActivity", "SETS"}, {"CSubject", "PRESET_ACTIVITIES"}, {"CSubject", "PRESET_OBJECTIVES"},
                               {"CSubject", "CURRICULUM_LEVELS"}, {"CActivity", "STAFF"}}))
        return "ActionSelect" + packed;
    if (Matches(object, name, {{"CTerm", "WEEKS"}, {"CWeek", "DAYS"}})) return "ActionBuild" + packed;
    return "ActionNewAssocation" + packed;
}

std::string RelationAction(const CStored& object, const std::string& name) {
    if (Matches(object, name, {{"COutcome", "APTITUDE"}, {"CPupil", "FORM"}, {"CPupil", "GENDER"},
                               {"CMedimumTermPlan", "TERM"}, {"CLessonPlan", "DAY"}, {"CAssessment", "PUPIL"},
                               {"CAssessment", "SET"}, {"CSubject", "CURRICULUM"}, {"CSubject", "TUTOR"},
                               {"CSubject", "FORM"}, {"CObjective", "OBJECTIVE_CATEGORY"}}))
        return "ActionChoose" + RemoveSeparators(name);
    // Every plan chooses its subject.
    const std::string cls = object.ClassName();
    if (name == "SUBJECT" && (cls == "CLongTermPlan" || cls == "CMedimumTermPlan" || cls == "CLessonPlan"))
        return "ActionChoose" + RemoveSeparators(name);
    return {};
}

}  // namespace

TFramePropertyGrid::TFramePropertyGrid(QWidget* parent) : TFrameGridAncestor(parent) {}

void TFramePropertyGrid::SetObject(CStored* object) {
    history_.clear();
    TFrameGridAncestor::SetObject(object);
}

void TFramePropertyGrid::SetKinds(std::string_view kinds) {
    const bool all = kinds.empty();
    attributes_ = all || kinds.find(kAttribute) != std::string_view::npos;
    associations_ = all || kinds.find(kAssociation) != std::string_view::npos;
    relations_ = all || kinds.find(kRelation) != std::string_view::npos;
}

void TFramePropertyGrid::SetExclusions(std::string_view names) { exclusions_ = names; }

void TFramePropertyGrid::SetKindsFor(const CStored* object) {
    const std::string cls = object ? object->ClassName() : std::string();
    if (cls == "CPupil") {
        SetKinds("ATTRIBUTE RELATION");
        SetExclusions("HEAD_TEACHER_REPORT FORM_TEACHER_REPORT ");
    } else if (cls == "CSubject") {
        SetKinds("ATTRIBUTE ASSOCATION RELATION");
        SetExclusions("SETS ASSESSMENTS LONG_TERM_PLANS SUBJECT_LEVELS CURRICULUM_LEVELS ");
    } else if (cls == "CNote") {
        SetKinds("ATTRIBUTE");
        SetExclusions("DATE ");
    } else {
        SetKinds("ATTRIBUTE");
        SetExclusions("");
    }
}

bool TFramePropertyGrid::IsExcluded(const std::string& name) const {
    return exclusions_.find(name + " ") != std::string::npos;
}

void TFramePropertyGrid::NavigateForward(CStored* object) {
    if (CStored* shown = Object()) history_.emplace_back(shown);
    TFrameGridAncestor::SetObject(object);
    Refresh(0);
}

void TFramePropertyGrid::NavigateBack() {
    // Objects destroyed meanwhile are passed over.
    while (!history_.empty()) {
        CStored* previous = history_.back().Get();
        history_.pop_back();
        if (previous) {
            TFrameGridAncestor::SetObject(previous);
            break;
        }
    }
    Refresh(0);
}

std::vector<CStored*> TFramePropertyGrid::History() const {
    std::vector<CStored*> objects;
    for (const StoredRef& ref : history_)
        if (CStored* object = ref.Get()) objects.push_back(object);
    return objects;
}

void TFramePropertyGrid::BuildPage() {
    BeginPage(1, 1);
    CStored* object = Object();
    if (!object) {
        EndPage(0, 0);
        return;
    }
    std::string title = object->DisplayText();
    if (title.empty()) title = UnescapeText(NewObjectText(object->ClassName()));
    SetRowCell(0, TitleCell(title, {.target = object}));
    const std::vector<CStored*> history = History();
    if (!history.empty()) {
        std::string path;
        for (const CStored* shown : history) path += (path.empty() ? "" : " => ") + shown->DisplayText();
        NextRow();
        SetRowCell(0, LinkTextCell(path, {.action = "ActionNavigateBack", .target = history.back(), .level = 1}));
    }
    for (int line = 0; line < object->PropertyCount(); ++line) {
        const std::string name = object->PropertyName(line);
        if (IsExcluded(name)) continue;
        const std::string tag = object->PropertyTag(line);
        if (tag == kAttribute && attributes_) AddAttribute(*object, name, object->PropertyFormat(line));
        else if (tag == kAssociation && associations_) AddAssociation(*object, name);
        else if (tag == kRelation && relations_ && name != "PARENT") AddRelation(*object, name);
    }
    EndPage(0, 0);
}

void TFramePropertyGrid::AddAttribute(CStored& object, const std::string& name, const std::string& format) {
    NextRow();
    SetRowCell(0, HeadingCell(IdentifierCaption(name), {.target = &object, .level = 1}));
    NextRow();
    const CellLink value{.target = &object, .level = 2};
    if (format == "DATE" || format == "DATE_TIME") {
        CellLink date = value;
        if (!IsReadOnlyDate(object, name)) date.action = "ActionChooseDate";
        SetRowCell(0, ParameterDataCell(&object, name, date));
    } else if (format == "BOOLEAN") {
        SetRowCell(0, ParameterDataCell(&object, name, {.action = "ActionSwopBoolean", .target = &object, .level = 2}));
    } else if (format == "STRING") {
        SetRowCell(0, DataCell(&object, name, value));
    } else {
        SetRowCell(0, DataLineCell(&object, name, value));
    }
}

void TFramePropertyGrid::AddAssociation(CStored& object, const std::string& name) {
    NextRow();
    const std::string action = AssociationAction(object, name);
    SetRowCell(0, HeadingCell(IdentifierCaption(name), {.action = action, .target = &object, .level = 1}));
    const CFactory* factory = Factory();
    for (CStored* member : object.AssociationItems(name)) {
        if (!member || (factory && factory->IsHidden(member))) continue;
        NextRow();
        SetRowCell(0, AddDragSource(LinkCell(member, {.action = "ActionNavigateForward", .target = member, .level = 2})));
    }
}

void TFramePropertyGrid::AddRelation(CStored& object, const std::string& name) {
    NextRow();
    SetRowCell(0, HeadingCell(IdentifierCaption(name), {.action = RelationAction(object, name), .target = &object, .level = 1}));
    CStored* related = object.GetRelation(name);
    const CFactory* factory = Factory();
    if (!related || (factory && factory->IsHidden(related))) return;
    const bool plain = related->ClassName() == "CGender" || related->ClassName() == "CForm";
    NextRow();
    SetRowCell(0, LinkCell(related, {.action = plain ? "" : "ActionNavigateForward", .target = related, .level = 2}));
}

bool TFramePropertyGrid::Reorderable(const QMimeData* data, const QPoint& position, CStored** dragged,
                                     CStored** onto) const {
    const auto* drag = dynamic_cast<const GridDragData*>(data);
    const TFrameGridAncestor* source = drag ? drag->Source() : nullptr;
    if (!source || !CellHas(source->PressedMarkup(), cell::kDragSource)) return false;
    const QPoint cell = Grid().CellAt(position);
    if (cell.x() < 0) return false;
    *onto = CellTarget(Cell(cell.x(), cell.y()), Factory());
    *dragged = CellTarget(source->PressedMarkup(), Factory());
    return *onto && *dragged && *onto != *dragged && (*onto)->ClassName() == (*dragged)->ClassName();
}

void TFramePropertyGrid::GridDragMove(QDragMoveEvent& event) {
    EndEdit();
    CStored* dragged = nullptr;
    CStored* onto = nullptr;
    if (Reorderable(event.mimeData(), event.position().toPoint(), &dragged, &onto)) event.acceptProposedAction();
    else event.ignore();
}

void TFramePropertyGrid::GridDrop(QDropEvent& event) {
    CStored* dragged = nullptr;
    CStored* onto = nullptr;
    CStored* object = Object();
    if (!object || !Reorderable(event.mimeData(), event.position().toPoint(), &dragged, &onto)) {
        event.ignore();
        return;
    }
    event.acceptProposedAction();
    object->MoveInAssociations(dragged, onto);
    Refresh(1);
}

}  // namespace vantaro
