#include "factory/CRelationManager.h"

#include "routines/Words.h"

namespace vantaro {
namespace {

CRelationManager groupingObject;

}  // namespace

CRelationManager::CRelationManager() : CStored(nullptr, -1) {}

CRelationManager& CRelationManager::Instance() { return groupingObject; }

std::string CRelationManager::DisplayText() const { return std::to_string(ID()); }

std::string CRelationManager::GroupName(const CStored& group) {
    return ReplaceSpaces(group.DisplayText(), "_");
}

void CRelationManager::ResetGroups() {
    Properties().Clear();
    AddProperty(R"(<ASSOCATION AGGREGATE="FALSE" NAME="NO_RELATION"></ASSOCATION>)");
}

void CRelationManager::AddGroup(const CStored& group) {
    AddProperty(R"(<ASSOCATION AGGREGATE="FALSE" NAME=")" + GroupName(group) + R"("></ASSOCATION>)");
}

void CRelationManager::AddToGroup(CStored* item, const CStored* group) {
    AddToAssociation(group ? GroupName(*group) : std::string(kNoRelation), item);
}

}  // namespace vantaro
