#include "grid/TFrameAncestor.h"

namespace vantaro {

TFrameAncestor::TFrameAncestor(QWidget* parent) : QFrame(parent) { setFrameShape(QFrame::NoFrame); }

void TFrameAncestor::SetObject(CStored* object) {
    object_ = StoredRef(object);
    objectList_.clear();
}

void TFrameAncestor::SetObjectList(const std::vector<CStored*>& objects) {
    object_ = StoredRef();
    objectList_.clear();
    for (CStored* object : objects) objectList_.emplace_back(object);
}

std::vector<CStored*> TFrameAncestor::ObjectList() const {
    std::vector<CStored*> alive;
    for (const StoredRef& ref : objectList_)
        if (CStored* object = ref.Get()) alive.push_back(object);
    return alive;
}

void TFrameAncestor::SetMultipleChoice(bool on) { multipleChoice_ = on; }
void TFrameAncestor::SetController(GridController* controller) { controller_ = controller; }
void TFrameAncestor::SetShowSelection(bool on) { showSelection_ = on; }
void TFrameAncestor::SetRangeSelect(bool on) { rangeSelect_ = on; }

}  // namespace vantaro
