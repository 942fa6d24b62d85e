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

CAttachedList::LinkSlots& CAttachedList::Links() {
    if (!links_) links_ = std::make_unique<LinkSlots>();
    return *links_;
}

const CAttachedList::LinkSlots& CAttachedList::Links() const {
    static const LinkSlots none;
    return links_ ? *links_ : none;
}

std::string_view CProperties::ContentOf(const Entry& entry) const {
    return std::string_view(contents_).substr(entry.start, entry.length);
}

std::string CProperties::Line(int index) const {
    std::string line;
    AppendLineTo(index, line);
    return line;
}

void CProperties::AppendLineTo(int index, std::string& text) const {
    const Entry& entry = entries_[index];
    text.append(entry.shape->prefix).append(ContentOf(entry)).append(entry.shape->suffix);
}

std::string CProperties::Content(int index) const {
    const Entry& entry = entries_[index];
    if (entry.shape->IsRaw()) return TagContent(entry.shape->prefix);
    return std::string(ContentOf(entry));
}

bool CProperties::HasContent(int index) const {
    const Entry& entry = entries_[index];
    return entry.shape->IsRaw() ? !TagContent(entry.shape->prefix).empty() : entry.length > 0;
}

std::string CProperties::AttributeOf(int index, std::string_view name) const {
    const CLineShape& shape = *entries_[index].shape;
    if (name == "FORMAT" && shape.format) return *shape.format;
    if (name == "AGGREGATE" && shape.aggregate) return *shape.aggregate;
    return AttributeValue(FindAttribute(Line(index), name));
}

bool CProperties::IsAggregate(int index) const { return AttributeOf(index, "AGGREGATE") == "TRUE"; }

int CProperties::IndexOf(std::string_view tag, std::string_view name) const {
    for (int i = 0; i < Count(); ++i) {
        if (Tag(i) == tag && Name(i) == name) return i;
    }
    return -1;
}

// Puts a line's shape and content in place of the entry's; the content may lie in the buffer.
void CProperties::SetEntry(int index, const CSplitLine& line) {
    Entry& entry = entries_[index];
    const std::less<const char*> before;
    const bool inBuffer = !before(line.content.data(), contents_.data()) &&
                          before(line.content.data(), contents_.data() + contents_.size());
    const std::string copy(inBuffer ? line.content : std::string_view());
    const std::string_view content = inBuffer ? std::string_view(copy) : line.content;
    contents_.replace(entry.start, entry.length, content);
    const auto delta = static_cast<std::int64_t>(content.size()) - entry.length;
    entry.shape = line.shape;
    entry.length = static_cast<std::uint32_t>(content.size());
    for (std::size_t i = index + 1; i < entries_.size(); ++i) {
        entries_[i].start = static_cast<std::uint32_t>(entries_[i].start + delta);
    }
}

int CProperties::Append(const CSplitLine& line, bool withList) {
    Entry entry;
    entry.shape = line.shape;
    entry.start = static_cast<std::uint32_t>(contents_.size());
    entry.length = static_cast<std::uint32_t>(line.content.size());
    contents_.append(line.content);
    if (withList) entry.list = std::make_unique<CAttachedList>();
    entries_.push_back(std::move(entry));
    return Count() - 1;
}

void CProperties::Replace(int index, const CSplitLine& line) { SetEntry(index, line); }

void CProperties::SetContent(int index, std::string_view content) {
    const Entry& entry = entries_[index];
    // A content holding "</" moves the split point, and a raw line has none: take those apart
    // again as whole lines.
    if (entry.shape->IsRaw() || content.find("</") != std::string_view::npos) {
        const std::string line = ReplaceTagContent(Line(index), content);
        SetEntry(index, SplitLine(line));
        return;
    }
    if (ContentOf(entry) != content) SetEntry(index, CSplitLine{entry.shape, content});
}

void CProperties::Clear() {
    contents_.clear();
    entries_.clear();
}

void CProperties::ShrinkToFit() {
    contents_.shrink_to_fit();
    entries_.shrink_to_fit();
}

}  // namespace vantaro
