#include "factory/TestClasses.h"

#include "factory/IDText.h"
#include "routines/XMLRoutines.h"

namespace vantaro::test {

std::unique_ptr<CStored> CTestFactory::CreateObject(std::string_view attributes) {
    const std::string className = AttributeValue(FindAttribute(attributes, "CLASS"));
    const std::int32_t id = IDFromText(AttributeValue(FindAttribute(attributes, "ID")));
    std::unique_ptr<CStored> object;
    if (className == "CNote") object = std::make_unique<CTestNote>(nullptr, id);
    if (className == "CFolder") object = std::make_unique<CTestFolder>(nullptr, id);
    if (object) object->SetFactory(this);
    return object;
}

}  // namespace vantaro::test
