#include "domain/Subjects.h"

#include "domain/Assessments.h"
#include "domain/CRovanFactory.h"
#include "domain/Curricula.h"
#include "domain/People.h"
#include "domain/Plans.h"
#include "domain/Schema.h"
#include "domain/StoredAccess.h"

namespace vantaro {

CSubject::CSubject(CStored* parent, std::int32_t id) : CStored(parent, id) {
    DeclareAttribute(*this, "DESCRIPTION", "STRING");
    DeclareAttribute(*this, "STREAM", "STRING");
    DeclareAttribute(*this, "CORE_SUBJECT", "BOOLEAN");
    DeclareRelation(*this, "FORM", false);
    DeclareRelation(*this, "TUTOR", false);
    DeclareAssociation(*this, "SETS", true);
    DeclareAssociation(*this, "ASSESSMENTS", true);
    DeclareAssociation(*this, "LONG_TERM_PLANS", true);
    DeclareAssociation(*this, "SUBJECT_LEVELS", true);
    DeclareAssociation(*this, "PRESET_OBJECTIVES", false);
    DeclareAssociation(*this, "PRESET_ACTIVITIES", false);
    DeclareAssociation(*this, "CURRICULUM_LEVELS", false);
}

std::string CSubject::StreamText() const {
    const std::string stream = Shown(*this, "STREAM");
    return stream.empty() ? std::string() : " - " + stream;
}

std::string CSubject::TutorInitialsText() const {
    const CStaff* staff = RelationAs<CStaff>(*this, "TUTOR");
    if (!staff) return {};
    auto* application = dynamic_cast<CRovanFactory*>(GetFactory());
    const CStaff* yearTutor = application ? application->Tutor() : nullptr;
    if (staff == yearTutor) return {};
    std::string text = " ";
    return text.append(StaffInitials(*staff));
}

std::string CSubject::DisplayText() const {
    std::string text = Shown(*this, "DESCRIPTION") + StreamText();
    if (const CForm* form = RelationAs<CForm>(*this, "FORM")) text.append(" ").append(form->DisplayText());
    return text + TutorInitialsText();
}

std::string CSubject::ShortDisplayText() const {
    return Shown(*this, "DESCRIPTION") + StreamText() + TutorInitialsText();
}

std::string CSubject::SortKey() const {
    std::string key = GetAttributeValue("CORE_SUBJECT") == "TRUE" ? " " : "-";
    return key.append(DisplayText());
}

std::string CSubject::PathText() const {
    std::string path = DisplayText();
    if (const CStaff* staff = RelationAs<CStaff>(*this, "TUTOR")) path.append(" ").append(staff->DisplayText());
    return path;
}

CSet* CSubject::NewSet(CFactory* factory) { return CreateMember<CSet>(*this, "SETS", factory); }

CLongTermPlan* CSubject::NewLongTermPlan(CFactory* factory) {
    CLongTermPlan* plan = CreateMember<CLongTermPlan>(*this, "LONG_TERM_PLANS", factory);
    plan->SetRelation("SUBJECT", this);
    return plan;
}

CAssessment* CSubject::NewAssessment(CStored* pupil, CFactory* factory) {
    CAssessment* assessment = CreateMember<CAssessment>(*this, "ASSESSMENTS", factory);
    assessment->SetRelation("SUBJECT", this);
    assessment->SetRelation("PUPIL", pupil);
    return assessment;
}

CSubjectLevel* CSubject::NewSubjectLevel(CFactory* factory) {
    return CreateMember<CSubjectLevel>(*this, "SUBJECT_LEVELS", factory);
}

CSet::CSet(CStored* parent, std::int32_t id) : CStored(parent, id) {
    DeclareAttribute(*this, "DESCRIPTION", "STRING");
}

std::string CSet::DisplayText() const { return Shown(*this, "DESCRIPTION"); }

}  // namespace vantaro
