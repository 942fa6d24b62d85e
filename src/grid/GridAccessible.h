#pragma once

#include <QAccessibleWidget>

#include <map>
#include <utility>

namespace vantaro {

class TStringGrid;

// The grid as a screen reader sees it: a table whose children are the visible cells, each named
// by its display text, so the reader can follow the current cell.
class GridAccessible : public QAccessibleWidget {
public:
    explicit GridAccessible(TStringGrid* grid);
    ~GridAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    // The child index of a cell, -1 when it is not visible.
    int IndexOfCell(int column, int row) const;
    QAccessibleInterface* CellInterface(int column, int row) const;

    // Installs the factory that gives every grid this interface.
    static void Install();

private:
    std::vector<std::pair<int, int>> VisibleCells() const;
    TStringGrid* Grid() const;

    mutable std::map<std::pair<int, int>, QAccessible::Id> cells_;
};

}  // namespace vantaro
