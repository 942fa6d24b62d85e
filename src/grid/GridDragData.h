#pragma once

#include <QMimeData>
#include <QPointer>

#include "grid/TFrameGridAncestor.h"

namespace vantaro {

// What a drag from a grid cell carries: the frame it started in, whose pressed cell is the item
// dragged, and the cell's text for any other program it is dropped on.
class GridDragData : public QMimeData {
    Q_OBJECT

public:
    explicit GridDragData(TFrameGridAncestor* source) : source_(source) {}
    TFrameGridAncestor* Source() const { return source_; }

private:
    QPointer<TFrameGridAncestor> source_;
};

}  // namespace vantaro
