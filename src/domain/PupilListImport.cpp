#include "domain/PupilListImport.h"

#include <unordered_map>

#include "domain/People.h"
#include "domain/Periods.h"
#include "domain/StoredAccess.h"
#include "routines/CsvText.h"
#include "routines/DateTime.h"
#include "routines/TextBasics.h"
#include "routines/XMLRoutines.h"

namespace vantaro {
namespace {

bool IsDeleted(const CStored& object) { return object.Status() == StoredStatus::Deleted; }

// The live members of an association by display text, the first of each text kept: a list of
// thousands is matched in one pass rather than once per line.
template <class T>
class LiveByName {
public:
    LiveByName(const CStored& owner, std::string_view association) {
        for (T* member : MembersAs<T>(owner, association))
            if (!IsDeleted(*member)) byName_.try_emplace(member->DisplayText(), member);
    }
    T* Find(const std::string& text) const {
        const auto found = byName_.find(text);
        return found == byName_.end() ? nullptr : found->second;
    }
    void Add(T* member) { byName_.try_emplace(member->DisplayText(), member); }

private:
    std::unordered_map<std::string, T*> byName_;
};

// "Female" for "FEMALE" or "female": one gender however the file spells it.
std::string GenderName(std::string_view field) {
    std::string name = LowerCase(field);
    if (!name.empty()) name[0] = UpperCase(name.substr(0, 1))[0];
    return name;
}

std::string Stored(std::string text) {
    InputToStored("LINE", text);
    return text;
}

// The stored date of birth; empty for none, and false when the text is not a date.
bool StoredDateOfBirth(const std::string& field, std::string& stored) {
    stored.clear();
    if (field.empty()) return true;
    stored = ParseTypedDate(field, true, false);
    DateTime value = 0;
    if (TryParseStoredDate(stored, value)) return true;
    stored.clear();
    return false;
}

template <class T, class Make>
T* FindOrMake(LiveByName<T>& existing, const std::string& name, Make make) {
    if (name.empty()) return nullptr;
    if (T* found = existing.Find(name)) return found;
    T* made = make();
    made->SetAttributeValue("DESCRIPTION", Stored(name));
    existing.Add(made);
    return made;
}

}  // namespace

PupilListLine ReadPupilListLine(std::string_view line) {
    std::vector<std::string> fields = SplitCsvFields(line);
    if (fields.size() == 5) fields.insert(fields.begin() + 3, std::string());  // no gender column
    fields.resize(std::max<std::size_t>(fields.size(), 6));
    return {fields[0], fields[1], fields[2], GenderName(fields[3]), fields[4], fields[5]};
}

std::vector<std::string> BuildScratchPupils(CYear& scratch, const std::vector<NumberedLine>& lines) {
    std::vector<std::string> problems;
    LiveByName<CGender> genders(scratch, "GENDERS");
    LiveByName<CForm> forms(scratch, "FORMS");
    LiveByName<CPupil> pupils(scratch, "PUPILS");
    for (const NumberedLine& numbered : lines) {
        const std::string where = "Line " + std::to_string(numbered.number) + ": ";
        if (TrimView(numbered.text).empty()) continue;
        const PupilListLine line = ReadPupilListLine(numbered.text);
        const std::string name = PupilNameText(line.firstName, line.initials, line.lastName);
        if (name.empty()) {
            problems.push_back(where + "no name");
            continue;
        }
        CGender* gender = FindOrMake(genders, line.gender, [&] { return scratch.NewGender(); });
        CForm* form = FindOrMake(forms, line.form, [&] { return scratch.NewForm(); });
        if (pupils.Find(name)) continue;
        std::string dateOfBirth;
        if (!StoredDateOfBirth(line.dateOfBirth, dateOfBirth))
            problems.push_back(where + "the date of birth \"" + line.dateOfBirth + "\" is not a date; " + name +
                               " is imported without it");
        CPupil* pupil = scratch.NewPupil();
        pupil->SetAttributeValue("FIRST_NAME", Stored(line.firstName));
        pupil->SetAttributeValue("MIDDLE_INITIALS", Stored(line.initials));
        pupil->SetAttributeValue("LAST_NAME", Stored(line.lastName));
        if (!dateOfBirth.empty()) pupil->SetAttributeValue("DATE_OF_BIRTH", dateOfBirth);
        if (gender) pupil->SetRelation("GENDER", gender);
        if (form) pupil->SetRelation("FORM", form);
        pupils.Add(pupil);
    }
    return problems;
}

void DropExistingFromScratch(CYear& scratch, const CYear& loaded) {
    CFactory* factory = scratch.GetFactory();
    if (!factory) return;
    const LiveByName<CForm> forms(loaded, "FORMS");
    const LiveByName<CPupil> pupils(loaded, "PUPILS");
    for (CForm* form : MembersAs<CForm>(scratch, "FORMS"))
        if (forms.Find(form->DisplayText())) factory->MoveToTrash(form);
    for (CPupil* pupil : MembersAs<CPupil>(scratch, "PUPILS"))
        if (pupils.Find(pupil->DisplayText())) factory->MoveToTrash(pupil);
}

void CopyChosenIntoYear(const std::vector<CStored*>& chosen, CYear& loaded) {
    const auto isNew = [](const CStored* object) { return object && object->Status() == StoredStatus::New; };
    for (CStored* object : chosen)
        if (isNew(object) && dynamic_cast<CForm*>(object)) loaded.NewForm()->CopyAttributeValues(object);
    const LiveByName<CForm> forms(loaded, "FORMS");
    const LiveByName<CGender> genders(loaded, "GENDERS");
    for (CStored* object : chosen) {
        auto* from = dynamic_cast<CPupil*>(object);
        if (!isNew(from)) continue;
        CPupil* pupil = loaded.NewPupil();
        pupil->CopyAttributeValues(from);
        const CStored* form = from->GetRelation("FORM");
        const CStored* gender = from->GetRelation("GENDER");
        pupil->SetRelation("FORM", form ? forms.Find(form->DisplayText()) : nullptr);
        pupil->SetRelation("GENDER", gender ? genders.Find(gender->DisplayText()) : nullptr);
    }
}

}  // namespace vantaro
