#pragma once

#include <QFrame>

#include <vector>

#include "factory/StoredRef.h"

namespace vantaro {

class CStored;
class GridController;

// The base of every page: the object (or objects) it shows, the window that runs its cells'
// actions, and the page options the window sets. Objects are held by reference, so one the
// factory destroys reads as none.
class TFrameAncestor : public QFrame {
    Q_OBJECT

public:
    explicit TFrameAncestor(QWidget* parent = nullptr);

    // Sets the page object and clears the object list.
    virtual void SetObject(CStored* object);
    virtual void SetMultipleChoice(bool on);
    virtual void SetController(GridController* controller);
    virtual void SetShowSelection(bool on);
    virtual void SetRangeSelect(bool on);
    virtual void RunCellAction() = 0;
    // 0 scrolls to the top, 1 keeps the scroll position, 2 scrolls to the end.
    virtual void Refresh(int mode) = 0;

    // Sets the object list and clears the page object.
    void SetObjectList(const std::vector<CStored*>& objects);

    CStored* Object() const { return object_.Get(); }
    // The listed objects that still exist.
    std::vector<CStored*> ObjectList() const;
    GridController* Controller() const { return controller_; }
    bool MultipleChoice() const { return multipleChoice_; }
    bool ShowSelection() const { return showSelection_; }
    bool RangeSelect() const { return rangeSelect_; }

private:
    StoredRef object_;
    std::vector<StoredRef> objectList_;
    GridController* controller_ = nullptr;
    bool multipleChoice_ = false;
    bool showSelection_ = false;
    bool rangeSelect_ = false;
};

}  // namespace vantaro
