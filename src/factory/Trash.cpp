#include "factory/CFactory.h"

namespace vantaro {

void CFactory::MoveToTrash(CStored* object) {
    if (!object) return;
    trash_.Add(object);
    object->Delete();
}

}  // namespace vantaro
