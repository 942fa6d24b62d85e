#include "factory/CLink.h"

#include "factory/CStored.h"

namespace vantaro {

CLink::CLink(CStored* source, CStored* target) : source_(source), target_(target) {}

void CLink::SetTarget(CStored* target) { target_ = StoredRef(target); }

std::string CLink::DisplayText() const {
    const CStored* source = Source();
    return source ? source->DisplayText() : std::string();
}

std::string CLink::SortKey() const {
    const CStored* source = Source();
    return source ? std::to_string(source->ID()) : std::string();
}

}  // namespace vantaro
