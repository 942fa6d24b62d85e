#pragma once

#include <vector>

#include "factory/CStored.h"
#include "grid/TFrameAncestor.h"

namespace vantaro {

// The objects a page shows: the listed objects of class T, in list order, or the page's one
// object when it has no list and is of class T.
template <class T>
std::vector<T*> FrameObjectsAs(const TFrameAncestor& frame) {
    std::vector<T*> objects;
    const std::vector<CStored*> listed = frame.ObjectList();
    if (listed.empty()) {
        if (T* object = dynamic_cast<T*>(frame.Object())) objects.push_back(object);
        return objects;
    }
    for (CStored* object : listed)
        if (T* typed = dynamic_cast<T*>(object)) objects.push_back(typed);
    return objects;
}

}  // namespace vantaro
