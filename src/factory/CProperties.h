#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "factory/CLineShape.h"
#include "factory/CLink.h"
#include "factory/StoredRef.h"

namespace vantaro {

// The resolved references beside an ASSOCATION, RELATION or LINK line.
class CAttachedList {
public:
    using LinkSlots = std::vector<std::unique_ptr<CLink>>;

    // The objects of an ASSOCATION or RELATION line, in order. References to objects destroyed
    // since the last call are dropped first, so every entry refers to a living object.
    std::vector<StoredRef>& Members() const;
    // The link records of a LINK line, one slot per written pair; a null slot is an empty slot.
    LinkSlots& Links();
    const LinkSlots& Links() const;

private:
    mutable std::vector<StoredRef> members_;
    mutable std::uint64_t checkedAt_ = 0;
    std::unique_ptr<LinkSlots> links_;  // only lines that hold links need the room
};

// The ordered property lines of a stored object, each with an optional attached list.
//
// A line is held as its shared shape (the text around the content, see CLineShape) and its
// content; the contents of all lines lie in one buffer. Lookups by tag and NAME compare the
// shapes' values without parsing, and a line costs little more than its content.
class CProperties {
public:
    int Count() const { return static_cast<int>(entries_.size()); }

    std::string Line(int index) const;
    // Appends the whole line to the text.
    void AppendLineTo(int index, std::string& text) const;
    // Views that stay valid for the whole run.
    std::string_view Tag(int index) const { return entries_[index].shape->tag; }
    std::string_view Name(int index) const { return entries_[index].shape->name; }
    std::string Content(int index) const;
    bool HasContent(int index) const;
    // The value of an attribute of the line (such as FORMAT), or empty text.
    std::string AttributeOf(int index, std::string_view name) const;
    bool IsAggregate(int index) const;

    // The first line with exactly this tag and NAME, or -1.
    int IndexOf(std::string_view tag, std::string_view name) const;

    // Appends a line, with an empty attached list when asked; returns its index.
    int Append(const CSplitLine& line, bool withList);
    // Replaces the whole text of a line; its attached list stays.
    void Replace(int index, const CSplitLine& line);
    // Replaces the content of a line (between its first '>' and its first "</").
    void SetContent(int index, std::string_view content);
    // Removes every line with its attached list.
    void Clear();

    // The attached list of a line, or null when it has none.
    CAttachedList* List(int index) const { return entries_[index].list.get(); }

    // Gives back the spare capacity of the buffers.
    void ShrinkToFit();

private:
    struct Entry {
        const CLineShape* shape = nullptr;
        std::uint32_t start = 0;  // of the content in contents_
        std::uint32_t length = 0;
        std::unique_ptr<CAttachedList> list;
    };

    std::string_view ContentOf(const Entry& entry) const;
    void SetEntry(int index, const CSplitLine& line);

    std::string contents_;
    std::vector<Entry> entries_;
};

}  // namespace vantaro
