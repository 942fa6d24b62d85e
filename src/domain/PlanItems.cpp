#include "domain/PlanItems.h"

#include "domain/Schema.h"
#include "domain/StoredAccess.h"

namespace vantaro {

CObjective::CObjective(CStored* parent, std::int32_t id) : CStored(parent, id) {
    DeclareAttribute(*this, "DESCRIPTION", "STRING");
    DeclareRelation(*this, "OBJECTIVE_CATEGORY", false);
}

std::string CObjective::DisplayText() const { return Shown(*this, "DESCRIPTION"); }

CObjectiveCategory::CObjectiveCategory(CStored* parent, std::int32_t id) : CStored(parent, id) {
    DeclareAttribute(*this, "DESCRIPTION", "STRING");
}

std::string CObjectiveCategory::DisplayText() const { return Shown(*this, "DESCRIPTION"); }

CActivity::CActivity(CStored* parent, std::int32_t id) : CStored(parent, id) {
    DeclareAttribute(*this, "DESCRIPTION", "STRING");
    DeclareAssociation(*this, "FOCUS", false);
    DeclareAssociation(*this, "STAFF", false);
}

std::string CActivity::DisplayText() const { return Shown(*this, "DESCRIPTION"); }

CActivityCategory::CActivityCategory(CStored* parent, std::int32_t id) : CStored(parent, id) {
    DeclareAttribute(*this, "DESCRIPTION", "STRING");
}

std::string CActivityCategory::DisplayText() const { return Shown(*this, "DESCRIPTION"); }

COutcome::COutcome(CStored* parent, std::int32_t id) : CStored(parent, id) {
    DeclareAttribute(*this, "DESCRIPTION", "STRING");
    DeclareRelation(*this, "APTITUDE", false);
    DeclareRelation(*this, "CURRICULUM_STATEMENT", false);
    DeclareRelation(*this, "LESSON_PLAN", false);
    DeclareLink(*this, "ACHIEVEMENTS");
}

std::string COutcome::DisplayText() const { return Shown(*this, "DESCRIPTION"); }

std::string COutcome::SortKey() const {
    const CStored* lessonPlan = GetRelation("LESSON_PLAN");
    const CStored* aptitude = GetRelation("APTITUDE");
    if (!lessonPlan || !aptitude) return {};
    return aptitude->DisplayText() + " " + DisplayText() + " (" + lessonPlan->DisplayText() + ") ";
}

CResource::CResource(CStored* parent, std::int32_t id) : CStored(parent, id) {
    DeclareAttribute(*this, "DESCRIPTION", "STRING");
}

std::string CResource::DisplayText() const { return Shown(*this, "DESCRIPTION"); }

}  // namespace vantaro
