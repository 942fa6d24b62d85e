// The object block of the data store file:
//
//   <OBJECT ID="12" CLASS="CNote">CRLF
//     <ATTRIBUTE NAME="DATE" FORMAT="DATE">39156</ATTRIBUTE>CRLF     one per non-empty line,
//     <RELATION AGGREGATE="FALSE" NAME="PARENT">7</RELATION>CRLF     indented by two spaces
//   </OBJECT>CRLF
//
// Reference contents: an ASSOCATION or RELATION holds member IDs separated by commas; a LINK
// holds source.target pairs separated by commas, where an item without a full stop is an empty
// slot.

#include "factory/CStored.h"
#include "factory/IDText.h"
#include "factory/StoredLines.h"
#include "routines/Routines.h"
#include "routines/XMLRoutines.h"

namespace vantaro {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kIndent = "  ";
// A line is written when its tag occurs in this text.
constexpr std::string_view kWrittenTags = "ATTRIBUTEASSOCATIONRELATIONLINK";
// The longest text read after the full stop of a link item.
constexpr std::size_t kLinkTargetChars = 255;

}  // namespace

void CStored::ResolveReferences() {
    for (int i = 0; i < properties_.Count(); ++i) ResolveLine(i);
}

void CStored::ResolveLine(int index) {
    CAttachedList* list = properties_.List(index);
    const std::string_view tag = properties_.Tag(index);
    if (!list || !IsReferenceTag(tag)) return;
    const std::string content = properties_.Content(index);
    const int count = ListCount(content);
    if (tag == kLink) {
        auto& slots = list->Links();
        slots.clear();
        for (int k = 0; k < count; ++k) {
            const std::string item = ListItem(content, k);
            const std::size_t stop = item.find('.');
            CStored* source = nullptr;
            CStored* target = nullptr;
            if (stop != std::string::npos) {
                source = FindByID(IDFromText(NumericChars(item.substr(0, stop))));
                target = FindByID(IDFromText(NumericChars(item.substr(stop + 1, kLinkTargetChars))));
            }
            slots.push_back(source && target ? std::make_unique<CLink>(source, target) : nullptr);
        }
        return;
    }
    auto& members = list->Members();
    members.clear();
    for (int k = 0; k < count; ++k) {
        if (CStored* object = FindByID(IDFromText(ListItem(content, k)))) members.emplace_back(object);
    }
    // An object whose aggregate relation no longer resolves cannot exist without it.
    if (tag == kRelation && members.empty() && IsAggregate(index)) status_ = StoredStatus::Deleted;
}

void CStored::WriteReferences() {
    for (int i = 0; i < properties_.Count(); ++i) WriteLine(i);
}

void CStored::WriteLine(int index) {
    const CAttachedList* list = properties_.List(index);
    const std::string_view tag = properties_.Tag(index);
    if (!list || !IsReferenceTag(tag)) return;
    std::string content;
    if (tag == kLink) {
        const auto& slots = list->Links();
        for (std::size_t k = 0; k < slots.size(); ++k) {
            const CLink* link = slots[k].get();
            if (!link || !link->Source() || !link->Target()) continue;
            content += std::to_string(link->Source()->ID()) + "." + std::to_string(link->Target()->ID());
            if (k + 1 < slots.size()) content += ',';
        }
    } else {
        for (const StoredRef& member : list->Members()) {
            if (!content.empty()) content += ',';
            content += std::to_string(member.Get()->ID());
        }
    }
    properties_.SetContent(index, content);
}

std::string CStored::ToText() {
    WriteReferences();
    std::string body(kLineEnd);
    for (int i = 0; i < properties_.Count(); ++i) {
        if (kWrittenTags.find(properties_.Tag(i)) == std::string_view::npos) continue;
        if (!properties_.HasContent(i)) continue;
        body.append(kIndent);
        properties_.AppendLineTo(i, body);
        body.append(kLineEnd);
    }
    return "<OBJECT ID=\"" + std::to_string(ID()) + "\" CLASS=\"" + ClassName() + "\">" + body +
           "</OBJECT>" + std::string(kLineEnd);
}

}  // namespace vantaro
