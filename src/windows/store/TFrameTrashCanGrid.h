#pragma once

#include "grid/TFrameGridAncestor.h"

namespace vantaro {

// The trash: a title band whose right end empties it, and a row per deleted object waiting in
// the trash list, in the list's order, whose name restores it.
class TFrameTrashCanGrid : public TFrameGridAncestor {
    Q_OBJECT

public:
    explicit TFrameTrashCanGrid(QWidget* parent = nullptr);

    double ColumnWidth(int column) override;
    void BuildPage() override;
};

}  // namespace vantaro
