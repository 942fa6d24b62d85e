#pragma once

#include "grid/TFrameGridAncestor.h"

namespace vantaro {

class CFactory;

// The objects of a store as the tree of who owns whom, each row giving the object's class, ID,
// status, path text and parent. Objects hidden by the filter are shown too; an object owned
// twice has a row under each owner and counts twice.
class TFrameObjectMapGrid : public TFrameGridAncestor {
    Q_OBJECT

public:
    explicit TFrameObjectMapGrid(QWidget* parent = nullptr);

    void SetFactory(CFactory* factory) { factory_ = factory; }
    // The object rows of the last build.
    int ObjectCount() const { return objectCount_; }

    double ColumnWidth(int column) override;
    void BuildPage() override;

private:
    void FillDetails();

    CFactory* factory_ = nullptr;
    int objectCount_ = 0;
};

}  // namespace vantaro
