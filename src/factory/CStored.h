#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "factory/CBase.h"
#include "factory/CLink.h"
#include "factory/CProperties.h"

namespace vantaro {

class CFactory;

// Status codes of a stored object; not saved in the file.
enum class StoredStatus : std::uint8_t {
    New = 0,        // created in this run, not yet saved
    Saved = 1,      // as in the data store file
    Modified = 2,   // changed since it was read or written
    Deleted = 3,    // in the trash or found dead; never saved
    Transient = 4,  // a copy taken from another store for display; never saved
};

// A persistent object. Its whole state is an ordered list of property lines of tag text:
//
//   <ATTRIBUTE NAME="..." FORMAT="...">stored value</ATTRIBUTE>
//   <ASSOCATION AGGREGATE="TRUE|FALSE" NAME="...">member IDs, comma separated</ASSOCATION>
//   <RELATION AGGREGATE="TRUE|FALSE" NAME="...">one ID or empty</RELATION>
//   <LINK NAME="...">source.target pairs, comma separated</LINK>
//
// Lines are found by tag and NAME together; the first line with the pair wins. ASSOCATION,
// RELATION and LINK lines carry a list of resolved references kept in step with their text.
// A domain class declares its schema by adding template lines in its constructor, after the
// PARENT relation that every stored object has first.
//
// Ownership: the object owns its lines, their lists and the link records in them; it does not
// own the objects they refer to (the factory's object store owns every object). References to a
// destroyed object drop out of every list.
class CStored : public CBase {
public:
    // parent may be null; id -1 takes a temporary ID, any other value becomes the ID.
    CStored(CStored* parent, std::int32_t id);
    ~CStored() override;

    // The run-time class name, such as "CNote": written to the file and matched on reading.
    virtual std::string ClassName() const = 0;

    // DisplayText, unless a class sorts otherwise.
    std::string SortKey() const override;
    // Identifies the object among objects of its class: the display text followed by the
    // parent's path text, trimmed; the display text alone without a parent.
    virtual std::string PathText() const;
    // Replaces the content of the ATTRIBUTE line (text in stored form), then marks the change.
    virtual void SetAttributeValue(std::string_view name, std::string_view text);
    // Marks the object and everything its aggregate associations hold as deleted. Does nothing
    // to its factory's root. An override first calls this.
    virtual void Delete();
    // Brings a deleted object and its aggregated members back: modified when it had been read
    // or written before, new otherwise. An override first calls this.
    virtual void Restore();

    // Identity and state.
    void MarkSaved(std::int32_t id);  // sets the ID, Persisted and status Saved
    CFactory* GetFactory() const { return factory_; }
    void SetFactory(CFactory* factory) { factory_ = factory; }
    StoredStatus Status() const { return status_; }
    void SetStatus(StoredStatus status) { status_ = status; }
    bool Persisted() const { return persisted_; }

    // Property lines, indexed from 0 in line order.
    void AddProperty(std::string_view line);
    int IndexOfProperty(std::string_view tag, std::string_view name) const;
    int PropertyCount() const;
    std::string PropertyLine(int index) const;
    std::string PropertyTag(int index) const;
    std::string PropertyName(int index) const;
    std::string PropertyContent(int index) const;
    std::string PropertyFormat(int index) const;
    std::string PropertyContentByName(std::string_view tag, std::string_view name) const;
    // Whether the line's AGGREGATE is TRUE: the object owns what the line refers to.
    bool IsAggregate(int index) const;

    // Attributes. Missing attributes read as empty text.
    std::string GetAttributeValue(std::string_view name) const;     // stored form
    std::string GetAttributeText(std::string_view name) const;      // display form
    std::string GetAttributeLineText(std::string_view name) const;  // STRING shown as LINE
    // Copies every attribute value of an object of the same class; nothing otherwise.
    void CopyAttributeValues(const CStored* other);
    void CopyAsTransient(const CStored* other);

    // Associations (ASSOCATION lines, by NAME).
    int AssociationCount(std::string_view name) const;
    CStored* AssociationItem(std::string_view name, int index) const;
    std::vector<CStored*> AssociationItems(std::string_view name) const;
    bool AddToAssociation(std::string_view name, CStored* object);
    bool RemoveFromAssociation(std::string_view name, const CStored* object);
    void ClearAssociation(std::string_view name);
    void SetAssociationIDs(std::string_view name, std::string_view ids);
    CStored* FindInAssociation(std::string_view name, std::string_view text) const;
    void MoveInAssociations(const CStored* a, const CStored* b);
    // Sorts members by SortKey. With a non-empty filter (names each followed by a space), only
    // the associations named in it are sorted. The content text is not rewritten.
    void SortAssociations(std::string_view filter);

    // Relations (RELATION lines, by NAME).
    bool SetRelation(std::string_view name, CStored* object);
    // Looks the ID in the line's content up in the factory's store.
    CStored* GetRelation(std::string_view name) const;
    CStored* GetParent() const;

    // Links (LINK lines, by NAME): each maps a source object to a target object.
    int LinkCount(std::string_view name) const;
    CLink* LinkItem(std::string_view name, int index) const;  // null for an empty slot
    bool SetLink(std::string_view name, CStored* source, CStored* target);
    CStored* GetLinkTarget(std::string_view name, const CStored* source) const;
    bool RemoveLink(std::string_view name, const CStored* source);

    // Text and references.
    // Rebuilds every attached list from the content text; EConvertError on an ID that is not
    // a number. An empty aggregate relation marks the object deleted; an override may spare
    // it and first calls this.
    virtual void ResolveReferences();
    // Rewrites the content of every reference line from its attached list.
    void WriteReferences();
    // The object block of the data store file.
    std::string ToText();

    // The shared cell by which references find this object (see StoredRef).
    const std::shared_ptr<CStored*>& Anchor() const { return anchor_; }

protected:
    CProperties& Properties() { return properties_; }
    const CProperties& Properties() const { return properties_; }

private:
    bool IsLineIndex(int index) const;
    std::vector<StoredRef> AggregatedMembers() const;
    CAttachedList* ListOf(std::string_view tag, std::string_view name) const;
    void MarkChanged();
    void ResolveLine(int index);
    // Tells the factory that resolving changed a reference list.
    void NoteResolvedListChange() const;
    void WriteLine(int index);
    CStored* FindByID(std::int32_t id) const;

    CFactory* factory_ = nullptr;
    CProperties properties_;
    StoredStatus status_ = StoredStatus::New;
    bool persisted_ = false;
    // Bits of the walks (Delete, Restore, PathText) now running from this object, so a cycle in
    // a damaged store ends instead of recursing without end.
    mutable std::uint8_t walks_ = 0;
    std::shared_ptr<CStored*> anchor_;
};

}  // namespace vantaro
