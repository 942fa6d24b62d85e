#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

#include "factory/StoredRef.h"

namespace vantaro {

class CStored;

// Stored objects in ascending order of ID, at most one per ID, with one of them as the root.
//
// An owning store (the factory's objects) owns its objects: removing, clearing or destroying the
// store destroys them, unless Release hands one over. A referring store (the trash, the work
// store of the integrity check) only refers to objects owned elsewhere; an object destroyed
// elsewhere drops out of it.
class CObjectStore {
public:
    enum class Ownership { Owning, Referring };

    explicit CObjectStore(Ownership ownership = Ownership::Owning);
    ~CObjectStore();
    CObjectStore(CObjectStore&&) noexcept;
    CObjectStore& operator=(CObjectStore&&) noexcept;
    CObjectStore(const CObjectStore&) = delete;
    CObjectStore& operator=(const CObjectStore&) = delete;

    bool IsOwning() const { return ownership_ == Ownership::Owning; }

    // Owning store: inserts the object at its sorted position and takes it (object becomes
    // null); false, leaving the object with the caller, when its ID is already present.
    bool Add(std::unique_ptr<CStored>& object);
    // Referring store: inserts a reference; false when the ID is already present.
    bool Add(CStored* object);

    // The object with that ID, or null.
    CStored* Find(std::int32_t id) const;
    // Takes the object out when it stands at its ID's position; an owning store destroys it.
    bool Remove(const CStored* object);
    // Owning store: takes the object out and hands it over (null when it is not there).
    std::unique_ptr<CStored> Release(const CStored* object);

    // Owning store: takes out every object the test holds for, keeping the others in order, and
    // hands them over.
    std::vector<std::unique_ptr<CStored>> ReleaseIf(const std::function<bool(const CStored&)>& test);

    // Empties the store; an owning store destroys its objects. The root is forgotten.
    void Clear();
    // Referring store: empties it. (An owning store cannot forget what it owns; it throws.)
    void Forget();

    // Makes an object of the store the root; a referring store adds it when absent. Null
    // empties the store (an owning store destroys every object).
    void SetRoot(CStored* object);
    CStored* Root() const { return root_.Get(); }

    // Restores ascending ID order after IDs have changed. Until it runs, lookups find an object
    // whose ID has changed neither by its old ID nor by its new one.
    void SortByID();

    int Count() const;
    CStored* Item(int index) const;

private:
    struct Slot {
        std::unique_ptr<CStored> owned;  // set in an owning store
        StoredRef ref;                   // set in a referring store
        // The object's ID when the slot was placed: searches read it here rather than in the
        // object, which would cost a visit to a far-away object at every step.
        std::int32_t id = 0;
        CStored* Get() const;
    };

    void Prune() const;
    int SearchPosition(std::int32_t id) const;
    bool Insert(Slot& slot);
    void Unindex(const Slot& slot) const;
    void Reindex();

    Ownership ownership_;
    // A deque, because a new object's temporary ID is lower than every other, so it goes in
    // at the front: in a vector each creation would move the whole store.
    mutable std::deque<Slot> items_;
    // The object of each ID, as placed: Find answers from it in one step, where a search of the
    // items would visit a score of them. Kept in step with items_.
    mutable std::unordered_map<std::int32_t, CStored*> byID_;
    mutable std::uint64_t checkedAt_ = 0;
    StoredRef root_;
};

}  // namespace vantaro
