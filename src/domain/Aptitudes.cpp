#include "domain/Aptitudes.h"

#include "domain/Schema.h"
#include "domain/StoredAccess.h"

namespace vantaro {

CAptitude::CAptitude(CStored* parent, std::int32_t id) : CStored(parent, id) {
    DeclareAttribute(*this, "DESCRIPTION", "STRING");
    DeclareAssociation(*this, "CAPABILITIES", true);
}

std::string CAptitude::DisplayText() const { return Shown(*this, "DESCRIPTION"); }

CCapability* CAptitude::NewCapability(CFactory* factory) {
    return CreateMember<CCapability>(*this, "CAPABILITIES", factory);
}

CCapability::CCapability(CStored* parent, std::int32_t id) : CStored(parent, id) {
    DeclareAttribute(*this, "DESCRIPTION", "STRING");
    DeclareAttribute(*this, "SCORE", "PERCENT", "0.00");
}

std::string CCapability::DisplayText() const { return Shown(*this, "DESCRIPTION"); }
std::string CCapability::SortKey() const { return GetAttributeValue("SCORE"); }

}  // namespace vantaro
