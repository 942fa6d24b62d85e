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

void CFactory::EmptyTrash() {
    // The store is rebuilt from its survivors in one pass: taking deleted objects out one by one
    // would move the rest of the store each time.
    std::vector<std::unique_ptr<CStored>> kept;
    std::vector<std::unique_ptr<CStored>> deleted;
    for (int i = objects_.Count() - 1; i >= 0; --i) {
        std::unique_ptr<CStored> object = objects_.Release(objects_.Item(i));
        (object->Status() == StoredStatus::Deleted ? deleted : kept).push_back(std::move(object));
    }
    // The store's root reference stays; it reads as none when the root itself was destroyed.
    for (auto object = kept.rbegin(); object != kept.rend(); ++object) objects_.Add(*object);
    deleted.clear();

    for (int i = objects_.Count() - 1; i >= 0; --i) objects_.Item(i)->ResolveReferences();
    trash_.Forget();
}

}  // namespace vantaro
