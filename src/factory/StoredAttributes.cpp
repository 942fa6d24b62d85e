#include <utility>

#include "factory/CStored.h"
#include "factory/StoredLines.h"
#include "routines/XMLRoutines.h"

namespace vantaro {
namespace {

std::string DisplayForm(std::string format, std::string text) {
    StoredToDisplay(format, text);  // reports a failure itself and leaves the stored text
    return text;
}

}  // namespace

std::string CStored::GetAttributeValue(std::string_view name) const {
    return PropertyContentByName(kAttribute, name);
}

std::string CStored::GetAttributeText(std::string_view name) const {
    const int index = properties_.IndexOf(kAttribute, name);
    if (index < 0) return {};
    return DisplayForm(PropertyFormat(index), properties_.Content(index));
}

std::string CStored::GetAttributeLineText(std::string_view name) const {
    const int index = properties_.IndexOf(kAttribute, name);
    if (index < 0) return {};
    std::string format = PropertyFormat(index);
    if (format == "STRING") format = "LINE";
    return DisplayForm(std::move(format), properties_.Content(index));
}

void CStored::SetAttributeValue(std::string_view name, std::string_view text) {
    const int index = properties_.IndexOf(kAttribute, name);
    if (index >= 0) properties_.SetContent(index, text);
    MarkChanged();
}

void CStored::CopyAttributeValues(const CStored* other) {
    if (!other || other->ClassName() != ClassName()) return;
    // Taken first, so copying from the object itself reads no line that is being changed.
    std::vector<std::pair<std::string, std::string>> values;
    for (int i = 0; i < other->properties_.Count(); ++i) {
        if (other->properties_.Tag(i) != kAttribute) continue;
        values.emplace_back(other->properties_.Name(i), other->properties_.Content(i));
    }
    for (const auto& [name, content] : values) SetAttributeValue(name, content);
}

void CStored::CopyAsTransient(const CStored* other) {
    CopyAttributeValues(other);
    status_ = StoredStatus::Transient;
}

}  // namespace vantaro
