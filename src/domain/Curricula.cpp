#include "domain/Curricula.h"

#include "domain/Schema.h"
#include "domain/StoredAccess.h"

namespace vantaro {
namespace {

// Grades and attainments sort within the object of their CURRICULUM relation.
std::string CurriculumSortKey(const CStored& object) {
    const CStored* curriculum = object.GetRelation("CURRICULUM");
    return curriculum ? curriculum->SortKey() + " " + object.DisplayText() : std::string();
}

}  // namespace

CCurriculum::CCurriculum(CStored* parent, std::int32_t id) : CStored(parent, id) {
    DeclareAttribute(*this, "DESCRIPTION", "STRING");
    DeclareAssociation(*this, "ATTAINMENTS", true);
    DeclareAssociation(*this, "GRADES", true);
}

std::string CCurriculum::DisplayText() const { return Shown(*this, "DESCRIPTION"); }

CAttainment* CCurriculum::NewAttainment(CFactory* factory) {
    return CreateMember<CAttainment>(*this, "ATTAINMENTS", factory);
}

CGrade* CCurriculum::NewGrade(CFactory* factory) {
    return CreateMember<CGrade>(*this, "GRADES", factory);
}

CAttainment::CAttainment(CStored* parent, std::int32_t id) : CStored(parent, id) {
    DeclareAttribute(*this, "DESCRIPTION", "STRING");
    DeclareRelation(*this, "CURRICULUM", false);
    DeclareAssociation(*this, "CURRICULUM_LEVELS", true);
}

std::string CAttainment::DisplayText() const { return Shown(*this, "DESCRIPTION"); }
std::string CAttainment::SortKey() const { return CurriculumSortKey(*this); }

CCurriculumLevel* CAttainment::NewCurriculumLevel(CFactory* factory) {
    return CreateMember<CCurriculumLevel>(*this, "CURRICULUM_LEVELS", factory);
}

CGrade::CGrade(CStored* parent, std::int32_t id) : CStored(parent, id) {
    DeclareAttribute(*this, "DESCRIPTION", "STRING");
    DeclareAttribute(*this, "PROGRESS", "NUMBER", "0");
}

std::string CGrade::DisplayText() const { return Shown(*this, "DESCRIPTION"); }
std::string CGrade::SortKey() const { return CurriculumSortKey(*this); }

std::string CLevel::DisplayText() const { return Shown(*this, "DESCRIPTION"); }

CCurriculumLevel::CCurriculumLevel(CStored* parent, std::int32_t id) : CLevel(parent, id) {
    DeclareAttribute(*this, "DESCRIPTION", "STRING");
    DeclareAssociation(*this, "CURRICULUM_STATEMENTS", true);
}

CCurriculumStatement* CCurriculumLevel::NewCurriculumStatement(CFactory* factory) {
    return CreateMember<CCurriculumStatement>(*this, "CURRICULUM_STATEMENTS", factory);
}

CSubjectLevel::CSubjectLevel(CStored* parent, std::int32_t id) : CLevel(parent, id) {
    DeclareAttribute(*this, "DESCRIPTION", "STRING");
    DeclareAssociation(*this, "SUBJECT_STATEMENTS", true);
}

CSubjectStatement* CSubjectLevel::NewSubjectStatement(CFactory* factory) {
    return CreateMember<CSubjectStatement>(*this, "SUBJECT_STATEMENTS", factory);
}

CStatement::CStatement(CStored* parent, std::int32_t id) : CStored(parent, id) {
    DeclareAttribute(*this, "DESCRIPTION", "STRING");
}

std::string CStatement::DisplayText() const { return Shown(*this, "DESCRIPTION"); }

}  // namespace vantaro
