#include <algorithm>
#include <cmath>

#include "factory/CFactory.h"
#include "routines/NumberText.h"
#include "routines/XMLRoutines.h"

namespace vantaro {
namespace {

// The class whose duplicates are told apart by their last name; every other class by its
// description.
constexpr std::string_view kPupilClass = "CPupil";

}  // namespace

// The object a record names under the attribute, by the numeric characters of its value; none
// for 0 or an ID no object has.
CStored* CFactory::RecordObject(const std::string& record, const char* attribute) const {
    const double number = ReadStoredNumber(NumericChars(AttributeValue(FindAttribute(record, attribute))));
    if (number == 0 || !std::isfinite(number) || std::abs(number) > INT32_MAX) return nullptr;
    return FindObject(static_cast<std::int32_t>(number));
}

std::vector<CStored*> CFactory::ObjectsRepairsRemove() const {
    std::vector<CStored*> removed;
    const auto add = [&removed](CStored* object) {
        if (object && std::find(removed.begin(), removed.end(), object) == removed.end()) removed.push_back(object);
    };
    for (const std::string& record : surrogateErrors_)
        if (RecordObject(record, "SOURCE")) add(RecordObject(record, "TARGET"));
    for (const std::string& record : orphanErrors_) add(RecordObject(record, "TARGET"));
    return removed;
}

void CFactory::RepairAdoptions() {
    for (const std::string& record : adoptionErrors_) {
        CStored* target = RecordObject(record, "TARGET");
        CStored* source = RecordObject(record, "SOURCE");
        if (target && source) target->SetRelation("PARENT", source);
    }
}

void CFactory::RepairSurrogates() {
    for (const std::string& record : surrogateErrors_) {
        CStored* target = RecordObject(record, "TARGET");
        if (target && RecordObject(record, "SOURCE")) MoveToTrash(target);
    }
    EmptyTrash();
}

void CFactory::RepairOrphans() {
    for (const std::string& record : orphanErrors_) {
        if (CStored* target = RecordObject(record, "TARGET")) MoveToTrash(target);
    }
    EmptyTrash();
}

// The second object met with a path text gets its ID appended to the attribute that names it.
void CFactory::RepairDuplicates() {
    for (const std::string& record : duplicateErrors_) {
        CStored* target = RecordObject(record, "TARGET");
        if (!target || !RecordObject(record, "SOURCE")) continue;
        const std::string attribute = target->ClassName() == kPupilClass ? "LAST_NAME" : "DESCRIPTION";
        target->SetAttributeValue(attribute, target->GetAttributeValue(attribute) + std::to_string(target->ID()));
    }
    EmptyTrash();
}

}  // namespace vantaro
