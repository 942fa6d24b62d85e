#include "factory/CProperties.h"

#include <algorithm>
#include <functional>

#include "routines/XMLRoutines.h"

namespace vantaro {

std::vector<StoredRef>& CAttachedList::Members() const {
    const std::uint64_t destroyed = DestroyedObjectCount();
    if (checkedAt_ != destroyed) {
        std::erase_if(members_, [](const StoredRef& ref) { return !ref.IsAlive(); });
        checkedAt_ = destroyed;
    }
    return members_;
}

std::string_view CProperties::LineOf(const Entry& entry) const {
    return std::string_view(text_).substr(entry.start, entry.length);
}

std::string_view CProperties::Line(int index) const { return LineOf(entries_[index]); }

std::string_view CProperties::Tag(int index) const {
    const Entry& entry = entries_[index];
    return LineOf(entry).substr(entry.tagStart, entry.tagLength);
}

std::string_view CProperties::Name(int index) const {
    const Entry& entry = entries_[index];
    return LineOf(entry).substr(entry.nameStart, entry.nameLength);
}

std::string CProperties::Content(int index) const { return TagContent(Line(index)); }

int CProperties::IndexOf(std::string_view tag, std::string_view name) const {
    for (int i = 0; i < Count(); ++i) {
        if (Tag(i) == tag && Name(i) == name) return i;
    }
    return -1;
}

// The tag and NAME are read with the tag routines; what is kept is where a copy of each lies
// in the line, so the cached views always hold exactly the routines' results.
void CProperties::FindKeys(Entry& entry) const {
    const std::string_view line = LineOf(entry);
    const auto locate = [line](const std::string& part, std::size_t from, std::uint32_t& start,
                               std::uint32_t& length) {
        std::size_t at = part.empty() ? 0 : line.find(part, from);
        if (at == std::string_view::npos) at = line.find(part);
        start = static_cast<std::uint32_t>(at);
        length = static_cast<std::uint32_t>(part.size());
    };
    locate(TagName(line), 0, entry.tagStart, entry.tagLength);
    const std::string item = FindAttribute(line, "NAME");
    const std::size_t itemAt = item.empty() ? 0 : line.find(item);
    locate(AttributeValue(item), itemAt == std::string_view::npos ? 0 : itemAt, entry.nameStart,
           entry.nameLength);
}

int CProperties::Append(std::string_view line, bool withList) {
    Entry entry;
    entry.start = static_cast<std::uint32_t>(text_.size());
    entry.length = static_cast<std::uint32_t>(line.size());
    text_.append(line);
    FindKeys(entry);
    if (withList) entry.list = std::make_unique<CAttachedList>();
    entries_.push_back(std::move(entry));
    return Count() - 1;
}

void CProperties::Replace(int index, std::string_view line) {
    const std::less<const char*> before;
    const bool inBuffer = !before(line.data(), text_.data()) &&
                          before(line.data(), text_.data() + text_.size());
    if (inBuffer) {
        ReplaceText(index, std::string(line));
    } else {
        ReplaceText(index, line);
    }
}

void CProperties::ReplaceText(int index, std::string_view line) {
    Entry& entry = entries_[index];
    text_.replace(entry.start, entry.length, line);
    const auto delta = static_cast<std::int64_t>(line.size()) - entry.length;
    entry.length = static_cast<std::uint32_t>(line.size());
    for (std::size_t i = index + 1; i < entries_.size(); ++i) {
        entries_[i].start = static_cast<std::uint32_t>(entries_[i].start + delta);
    }
    FindKeys(entry);
}

void CProperties::SetContent(int index, std::string_view content) {
    const std::string line = ReplaceTagContent(Line(index), content);
    if (line != Line(index)) ReplaceText(index, line);
}

void CProperties::Clear() {
    text_.clear();
    entries_.clear();
}

void CProperties::ShrinkToFit() {
    text_.shrink_to_fit();
    entries_.shrink_to_fit();
}

}  // namespace vantaro
