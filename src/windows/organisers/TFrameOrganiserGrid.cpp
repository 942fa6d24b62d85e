#include "windows/organisers/TFrameOrganiserGrid.h"

#include <algorithm>

#include "domain/People.h"
#include "domain/Periods.h"
#include "domain/Subjects.h"
#include "factory/CFactory.h"
#include "factory/CRelationManager.h"
#include "grid/ImageList.h"
#include "grid/markup/CellMarkup.h"
#include "routines/IdentifierCaption.h"
#include "routines/Words.h"

namespace vantaro {
namespace {

constexpr std::string_view kNoRelation = CRelationManager::kNoRelation;
// A subject column is as wide as this text in the grid's font.
constexpr char kTypicalHeading[] = "ABCDEFGHIJKLMNOPQ";

// The piece of a form's label band above the member at `position` of `count` members.
std::string FormLabel(int position, int count, std::string_view name) {
    if (count == 1) return InfoCell(name);
    if (position == 0) return InfoCellStart(name);
    return position == count - 1 ? InfoCellEnd({}) : InfoCellMiddle({});
}

}  // namespace

TFrameOrganiserGrid::TFrameOrganiserGrid(QWidget* parent) : TFrameGridAncestor(parent) {
    SetPictures(&grid_images::OrganiserPictures());
}

CYear* TFrameOrganiserGrid::Year() const { return dynamic_cast<CYear*>(Object()); }

bool TFrameOrganiserGrid::Hidden(const CStored* object) const {
    const CFactory* factory = Factory();
    return factory ? factory->IsHidden(object) : object == nullptr;
}

void TFrameOrganiserGrid::TitleBand(std::string_view title) {
    const int row = CurrentRow();
    SetCurrentRow(0);
    TitleRow(CurrentColumn() + 1, title, {.target = Year()});
    SetCurrentRow(row);
}

void TFrameOrganiserGrid::HeadingBand(int columns, std::string_view text, const CStored* object,
                                      int level) {
    if (columns == 1) {
        SetRowCell(0, HeadingCell(text, {.target = object, .level = level}));
        return;
    }
    SetRowCell(0, HeadingCellStart(text, {.target = object, .level = level}));
    for (int column = 1; column < columns - 1; ++column)
        SetRowCell(column, HeadingCellMiddle({}, {.target = object}));
    SetRowCell(columns - 1, HeadingCellEnd({}, {.target = object}));
}

void TFrameOrganiserGrid::StartFormGroups(CRelationManager& groups, const CYear& year) const {
    groups.ResetGroups();
    for (const CForm* form : MembersAs<CForm>(year, "FORMS")) groups.AddGroup(*form);
}

void TFrameOrganiserGrid::AddToFormGroup(CRelationManager& groups, CStored& item) const {
    const CStored* form = item.GetRelation("FORM");
    if (!form || !Hidden(form)) groups.AddToGroup(&item, form);
}

std::vector<std::string> TFrameOrganiserGrid::GroupNames(CRelationManager& groups) {
    groups.SortAssociations("");
    std::vector<std::string> names;
    for (int line = 0; line < groups.PropertyCount(); ++line)
        names.push_back(groups.PropertyName(line));
    return names;
}

std::vector<TFrameOrganiserGrid::SubjectColumn> TFrameOrganiserGrid::SubjectColumnsByForm(
    const CYear& year) {
    CRelationManager groups;
    StartFormGroups(groups, year);
    for (CSubject* subject : MembersAs<CSubject>(year, "SUBJECTS")) {
        const StoredStatus status = subject->Status();
        if (status == StoredStatus::Transient || status == StoredStatus::Deleted || Hidden(subject))
            continue;
        AddToFormGroup(groups, *subject);
    }
    std::vector<SubjectColumn> columns;
    for (const std::string& name : GroupNames(groups)) {
        const std::vector<CSubject*> members = MembersAs<CSubject>(groups, name);
        const int count = static_cast<int>(members.size());
        for (int position = 0; position < count; ++position) {
            NextColumn();
            if (name != kNoRelation)
                SetColumnCell(1, FormLabel(position, count, UnderscoresToSpaces(name)));
            SetColumnCell(2, HeadingCell(members[position]->ShortDisplayText(),
                                         {.target = members[position]}));
            columns.push_back({CurrentColumn(), members[position]});
        }
    }
    return columns;
}

std::vector<TFrameOrganiserGrid::PupilGroup> TFrameOrganiserGrid::PupilGroups(const CYear& year) const {
    CRelationManager groups;
    StartFormGroups(groups, year);
    for (CPupil* pupil : ShownMembers<CPupil>(year, "PUPILS")) AddToFormGroup(groups, *pupil);
    std::vector<PupilGroup> listed;
    for (std::string& name : GroupNames(groups)) {
        std::vector<CPupil*> members = MembersAs<CPupil>(groups, name);
        if (!members.empty()) listed.push_back({std::move(name), std::move(members)});
    }
    return listed;
}

std::vector<CPupil*> TFrameOrganiserGrid::PupilsByForm(const CYear& year) const {
    std::vector<CPupil*> pupils;
    for (const PupilGroup& group : PupilGroups(year)) pupils.insert(pupils.end(), group.pupils.begin(), group.pupils.end());
    return pupils;
}

void TFrameOrganiserGrid::PupilRowsByForm(const CYear& year,
                                          const std::function<void(CPupil&)>& fillRow) {
    for (const PupilGroup& group : PupilGroups(year)) {
        if (group.name != kNoRelation) {
            NextRow();
            SetRowCell(0, InfoCell(IdentifierCaption(group.name)));
        }
        for (CPupil* pupil : group.pupils) {
            NextRow();
            SetRowCell(0, HeadingCell(pupil->DisplayText(), {.target = pupil, .level = 1}));
            if (fillRow) fillRow(*pupil);
        }
    }
}

double TFrameOrganiserGrid::SubjectColumnShare(double total, int sharedColumns) {
    return TextColumnShare(kTypicalHeading, total / std::max(sharedColumns, 1));
}

}  // namespace vantaro
