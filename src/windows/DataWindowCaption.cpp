#include "windows/DataWindowCaption.h"

#include "factory/CStored.h"

namespace vantaro {

std::string DataWindowCaption(const std::vector<CStored*>& objects, std::string_view plural) {
    if (objects.size() == 1) return objects.front()->DisplayText();
    std::string caption;
    const CStored* previous = nullptr;
    for (const CStored* object : objects) {
        const CStored* subject = object->GetRelation("SUBJECT");
        if (subject && subject != previous) caption.append(subject->GetAttributeValue("DESCRIPTION")).append(" ");
        previous = subject;
    }
    return caption.append(plural);
}

}  // namespace vantaro
