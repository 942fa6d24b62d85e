#pragma once

#include <QAbstractScrollArea>
#include <QPoint>
#include <QRect>

#include <functional>
#include <vector>

class QDragMoveEvent;
class QDropEvent;

namespace vantaro {

// What the grid asks of the frame that hosts it: the drawing of each cell and the handling of
// the mouse, drops and activation. The grid itself knows only rows, columns and sizes.
class TStringGridHost {
public:
    virtual ~TStringGridHost() = default;

    // Called once before the cells of a paint are drawn.
    virtual void GridPaintBegin() = 0;
    virtual void DrawGridCell(QPainter& painter, int column, int row, const QRect& rect) = 0;
    virtual QColor GridBackground() const = 0;
    virtual QString GridCellText(int column, int row) const = 0;

    virtual void GridMousePress(QMouseEvent& event) = 0;
    virtual void GridMouseMove(QMouseEvent& event) = 0;
    virtual void GridMouseRelease(QMouseEvent& event) = 0;
    virtual void GridDoubleClick(QMouseEvent& event) = 0;
    virtual void GridDragMove(QDragMoveEvent& event) = 0;  // enter and move
    virtual void GridDrop(QDropEvent& event) = 0;
    // Enter or Space on the current cell.
    virtual void GridActivateCurrent() = 0;
    virtual void GridCopy() = 0;
    // The top row or left column changed.
    virtual void GridScrolled() = 0;
    virtual void GridResized() = 0;
};

// A grid of cells that scrolls by whole rows and columns. The first FixedRows rows and
// FixedColumns columns never scroll; the others start at the top row and the left column. It
// draws no lines of its own: each visible cell is drawn by the host, and only visible cells are.
//
// The selection is the rectangle between an anchor cell and the current cell; without range
// selection both are the same cell. Arrow and page keys move the current cell and scroll it into
// view, never onto a fixed, hidden or zero-sized cell.
class TStringGrid : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit TStringGrid(TStringGridHost& host, QWidget* parent = nullptr);

    // Shape. New columns and rows start at 64 by 24 pixels until sized.
    void SetShape(int columns, int rows, int fixedRows, int fixedColumns);
    int ColumnCount() const { return static_cast<int>(widths_.size()); }
    int RowCount() const { return static_cast<int>(heights_.size()); }
    int FixedRows() const { return fixedRows_; }
    int FixedColumns() const { return fixedColumns_; }

    void SetColumnWidths(std::vector<int> widths);
    void SetRowHeights(std::vector<int> heights);
    void SetRowHeight(int row, int height);
    int ColumnWidth(int column) const;
    int RowHeight(int row) const;
    int ClientHeight() const;

    // Scrolling. Positions are kept within the fixed counts and the last position that still
    // fills the view, so the grid never scrolls into empty space.
    int TopRow() const { return topRow_; }
    int LeftColumn() const { return leftColumn_; }
    void SetTopRow(int row);
    void SetLeftColumn(int column);
    int MaxTopRow() const;
    int MaxLeftColumn() const;
    // Scrolling rows wholly visible from the top row.
    int VisibleRowCount() const;
    void ScrollIntoView(int column, int row);

    // The cell's rectangle in the viewport, empty when it is scrolled out of view.
    QRect CellRect(int column, int row) const;
    // Calls visit with each sized cell the view shows and its rectangle: the fixed rows first,
    // then the rows from the top row, each left to right, as they are painted.
    void ForEachVisibleCell(const std::function<void(int column, int row, const QRect& rect)>& visit) const;
    // The cell under a viewport position, (-1, -1) outside the cells.
    QPoint CellAt(const QPoint& position) const;

    // Selection: (left, top) to (right, bottom) inclusive.
    QRect Selection() const;
    QPoint Current() const { return current_; }
    void SetRangeSelect(bool on) { rangeSelect_ = on; }
    bool RangeSelect() const { return rangeSelect_; }
    // Selects one cell, or extends the selection from the anchor to the cell with range selection.
    void SelectCell(int column, int row, bool extend = false);
    bool IsSelected(int column, int row) const { return Selection().contains(column, row); }

    // What a cell shows as text, for screen readers.
    QString CellText(int column, int row) const { return host_.GridCellText(column, row); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool IsShown(int column, int row) const;
    int Step(int from, int step, bool rows) const;
    void MoveCurrent(int columnStep, int rowStep, bool extend);
    void UpdateScrollBars();
    void SizesChanged();
    int FixedHeight() const;
    int FixedWidth() const;
    void PaintFocus(QPainter& painter);

    TStringGridHost& host_;
    std::vector<int> widths_;
    std::vector<int> heights_;
    int fixedRows_ = 0;
    int fixedColumns_ = 0;
    int topRow_ = 0;
    int leftColumn_ = 0;
    QPoint anchor_{0, 0};
    QPoint current_{0, 0};
    bool rangeSelect_ = false;
    bool keyboardFocusShown_ = false;
    bool updatingScrollBars_ = false;
    int wheelRemainder_ = 0;
};

}  // namespace vantaro
