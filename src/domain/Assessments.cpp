#include "domain/Assessments.h"

#include "domain/Curricula.h"
#include "domain/People.h"
#include "domain/PupilRecords.h"
#include "domain/Schema.h"
#include "domain/StoredAccess.h"
#include "domain/Subjects.h"
#include "routines/DateTime.h"
#include "routines/Platform.h"

namespace vantaro {

CAssessment::CAssessment(CStored* parent, std::int32_t id) : CStored(parent, id) {
    DeclareAttribute(*this, "SUBJECT_REPORT", "STRING");
    DeclareRelation(*this, "SUBJECT", false);
    DeclareRelation(*this, "PUPIL", true);
    DeclareRelation(*this, "SET", false);
    DeclareAssociation(*this, "NOTES", true);
    DeclareAssociation(*this, "ATTAINMENT_TARGETS", true);
    DeclareAssociation(*this, "INITIAL_STAFF", false);
    DeclareAssociation(*this, "TARGET_STAFF", false);
    DeclareAssociation(*this, "FINAL_STAFF", false);
}

std::string CAssessment::DisplayText() const {
    const CStored* pupil = GetRelation("PUPIL");
    return pupil ? pupil->DisplayText() : std::string();
}

std::string CAssessment::SortKey() const {
    const CStored* pupil = GetRelation("PUPIL");
    const CStored* subject = GetRelation("SUBJECT");
    if (!pupil || !subject) return {};
    return pupil->GetAttributeValue("LAST_NAME") + " " + pupil->GetAttributeValue("FIRST_NAME") +
           " " + pupil->GetAttributeValue("MIDDLE_INITIALS") + " " + subject->DisplayText();
}

CNote* CAssessment::NewNote(CStored* lessonPlan, CFactory* factory) {
    CNote* note = CreateMember<CNote>(*this, "NOTES", factory);
    note->SetRelation("LESSON_PLAN", lessonPlan);
    note->SetAttributeValue("DATE", FormatStoredDate(Platform::CurrentClock().Now()));
    return note;
}

CAttainmentTarget* CAssessment::NewAttainmentTarget(CFactory* factory) {
    return CreateMember<CAttainmentTarget>(*this, "ATTAINMENT_TARGETS", factory);
}

CAttainmentTarget::CAttainmentTarget(CStored* parent, std::int32_t id) : CStored(parent, id) {
    DeclareAttribute(*this, "INITIAL_GRADING", "CODE");
    DeclareAttribute(*this, "TARGET_GRADING", "CODE");
    DeclareAttribute(*this, "FINAL_GRADING", "CODE");
    DeclareRelation(*this, "ATTAINMENT", true);
}

std::string CAttainmentTarget::DisplayText() const {
    const CAttainment* attainment = RelationAs<CAttainment>(*this, "ATTAINMENT");
    return attainment ? attainment->DisplayText() : std::string();
}

void CAttainmentTarget::ResolveReferences() {
    const StoredStatus before = Status();
    CStored::ResolveReferences();
    const bool neverSet = PropertyContentByName("RELATION", "ATTAINMENT").empty();
    if (neverSet && before != StoredStatus::Deleted) SetStatus(before);
}

}  // namespace vantaro
