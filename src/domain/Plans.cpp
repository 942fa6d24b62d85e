#include "domain/Plans.h"

#include "domain/Periods.h"
#include "domain/PlanItems.h"
#include "domain/Schema.h"
#include "domain/StoredAccess.h"
#include "domain/Subjects.h"
#include "routines/IdentifierCaption.h"
#include "routines/TextBasics.h"

namespace vantaro {

CPlan::CPlan(CStored* parent, std::int32_t id) : CStored(parent, id) {
    DeclareRelation(*this, "SUBJECT", false);
}

CObjective* CPlan::NewObjective(CFactory* factory) {
    return CreateMember<CObjective>(*this, "OBJECTIVES", factory);
}

CLongTermPlan::CLongTermPlan(CStored* parent, std::int32_t id) : CPlan(parent, id) {
    // SUBJECT again, written with a blank before the bracket: it merges into the inherited
    // line, so the plan keeps one SUBJECT line in the inherited form and place.
    AddProperty("<RELATION AGGREGATE=\"FALSE\" NAME=\"SUBJECT\" ></RELATION>");
    DeclareAssociation(*this, "OBJECTIVES", true);
    DeclareAssociation(*this, "MEDIMUM_TERM_PLANS", true);
    DeclareAssociation(*this, "LESSON_PLANS", true);
}

std::string CLongTermPlan::DisplayText() const {
    const CStored* subject = GetRelation("SUBJECT");
    return subject ? subject->DisplayText() + " " + IdentifierCaption("PLAN") : std::string();
}

CMedimumTermPlan* CLongTermPlan::NewMedimumTermPlan(CFactory* factory) {
    CMedimumTermPlan* plan = CreateMember<CMedimumTermPlan>(*this, "MEDIMUM_TERM_PLANS", factory);
    plan->SetRelation("SUBJECT", GetRelation("SUBJECT"));
    plan->SetRelation("LONG_TERM_PLAN", this);
    // The count includes the new plan, so the first session is numbered 2.
    const int sessions = AssociationCount("MEDIMUM_TERM_PLANS");
    plan->SetAttributeValue("SESSION_NAME",
                            IdentifierCaption("SESSION") + " " + std::to_string(sessions + 1));
    return plan;
}

CLessonPlan* CLongTermPlan::NewLessonPlan(CFactory* factory) {
    CSubject* subject = RelationAs<CSubject>(*this, "SUBJECT");
    CLessonPlan* plan = CreateMember<CLessonPlan>(*this, "LESSON_PLANS", factory);
    plan->SetRelation("SUBJECT", subject);
    if (subject) {
        for (CStored* category : subject->AssociationItems("PRESET_OBJECTIVES"))
            plan->NewObjective(factory)->SetRelation("OBJECTIVE_CATEGORY", category);
        for (CStored* category : subject->AssociationItems("PRESET_ACTIVITIES"))
            plan->NewActivity(factory)->AddToAssociation("FOCUS", category);
    }
    plan->SetRelation("LONG_TERM_PLAN", this);
    if (plan->AssociationCount("OBJECTIVES") == 0) plan->NewObjective(factory);
    if (plan->AssociationCount("ACTIVITIES") == 0) plan->NewActivity(factory);
    if (plan->AssociationCount("OUTCOMES") == 0) plan->NewOutcome(factory);
    return plan;
}

CActivity* CActivityPlan::NewActivity(CFactory* factory) {
    return CreateMember<CActivity>(*this, "ACTIVITIES", factory);
}

CMedimumTermPlan::CMedimumTermPlan(CStored* parent, std::int32_t id) : CActivityPlan(parent, id) {
    DeclareAttribute(*this, "SESSION_NAME", "STRING");
    DeclareAttribute(*this, "DURATION", "NUMBER", "0");
    DeclareAttribute(*this, "SEQUENCE", "NUMBER", "0");
    DeclareRelation(*this, "TERM", true);
    DeclareRelation(*this, "LONG_TERM_PLAN", false);
    DeclareAssociation(*this, "OBJECTIVES", true);
    DeclareAssociation(*this, "ACTIVITIES", true);
    DeclareAssociation(*this, "RESOURCES", true);
}

std::string CMedimumTermPlan::DisplayText() const {
    const CStored* term = GetRelation("TERM");
    const CStored* longTermPlan = GetRelation("LONG_TERM_PLAN");
    if (!term || !longTermPlan) return {};
    return Trim(Shown(*this, "SESSION_NAME")) + " " + longTermPlan->DisplayText() + " " +
           IdentifierCaption("FOR") + " " + term->DisplayText();
}

CResource* CMedimumTermPlan::NewResource(CFactory* factory) {
    return CreateMember<CResource>(*this, "RESOURCES", factory);
}

CLessonPlan::CLessonPlan(CStored* parent, std::int32_t id) : CActivityPlan(parent, id) {
    DeclareAttribute(*this, "EVALUATION", "STRING");
    DeclareRelation(*this, "DAY", true);
    DeclareRelation(*this, "LONG_TERM_PLAN", false);
    DeclareAssociation(*this, "OBJECTIVES", true);
    DeclareAssociation(*this, "ACTIVITIES", true);
    DeclareAssociation(*this, "OUTCOMES", true);
}

std::string CLessonPlan::DisplayText() const {
    const CStored* day = GetRelation("DAY");
    const CStored* longTermPlan = GetRelation("LONG_TERM_PLAN");
    if (!day || !longTermPlan) return {};
    return longTermPlan->DisplayText() + " " + IdentifierCaption("FOR") + " " + day->DisplayText();
}

std::string CLessonPlan::SortKey() const {
    const CStored* day = GetRelation("DAY");
    const CStored* longTermPlan = GetRelation("LONG_TERM_PLAN");
    const CStored* subject = longTermPlan ? longTermPlan->GetRelation("SUBJECT") : nullptr;
    if (!day || !subject) return {};
    return subject->DisplayText() + " " + day->SortKey();
}

COutcome* CLessonPlan::NewOutcome(CFactory* factory) {
    COutcome* outcome = CreateMember<COutcome>(*this, "OUTCOMES", factory);
    outcome->SetRelation("LESSON_PLAN", this);
    return outcome;
}

}  // namespace vantaro
