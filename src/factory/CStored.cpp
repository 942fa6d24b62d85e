#include "factory/CStored.h"

#include <stdexcept>

#include "factory/CFactory.h"
#include "factory/PathTextMemo.h"
#include "routines/TextBasics.h"
#include "routines/XMLRoutines.h"
#include "factory/StoredLines.h"

namespace vantaro {
namespace {

enum Walk : std::uint8_t { kDeleteWalk = 1, kRestoreWalk = 2, kPathWalk = 4 };

// Marks a walk as running from an object for the lifetime of a scope; false when it already was.
class WalkScope {
public:
    WalkScope(std::uint8_t& walks, Walk walk)
        : walks_(walks), walk_(walk), entered_((walks & walk) == 0) {
        walks_ |= walk_;
    }
    ~WalkScope() {
        if (entered_) walks_ &= static_cast<std::uint8_t>(~walk_);
    }
    WalkScope(const WalkScope&) = delete;
    WalkScope& operator=(const WalkScope&) = delete;
    explicit operator bool() const { return entered_; }

private:
    std::uint8_t& walks_;
    Walk walk_;
    bool entered_;
};

}  // namespace

CStored::CStored(CStored* parent, std::int32_t id) : anchor_(std::make_shared<CStored*>(this)) {
    if (id != -1) SetID(id);
    AddProperty(kParentLine);
    SetRelation(kParent, parent);
}

CStored::~CStored() {
    *anchor_ = nullptr;
    CountDestroyedObject();
}

std::string CStored::SortKey() const { return DisplayText(); }

std::string CStored::PathText() const {
    PathTextMemo* memo = factory_ ? factory_->ActivePathMemo() : nullptr;
    WalkScope walk(walks_, kPathWalk);
    if (!walk && memo) memo->NoteCutWalk();
    const CStored* parent = walk ? GetParent() : nullptr;
    if (!parent) return DisplayText();
    return Trim(DisplayText() + " " + (memo ? memo->OwnerPathText(*parent) : parent->PathText()));
}

void CStored::Delete() {
    if (factory_ && factory_->Root() == this) return;
    WalkScope walk(walks_, kDeleteWalk);
    if (!walk) return;
    status_ = StoredStatus::Deleted;
    for (const StoredRef& member : AggregatedMembers()) {
        if (CStored* object = member.Get()) object->Delete();
    }
}

void CStored::Restore() {
    WalkScope walk(walks_, kRestoreWalk);
    if (!walk) return;
    status_ = persisted_ ? StoredStatus::Modified : StoredStatus::New;
    for (const StoredRef& member : AggregatedMembers()) {
        if (CStored* object = member.Get()) object->Restore();
    }
}

// Copies of the references, so a member's Delete or Restore may change these lists safely.
std::vector<StoredRef> CStored::AggregatedMembers() const {
    std::vector<StoredRef> members;
    for (int i = 0; i < properties_.Count(); ++i) {
        if (properties_.Tag(i) != kAssociation || !IsAggregate(i)) continue;
        if (const CAttachedList* list = properties_.List(i)) {
            const auto& refs = list->Members();
            members.insert(members.end(), refs.begin(), refs.end());
        }
    }
    return members;
}

void CStored::MarkSaved(std::int32_t id) {
    SetID(id);
    persisted_ = true;
    status_ = StoredStatus::Saved;
    // The object has settled (just read or written): give back the slack of building it.
    properties_.ShrinkToFit();
}

void CStored::MarkChanged() {
    if (status_ == StoredStatus::Saved) status_ = StoredStatus::Modified;
}

void CStored::NoteResolvedListChange() const {
    if (factory_) factory_->CountResolvedListChange();
}

CStored* CStored::FindByID(std::int32_t id) const {
    return factory_ ? factory_->FindObject(id) : nullptr;
}

bool CStored::IsAggregate(int index) const { return properties_.IsAggregate(index); }

// Property lines.

void CStored::AddProperty(std::string_view line) {
    const CSplitLine split = SplitLine(line);
    const std::string_view tag = split.shape->tag;
    const int index = properties_.IndexOf(tag, split.shape->name);
    const bool reference = IsReferenceTag(tag);
    if (reference || tag == kAttribute) {
        // Loading merges stored values into the class's templates: the template's attributes
        // (FORMAT, AGGREGATE) and its attached list stay, only the content is taken.
        if (index < 0) {
            properties_.Append(split, reference);
        } else if (split.shape->IsRaw()) {
            properties_.SetContent(index, TagContent(line));
        } else {
            properties_.SetContent(index, split.content);
        }
    } else if (index >= 0) {
        properties_.Replace(index, split);
    } else {
        properties_.Append(split, false);
    }
}

int CStored::IndexOfProperty(std::string_view tag, std::string_view name) const {
    return properties_.IndexOf(tag, name);
}

int CStored::PropertyCount() const { return properties_.Count(); }

bool CStored::IsLineIndex(int index) const { return index >= 0 && index < properties_.Count(); }

std::string CStored::PropertyLine(int index) const {
    return IsLineIndex(index) ? properties_.Line(index) : std::string();
}

std::string CStored::PropertyTag(int index) const {
    return IsLineIndex(index) ? std::string(properties_.Tag(index)) : std::string();
}

std::string CStored::PropertyName(int index) const {
    return IsLineIndex(index) ? std::string(properties_.Name(index)) : std::string();
}

std::string CStored::PropertyContent(int index) const {
    return IsLineIndex(index) ? properties_.Content(index) : std::string();
}

std::string CStored::PropertyFormat(int index) const {
    return IsLineIndex(index) ? properties_.AttributeOf(index, "FORMAT") : std::string();
}

std::string CStored::PropertyContentByName(std::string_view tag, std::string_view name) const {
    const int index = properties_.IndexOf(tag, name);
    return index >= 0 ? properties_.Content(index) : std::string();
}

CAttachedList* CStored::ListOf(std::string_view tag, std::string_view name) const {
    const int index = properties_.IndexOf(tag, name);
    return index >= 0 ? properties_.List(index) : nullptr;
}

}  // namespace vantaro
