#include <vector>

#include "factory/CFactory.h"

namespace vantaro {

void CFactory::MoveToTrash(CStored* object) {
    if (!object) return;
    trash_.Add(object);
    object->Delete();
}

void CFactory::RestoreFromTrash(CStored* object) {
    if (!object) return;
    trash_.Remove(object);
    object->Restore();
}

void CFactory::EmptyTrash() { EmptyTrashChanges(); }

bool CFactory::EmptyTrashChanges() {
    // Deleted objects are taken out in one pass, the others keeping their places; they are
    // destroyed once out of the store. The store's root reference stays; it reads as none when
    // the root itself was destroyed.
    std::vector<std::unique_ptr<CStored>> deleted =
        objects_.ReleaseIf([](const CStored& object) { return object.Status() == StoredStatus::Deleted; });
    bool changed = !deleted.empty();
    deleted.clear();

    const std::uint64_t listChanges = resolvedListChanges_;
    for (int i = objects_.Count() - 1; i >= 0; --i) {
        CStored& object = *objects_.Item(i);
        const StoredStatus status = object.Status();
        object.ResolveReferences();
        changed = changed || object.Status() != status;
    }
    trash_.Forget();
    return changed || resolvedListChanges_ != listChanges;
}

}  // namespace vantaro
