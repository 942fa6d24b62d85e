#pragma once

#include <string>
#include <vector>

#include "factory/StoredRef.h"
#include "grid/TFrameGridAncestor.h"

namespace vantaro {

// The generic page of one stored object: a heading per property line and its value below it.
// Attributes are edited in place (dates and booleans through their actions), relations and
// associations link to their objects, which the page can move forward to and back from; the
// members of an association can be put in another order by dragging one onto another.
class TFramePropertyGrid : public TFrameGridAncestor {
    Q_OBJECT

public:
    explicit TFramePropertyGrid(QWidget* parent = nullptr);

    // Empties the history.
    void SetObject(CStored* object) override;
    // ATTRIBUTE, ASSOCATION and RELATION in the text turn their kind on; an empty text all three.
    void SetKinds(std::string_view kinds);
    // Property names, each followed by a space, that are not listed.
    void SetExclusions(std::string_view names);
    // The kinds and exclusions for the object's class.
    void SetKindsFor(const CStored* object);
    void NavigateForward(CStored* object);
    void NavigateBack();
    // The objects shown before, oldest first, that still exist.
    std::vector<CStored*> History() const;

    double ColumnWidth(int column) override { return column == 0 ? 1.0 : 0.0; }
    void BuildPage() override;

protected:
    void GridDragMove(QDragMoveEvent& event) override;
    void GridDrop(QDropEvent& event) override;

private:
    void AddAttribute(CStored& object, const std::string& name, const std::string& format);
    void AddAssociation(CStored& object, const std::string& name);
    void AddRelation(CStored& object, const std::string& name);
    bool IsExcluded(const std::string& name) const;
    // The dragged and the dropped-on objects when the drop may reorder them.
    bool Reorderable(const QMimeData* data, const QPoint& position, CStored** dragged, CStored** onto) const;

    std::vector<StoredRef> history_;
    bool attributes_ = true;
    bool associations_ = true;
    bool relations_ = true;
    std::string exclusions_;
};

}  // namespace vantaro
