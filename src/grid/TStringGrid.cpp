#include "grid/TStringGrid.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <functional>

#include "grid/GridAccessible.h"

namespace vantaro {
namespace {

constexpr int kDefaultWidth = 64;
constexpr int kDefaultHeight = 24;
constexpr int kWheelNotch = 120;

// Sizes for every column (or row): missing ones take the default, negative ones 0.
std::vector<int> Sizes(std::vector<int> sizes, std::size_t count, int fallback) {
    sizes.resize(count, fallback);
    for (int& size : sizes) size = std::max(size, 0);
    return sizes;
}

}  // namespace

TStringGrid::TStringGrid(TStringGridHost& host, QWidget* parent) : QAbstractScrollArea(parent), host_(host) {
    GridAccessible::Install();
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    viewport()->setMouseTracking(true);
    viewport()->setAutoFillBackground(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int value) {
        if (!updatingScrollBars_) SetTopRow(value);
    });
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, [this](int value) {
        if (!updatingScrollBars_) SetLeftColumn(value);
    });
    SetShape(1, 1, 0, 0);
}

void TStringGrid::SetShape(int columns, int rows, int fixedRows, int fixedColumns) {
    widths_.resize(std::max(columns, 1), kDefaultWidth);
    heights_.resize(std::max(rows, 1), kDefaultHeight);
    fixedRows_ = std::clamp(fixedRows, 0, RowCount() - 1);
    fixedColumns_ = std::clamp(fixedColumns, 0, ColumnCount() - 1);
    const auto clampCell = [this](QPoint cell) {
        return QPoint(std::clamp(cell.x(), fixedColumns_, ColumnCount() - 1),
                      std::clamp(cell.y(), fixedRows_, RowCount() - 1));
    };
    anchor_ = clampCell(anchor_);
    current_ = clampCell(current_);
    if (!rangeSelect_) anchor_ = current_;
    SizesChanged();
}

void TStringGrid::SetColumnWidths(std::vector<int> widths) {
    widths_ = Sizes(std::move(widths), widths_.size(), kDefaultWidth);
    SizesChanged();
}

void TStringGrid::SetRowHeights(std::vector<int> heights) {
    heights_ = Sizes(std::move(heights), heights_.size(), kDefaultHeight);
    SizesChanged();
}

// Keeps the scroll position within the new sizes and shows them.
void TStringGrid::SizesChanged() {
    const int top = std::clamp(topRow_, fixedRows_, MaxTopRow());
    const int left = std::clamp(leftColumn_, fixedColumns_, MaxLeftColumn());
    const bool moved = top != topRow_ || left != leftColumn_;
    topRow_ = top;
    leftColumn_ = left;
    UpdateScrollBars();
    viewport()->update();
    if (moved) host_.GridScrolled();
}

void TStringGrid::SetRowHeight(int row, int height) {
    if (row < 0 || row >= RowCount()) return;
    heights_[row] = std::max(height, 0);
    SizesChanged();
}

int TStringGrid::ColumnWidth(int column) const {
    return column >= 0 && column < ColumnCount() ? widths_[column] : 0;
}

int TStringGrid::RowHeight(int row) const { return row >= 0 && row < RowCount() ? heights_[row] : 0; }

int TStringGrid::ClientHeight() const { return viewport()->height(); }

int TStringGrid::FixedHeight() const {
    int height = 0;
    for (int row = 0; row < fixedRows_; ++row) height += heights_[row];
    return height;
}

int TStringGrid::FixedWidth() const {
    int width = 0;
    for (int column = 0; column < fixedColumns_; ++column) width += widths_[column];
    return width;
}

void TStringGrid::SetTopRow(int row) {
    row = std::clamp(row, fixedRows_, MaxTopRow());
    if (row == topRow_) return;
    topRow_ = row;
    UpdateScrollBars();
    viewport()->update();
    host_.GridScrolled();
}

void TStringGrid::SetLeftColumn(int column) {
    column = std::clamp(column, fixedColumns_, MaxLeftColumn());
    if (column == leftColumn_) return;
    leftColumn_ = column;
    UpdateScrollBars();
    viewport()->update();
    host_.GridScrolled();
}

int TStringGrid::MaxTopRow() const {
    const int room = viewport()->height() - FixedHeight();
    int top = RowCount();
    for (int used = 0; top > fixedRows_ && used + heights_[top - 1] <= room;) used += heights_[--top];
    return std::clamp(top, fixedRows_, RowCount() - 1);
}

int TStringGrid::MaxLeftColumn() const {
    const int room = viewport()->width() - FixedWidth();
    int left = ColumnCount();
    for (int used = 0; left > fixedColumns_ && used + widths_[left - 1] <= room;) used += widths_[--left];
    return std::clamp(left, fixedColumns_, ColumnCount() - 1);
}

int TStringGrid::VisibleRowCount() const {
    const int bottom = viewport()->height();
    int count = 0;
    for (int row = topRow_, y = FixedHeight(); row < RowCount() && y + heights_[row] <= bottom; ++row) {
        y += heights_[row];
        ++count;
    }
    return count;
}

void TStringGrid::ScrollIntoView(int column, int row) {
    if (row >= fixedRows_ && row < RowCount()) {
        if (row < topRow_) {
            SetTopRow(row);
        } else {
            const int bottom = viewport()->height();
            int y = FixedHeight();
            for (int r = topRow_; r < row; ++r) y += heights_[r];
            int top = topRow_;
            while (top < row && y + heights_[row] > bottom) y -= heights_[top++];
            SetTopRow(top);
        }
    }
    if (column >= fixedColumns_ && column < ColumnCount()) {
        if (column < leftColumn_) {
            SetLeftColumn(column);
        } else {
            const int right = viewport()->width();
            int x = FixedWidth();
            for (int c = leftColumn_; c < column; ++c) x += widths_[c];
            int left = leftColumn_;
            while (left < column && x + widths_[column] > right) x -= widths_[left++];
            SetLeftColumn(left);
        }
    }
}

QRect TStringGrid::CellRect(int column, int row) const {
    if (column < 0 || row < 0 || column >= ColumnCount() || row >= RowCount()) return {};
    if ((row >= fixedRows_ && row < topRow_) || (column >= fixedColumns_ && column < leftColumn_)) return {};
    int y = 0;
    for (int r = row < fixedRows_ ? 0 : topRow_; r < row; ++r) y += heights_[r];
    if (row >= fixedRows_) y += FixedHeight();
    int x = 0;
    for (int c = column < fixedColumns_ ? 0 : leftColumn_; c < column; ++c) x += widths_[c];
    if (column >= fixedColumns_) x += FixedWidth();
    const QRect rect(x, y, widths_[column], heights_[row]);
    return rect.intersects(viewport()->rect()) ? rect : QRect();
}

QPoint TStringGrid::CellAt(const QPoint& position) const {
    const auto find = [](int at, const std::vector<int>& sizes, int fixed, int first) {
        int edge = 0;
        for (int i = 0; i < fixed; ++i) {
            if (at < edge + sizes[i]) return i;
            edge += sizes[i];
        }
        for (int i = first; i < static_cast<int>(sizes.size()); ++i) {
            if (at < edge + sizes[i]) return sizes[i] > 0 ? i : -1;
            edge += sizes[i];
        }
        return -1;
    };
    if (!viewport()->rect().contains(position)) return {-1, -1};
    const int column = find(position.x(), widths_, fixedColumns_, leftColumn_);
    const int row = find(position.y(), heights_, fixedRows_, topRow_);
    if (column < 0 || row < 0) return {-1, -1};
    return {column, row};
}

QRect TStringGrid::Selection() const {
    return QRect(QPoint(std::min(anchor_.x(), current_.x()), std::min(anchor_.y(), current_.y())),
                 QPoint(std::max(anchor_.x(), current_.x()), std::max(anchor_.y(), current_.y())));
}

void TStringGrid::SelectCell(int column, int row, bool extend) {
    if (column < fixedColumns_ || row < fixedRows_ || column >= ColumnCount() || row >= RowCount()) return;
    current_ = {column, row};
    if (!extend || !rangeSelect_) anchor_ = current_;
    viewport()->update();
}

bool TStringGrid::IsShown(int column, int row) const {
    return ColumnWidth(column) > 0 && RowHeight(row) > 0;
}

// The next row (or column) from `from` in the step's direction that has a size, within the
// scrolling cells; `from` itself when there is none.
int TStringGrid::Step(int from, int step, bool rows) const {
    const int first = rows ? fixedRows_ : fixedColumns_;
    const int last = (rows ? RowCount() : ColumnCount()) - 1;
    const int direction = step < 0 ? -1 : 1;
    int found = from;
    for (int at = from, moved = 0; moved < std::abs(step);) {
        at += direction;
        if (at < first || at > last) break;
        if (rows ? RowHeight(at) > 0 : ColumnWidth(at) > 0) {
            found = at;
            ++moved;
        }
    }
    return found;
}

void TStringGrid::MoveCurrent(int columnStep, int rowStep, bool extend) {
    const int column = columnStep ? Step(current_.x(), columnStep, false) : current_.x();
    const int row = rowStep ? Step(current_.y(), rowStep, true) : current_.y();
    keyboardFocusShown_ = true;
    SelectCell(column, row, extend);
    ScrollIntoView(column, row);
    viewport()->update();
    if (QAccessible::isActive()) {
        if (auto* grid = dynamic_cast<GridAccessible*>(QAccessible::queryAccessibleInterface(this))) {
            QAccessibleEvent event(this, QAccessible::Focus);
            event.setChild(grid->IndexOfCell(column, row));
            QAccessible::updateAccessibility(&event);
        }
    }
}

void TStringGrid::UpdateScrollBars() {
    updatingScrollBars_ = true;
    verticalScrollBar()->setRange(fixedRows_, MaxTopRow());
    verticalScrollBar()->setPageStep(std::max(VisibleRowCount(), 1));
    verticalScrollBar()->setValue(topRow_);
    horizontalScrollBar()->setRange(fixedColumns_, MaxLeftColumn());
    horizontalScrollBar()->setPageStep(1);
    horizontalScrollBar()->setValue(leftColumn_);
    updatingScrollBars_ = false;
}

void TStringGrid::ForEachVisibleCell(const std::function<void(int, int, const QRect&)>& visit) const {
    const QRect area = viewport()->rect();
    const auto rowAt = [this](int i) { return i < fixedRows_ ? i : topRow_ + i - fixedRows_; };
    const auto columnAt = [this](int i) { return i < fixedColumns_ ? i : leftColumn_ + i - fixedColumns_; };
    const int rows = fixedRows_ + RowCount() - topRow_;
    const int columns = fixedColumns_ + ColumnCount() - leftColumn_;
    for (int i = 0, y = 0; i < rows && y <= area.bottom(); ++i) {
        const int row = rowAt(i);
        const int height = heights_[row];
        for (int j = 0, x = 0; height > 0 && j < columns && x <= area.right(); ++j) {
            const int column = columnAt(j);
            const int width = widths_[column];
            if (width > 0) visit(column, row, QRect(x, y, width, height));
            x += width;
        }
        y += height;
    }
}

void TStringGrid::paintEvent(QPaintEvent*) {
    host_.GridPaintBegin();
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), host_.GridBackground());
    ForEachVisibleCell([&](int column, int row, const QRect& rect) { host_.DrawGridCell(painter, column, row, rect); });
    PaintFocus(painter);
}

// The current cell is outlined only while the keyboard moves it, so a mouse user sees the page
// exactly as drawn.
void TStringGrid::PaintFocus(QPainter& painter) {
    if (!keyboardFocusShown_ || !hasFocus()) return;
    const QRect rect = CellRect(current_.x(), current_.y());
    if (rect.isEmpty()) return;
    QPen pen(palette().color(QPalette::Highlight), 2, Qt::DotLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawRoundedRect(QRectF(rect).adjusted(1.5, 1.5, -1.5, -1.5), 4, 4);
}

void TStringGrid::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    host_.GridResized();
    UpdateScrollBars();
}

void TStringGrid::wheelEvent(QWheelEvent* event) {
    wheelRemainder_ += event->angleDelta().y();
    while (wheelRemainder_ <= -kWheelNotch) {
        wheelRemainder_ += kWheelNotch;
        if (topRow_ < RowCount() - 1) SetTopRow(topRow_ + 1);
    }
    while (wheelRemainder_ >= kWheelNotch) {
        wheelRemainder_ -= kWheelNotch;
        if (topRow_ > fixedRows_) SetTopRow(topRow_ - 1);
    }
    event->accept();
}

void TStringGrid::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        host_.GridCopy();
        return;
    }
    const bool extend = event->modifiers() & Qt::ShiftModifier;
    const bool toEnd = event->modifiers() & Qt::ControlModifier;
    const int page = std::max(VisibleRowCount() - 1, 1);
    switch (event->key()) {
        case Qt::Key_Up: MoveCurrent(0, -1, extend); return;
        case Qt::Key_Down: MoveCurrent(0, 1, extend); return;
        case Qt::Key_Left: MoveCurrent(-1, 0, extend); return;
        case Qt::Key_Right: MoveCurrent(1, 0, extend); return;
        case Qt::Key_PageUp: MoveCurrent(0, -page, extend); return;
        case Qt::Key_PageDown: MoveCurrent(0, page, extend); return;
        case Qt::Key_Home: MoveCurrent(-ColumnCount(), toEnd ? -RowCount() : 0, extend); return;
        case Qt::Key_End: MoveCurrent(ColumnCount(), toEnd ? RowCount() : 0, extend); return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            keyboardFocusShown_ = true;
            host_.GridActivateCurrent();
            return;
        default: QAbstractScrollArea::keyPressEvent(event);
    }
}

void TStringGrid::mousePressEvent(QMouseEvent* event) {
    keyboardFocusShown_ = false;
    host_.GridMousePress(*event);
}

void TStringGrid::mouseMoveEvent(QMouseEvent* event) { host_.GridMouseMove(*event); }
void TStringGrid::mouseReleaseEvent(QMouseEvent* event) { host_.GridMouseRelease(*event); }
void TStringGrid::mouseDoubleClickEvent(QMouseEvent* event) { host_.GridDoubleClick(*event); }
void TStringGrid::dragEnterEvent(QDragEnterEvent* event) { host_.GridDragMove(*event); }
void TStringGrid::dragMoveEvent(QDragMoveEvent* event) { host_.GridDragMove(*event); }
void TStringGrid::dropEvent(QDropEvent* event) { host_.GridDrop(*event); }

void TStringGrid::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

}  // namespace vantaro
