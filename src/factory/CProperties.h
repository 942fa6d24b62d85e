#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "factory/CLink.h"
#include "factory/StoredRef.h"

namespace vantaro {

// The resolved references beside an ASSOCATION, RELATION or LINK line.
class CAttachedList {
public:
    // The objects of an ASSOCATION or RELATION line, in order. References to objects destroyed
    // since the last call are dropped first, so every entry refers to a living object.
    std::vector<StoredRef>& Members() const;
    // The link records of a LINK line, one slot per written pair; a null slot is an empty slot.
    std::vector<std::unique_ptr<CLink>>& Links() { return links_; }
    const std::vector<std::unique_ptr<CLink>>& Links() const { return links_; }

private:
    mutable std::vector<StoredRef> members_;
    mutable std::uint64_t checkedAt_ = 0;
    std::vector<std::unique_ptr<CLink>> links_;
};

// The ordered property lines of a stored object, each with an optional attached list.
//
// All line texts live in one buffer; each entry records where its line lies and, within the
// line, where its tag and NAME value lie, so lookups by tag and NAME compare bytes without
// parsing. The positions are worked out again whenever a line's text changes.
class CProperties {
public:
    int Count() const { return static_cast<int>(entries_.size()); }

    // Views into the buffer: valid until the next change of any line.
    std::string_view Line(int index) const;
    std::string_view Tag(int index) const;
    std::string_view Name(int index) const;
    std::string Content(int index) const;

    // The first line with exactly this tag and NAME, or -1.
    int IndexOf(std::string_view tag, std::string_view name) const;

    // Appends a line, with an empty attached list when asked; returns its index.
    int Append(std::string_view line, bool withList);
    // Replaces the whole text of a line; its attached list stays.
    void Replace(int index, std::string_view line);
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
        std::uint32_t start = 0;  // of the line in text_
        std::uint32_t length = 0;
        std::uint32_t tagStart = 0;  // positions within the line
        std::uint32_t tagLength = 0;
        std::uint32_t nameStart = 0;
        std::uint32_t nameLength = 0;
        std::unique_ptr<CAttachedList> list;
    };

    std::string_view LineOf(const Entry& entry) const;
    // Replace for a text that does not lie in the buffer.
    void ReplaceText(int index, std::string_view line);
    void FindKeys(Entry& entry) const;

    std::string text_;
    std::vector<Entry> entries_;
};

}  // namespace vantaro
