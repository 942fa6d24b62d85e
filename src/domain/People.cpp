#include "domain/People.h"

#include "domain/Assessments.h"
#include "domain/Periods.h"
#include "domain/PupilRecords.h"
#include "domain/Schema.h"
#include "domain/StoredAccess.h"
#include "domain/Subjects.h"
#include "factory/CFactory.h"
#include "routines/DateTime.h"
#include "routines/Platform.h"
#include "routines/TextBasics.h"
#include "routines/Words.h"

namespace vantaro {

CForm::CForm(CStored* parent, std::int32_t id) : CStored(parent, id) {
    DeclareAttribute(*this, "DESCRIPTION", "STRING");
}

std::string CForm::DisplayText() const { return Shown(*this, "DESCRIPTION"); }

CPupil::CPupil(CStored* parent, std::int32_t id) : CStored(parent, id) {
    DeclareAttribute(*this, "FIRST_NAME", "STRING");
    DeclareAttribute(*this, "MIDDLE_INITIALS", "STRING");
    DeclareAttribute(*this, "LAST_NAME", "STRING");
    DeclareAttribute(*this, "DATE_OF_BIRTH", "DATE", "-2");
    DeclareRelation(*this, "FORM", false);
    DeclareRelation(*this, "GENDER", false);
    DeclareAssociation(*this, "NOTES", true);
    DeclareAssociation(*this, "ABSENCES", true);
    DeclareAssociation(*this, "COMMENTS", true);
}

std::string PupilNameText(std::string_view firstName, std::string_view initials, std::string_view lastName) {
    const std::string firstAndInitials = Trim(Trim(firstName) + " " + Trim(initials));
    return Trim(firstAndInitials + " " + std::string(lastName));
}

std::string CPupil::DisplayText() const {
    return PupilNameText(Shown(*this, "FIRST_NAME"), Shown(*this, "MIDDLE_INITIALS"), Shown(*this, "LAST_NAME"));
}

std::string CPupil::SortKey() const {
    return GetAttributeValue("LAST_NAME") + GetAttributeValue("FIRST_NAME") +
           GetAttributeValue("MIDDLE_INITIALS");
}

void CPupil::Delete() {
    CStored::Delete();
    if (Status() != StoredStatus::Deleted) return;  // the root is never deleted
    const CFactory* factory = GetFactory();
    const CYear* year = factory ? dynamic_cast<const CYear*>(factory->Root()) : nullptr;
    if (!year) return;
    for (CSubject* subject : MembersAs<CSubject>(*year, "SUBJECTS"))
        for (CStored* assessment : subject->AssociationItems("ASSESSMENTS")) {
            if (assessment->GetRelation("PUPIL") != this) continue;
            if (assessment->Status() == StoredStatus::Deleted) continue;
            assessmentsDeletedWithPupil_.emplace_back(assessment);
            assessment->Delete();
        }
}

void CPupil::Restore() {
    CStored::Restore();
    for (const StoredRef& ref : assessmentsDeletedWithPupil_)
        if (CStored* assessment = ref.Get(); assessment && assessment->Status() == StoredStatus::Deleted)
            assessment->Restore();
    assessmentsDeletedWithPupil_.clear();
}

CNote* CPupil::NewNote(CFactory* factory) {
    CNote* note = CreateMember<CNote>(*this, "NOTES", factory);
    note->SetAttributeValue("DATE", FormatStoredDate(Platform::CurrentClock().Now()));
    return note;
}

CAbsence* CPupil::NewAbsence(CFactory* factory) {
    CAbsence* absence = CreateMember<CAbsence>(*this, "ABSENCES", factory);
    absence->SetAttributeValue("DATE", FormatStoredDate(Platform::CurrentClock().Now()));
    return absence;
}

CComment* CPupil::NewComment(CFactory* factory) {
    return CreateMember<CComment>(*this, "COMMENTS", factory);
}

CGender::CGender(CStored* parent, std::int32_t id) : CStored(parent, id) {
    DeclareAttribute(*this, "DESCRIPTION", "STRING");
    DeclareAttribute(*this, "NAME_REPLACEMENT", "STRING");
    DeclareAttribute(*this, "GENITIVE_REPLACEMENT", "STRING");
}

std::string CGender::DisplayText() const { return Shown(*this, "DESCRIPTION"); }

CStaff::CStaff(CStored* parent, std::int32_t id) : CStored(parent, id) {
    DeclareAttribute(*this, "FIRST_NAME", "STRING");
    DeclareAttribute(*this, "LAST_NAME", "STRING");
    DeclareAttribute(*this, "JOB_TITLE", "STRING");
}

std::string CStaff::DisplayText() const {
    return Trim(Shown(*this, "FIRST_NAME") + " " + Shown(*this, "LAST_NAME"));
}

std::string CStaff::SortKey() const {
    return GetAttributeValue("LAST_NAME") + GetAttributeValue("FIRST_NAME");
}

std::string StaffInitials(const CStaff& staff) {
    const std::string name = staff.DisplayText();
    std::string initials = "(";
    if (!name.empty()) initials += UpperChar(name.front());
    for (std::size_t i = 0; i + 1 < name.size(); ++i)
        if (name[i] == ' ') initials += UpperChar(name[i + 1]);
    return initials + ")";
}

}  // namespace vantaro
