#include "domain/CRovanFactory.h"

#include <algorithm>

#include "domain/ClassTables.h"
#include "domain/People.h"
#include "domain/Periods.h"
#include "domain/PupilRecords.h"
#include "domain/Seeding.h"
#include "domain/StoredAccess.h"
#include "factory/IDText.h"
#include "routines/TextBasics.h"
#include "routines/XMLRoutines.h"

namespace vantaro {
namespace {

// The classes whose objects Append takes over from the other store, each followed by a blank.
constexpr std::string_view kTakenOverClasses =
    "CAttainment CCapability CSubject CLongTermPlan CLessonPlan COutcome CAssessment CNote CForm "
    "CTerm CWeek CDay CNoteCategory ";

// Trimmed, with every run of spaces reduced to one.
std::string NormaliseBlanks(std::string_view text) {
    std::string result;
    for (char c : TrimView(text)) {
        if (c == ' ' && !result.empty() && result.back() == ' ') continue;
        result += c;
    }
    return result;
}

template <class Visit>
void ForEachObject(CFactory& factory, Visit visit) {
    for (int i = 0; i < factory.Objects().Count(); ++i) visit(*factory.Objects().Item(i));
}

}  // namespace

std::unique_ptr<CStored> CRovanFactory::CreateObject(std::string_view attributes) {
    const std::string className = AttributeValue(FindAttribute(attributes, "CLASS"));
    const std::string idText = AttributeValue(FindAttribute(attributes, "ID"));
    const std::vector<std::string_view>& known = StoredClassNames();
    if (std::find(known.begin(), known.end(), className) == known.end()) return nullptr;
    std::unique_ptr<CStored> object = CreateStoredObject(className, IDFromText(idText));
    object->SetFactory(this);
    return object;
}

void CRovanFactory::Open(const std::string& path) {
    CFactory::Open(path);
    if (Objects().Count() == 0) NewDataStore(true);
    appendedFiles_.clear();
}

CYear* CRovanFactory::NewDataStore(bool seed) {
    Clear();
    SetFileName("");
    CYear* year = AddObject(std::make_unique<CYear>(nullptr, -1));
    SetRoot(year);
    if (seed) SeedDataStore(*year);
    ForEachObject(*this, [](CStored& object) { object.ResolveReferences(); });
    return year;
}

CYear* CRovanFactory::Year() const { return dynamic_cast<CYear*>(Root()); }

CStaff* CRovanFactory::Tutor() {
    CYear* year = Year();
    if (!year) return nullptr;
    const std::string storedName = NormaliseBlanks(year->GetAttributeValue("TUTOR_NAME"));
    if (storedName.empty()) return nullptr;
    const std::string name = UnescapeText(storedName);
    for (CStaff* staff : MembersAs<CStaff>(*year, "STAFF"))
        if (staff->DisplayText() == name) return staff;

    // The first word is the first name, the rest the last name; a single word is a last name.
    const std::size_t blank = storedName.find(' ');
    CStaff* tutor = year->NewStaff(this);
    if (blank == std::string::npos) {
        tutor->SetAttributeValue("LAST_NAME", storedName);
    } else {
        tutor->SetAttributeValue("FIRST_NAME", Trim(storedName.substr(0, blank)));
        tutor->SetAttributeValue("LAST_NAME", Trim(storedName.substr(blank)));
    }
    return tutor;
}

void CRovanFactory::FileIntoParent(CStored& object) {
    const CStored* parent = object.GetParent();
    if (!parent) return;
    CStored* filedParent = FindObject(parent->ID());
    if (!filedParent) return;
    const std::string_view collection = CollectionOf(object.ClassName());
    if (!collection.empty()) filedParent->AddToAssociation(collection, &object);
}

void CRovanFactory::Append(const std::string& fileName, CRovanFactory& scratch) {
    if (fileName == FileName()) return;
    if (std::find(appendedFiles_.begin(), appendedFiles_.end(), fileName) != appendedFiles_.end())
        return;
    scratch.NewDataStore(false);
    scratch.Open(fileName);
    // Only a file that could be read counts as taken: one that failed may be mended and tried again.
    appendedFiles_.push_back(fileName);
    scratch.RenumberAsNew(true);
    CYear* year = Year();
    CYear* scratchYear = scratch.Year();
    if (!year || !scratchYear) return;
    scratchYear->MarkSaved(year->ID());
    if (!MatchPupils(scratch)) return;

    // Matched pupils now carry this store's IDs; make every reference text say so.
    scratch.Objects().SortByID();
    ForEachObject(*this, [](CStored& object) { object.WriteReferences(); });
    ForEachObject(scratch, [](CStored& object) { object.WriteReferences(); });
    TakeOverObjects(scratch);
    ListTakenOverObjects();

    ForEachObject(*this, [](CStored& object) { object.ResolveReferences(); });
    scratch.Clear();
    year->SortAssociations("ATTAINMENTS SUBJECTS");
    const std::vector<CStored*> pupils = year->AssociationItems("PUPILS");
    for (auto pupil = pupils.rbegin(); pupil != pupils.rend(); ++pupil)
        (*pupil)->SortAssociations("NOTES");
}

// Each appended pupil that shows the name of a pupil of this year takes that pupil's ID, and
// that pupil gets a transient copy of each of its notes and non-empty comments. True when any
// pupil matched.
bool CRovanFactory::MatchPupils(CRovanFactory& scratch) {
    CYear* year = Year();
    bool matched = false;
    for (CPupil* appended : MembersAs<CPupil>(*scratch.Year(), "PUPILS")) {
        auto* found = dynamic_cast<CPupil*>(year->FindInAssociation("PUPILS", appended->DisplayText()));
        if (!found) continue;
        appended->MarkSaved(found->ID());
        matched = true;
        for (CStored* note : appended->AssociationItems("NOTES"))
            found->NewNote(this)->CopyAsTransient(note);
        for (CStored* comment : appended->AssociationItems("COMMENTS"))
            if (!comment->GetAttributeValue("DESCRIPTION").empty())
                found->NewComment(this)->CopyAsTransient(comment);
    }
    return matched;
}

// Moves the objects that show borrowed assessments, plans and notes into this store, from the
// last to the first; the rest stays in the scratch store.
void CRovanFactory::TakeOverObjects(CRovanFactory& scratch) {
    for (int i = scratch.Objects().Count() - 1; i >= 0; --i) {
        CStored* object = scratch.Objects().Item(i);
        if (object->ID() >= 0 || FindObject(object->ID())) continue;
        if (kTakenOverClasses.find(object->ClassName() + " ") == std::string_view::npos) continue;
        AddObject(scratch.RemoveObject(object));
    }
}

// Lists every attainment, subject and form of this store in the year's association of its kind.
// The year has no ATTAINMENTS association, so attainments stay where they are.
void CRovanFactory::ListTakenOverObjects() {
    CYear* year = Year();
    for (int i = Objects().Count() - 1; i >= 0; --i) {
        CStored* object = Objects().Item(i);
        const std::string className = object->ClassName();
        if (className == "CAttainment") year->AddToAssociation("ATTAINMENTS", object);
        else if (className == "CSubject") year->AddToAssociation("SUBJECTS", object);
        else if (className == "CForm") year->AddToAssociation("FORMS", object);
    }
}

}  // namespace vantaro
