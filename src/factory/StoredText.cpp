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

#include <charconv>
#include <iterator>
#include <limits>

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

// Appends the ID in decimal, without the temporary strings of std::to_string.
void AppendID(std::string& text, std::int32_t id) {
    char digits[std::numeric_limits<std::int32_t>::digits10 + 2];
    const char* end = std::to_chars(std::begin(digits), std::end(digits), id).ptr;
    text.append(digits, static_cast<std::size_t>(end - digits));
}

// Rebuilds a list in place from the items of its text: place(item, read) puts the item's entry
// at position read (appending when the list is that short), advances read when it took a place,
// and tells whether it changed an entry. The list is cut to what was read, also when a bad item
// stops the reading. True when the list changed.
template <class Entries, class Place>
bool RebuildList(Entries& entries, std::string_view content, Place place) {
    const std::size_t before = entries.size();
    std::size_t read = 0;
    bool changed = false;
    try {
        ForEachListItem(content, [&](std::string_view item) { changed = place(item, read) || changed; });
    } catch (...) {
        entries.resize(read);
        throw;
    }
    entries.resize(read);
    return changed || read != before;
}

}  // namespace

void CStored::ResolveReferences() {
    for (int i = 0; i < properties_.Count(); ++i) ResolveLine(i);
}

// An entry that already refers to the object read keeps its reference (and a link its record),
// so resolving an unchanged line allocates nothing. A text that is not a number leaves the list
// holding what was read before it.
void CStored::ResolveLine(int index) {
    CAttachedList* list = properties_.List(index);
    const std::string_view tag = properties_.Tag(index);
    if (!list || !IsReferenceTag(tag)) return;
    const std::string content = properties_.Content(index);
    if (tag == kLink) {
        auto& slots = list->Links();
        const bool changed = RebuildList(slots, content, [&](std::string_view item, std::size_t& read) {
            const std::size_t stop = item.find('.');
            CStored* source = nullptr;
            CStored* target = nullptr;
            if (stop != std::string_view::npos) {
                source = FindByID(IDFromText(NumericChars(item.substr(0, stop))));
                target = FindByID(IDFromText(NumericChars(item.substr(stop + 1, kLinkTargetChars))));
            }
            if (read == slots.size()) slots.emplace_back();
            std::unique_ptr<CLink>& slot = slots[read++];
            if (!source || !target) {
                const bool had = slot != nullptr;
                slot.reset();
                return had;
            }
            if (slot && slot->Source() == source && slot->Target() == target) return false;
            slot = std::make_unique<CLink>(source, target);
            return true;
        });
        if (changed) NoteResolvedListChange();
        return;
    }
    auto& members = list->Members();
    const bool changed = RebuildList(members, content, [&](std::string_view item, std::size_t& read) {
        CStored* object = FindByID(IDFromText(item));
        if (!object) return false;
        if (read++ == members.size()) {
            members.emplace_back(object);
            return false;
        }
        if (members[read - 1].Get() == object) return false;
        members[read - 1] = StoredRef(object);
        return true;
    });
    if (changed) NoteResolvedListChange();
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
            AppendID(content, link->Source()->ID());
            content += '.';
            AppendID(content, link->Target()->ID());
            if (k + 1 < slots.size()) content += ',';
        }
    } else {
        for (const StoredRef& member : list->Members()) {
            if (!content.empty()) content += ',';
            AppendID(content, member.Get()->ID());
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
