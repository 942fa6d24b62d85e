// The grid frame's mouse, keyboard, drag and drop, check cycling and clipboard.

#include <QApplication>
#include <QClipboard>
#include <QDrag>
#include <QDropEvent>
#include <QMouseEvent>

#include "grid/CellText.h"
#include "grid/GridController.h"
#include "grid/GridDragData.h"
#include "grid/GridErrors.h"
#include "grid/TFrameGridAncestor.h"

namespace vantaro {
namespace {

// A drag starts once the mouse has moved this far with the button held.
constexpr int kDragDistance = 5;

}  // namespace

void TFrameGridAncestor::RunCellAction() {
    if (pressedMarkup_.empty() || !Controller()) return;
    const std::string markup = pressedMarkup_;
    ReportErrors([&] { Controller()->RunCell(markup); });
}

void TFrameGridAncestor::GridMousePress(QMouseEvent& event) {
    const QPoint cell = grid_->CellAt(event.position().toPoint());
    if (event.button() == Qt::LeftButton && cell.x() >= 0) {
        dragStart_ = event.position().toPoint();
        selecting_ = true;
    }
    PressCell(cell.x(), cell.y(), event.button(), event.globalPosition().toPoint(),
              event.modifiers() & Qt::ShiftModifier);
}

void TFrameGridAncestor::PressCell(int column, int row, Qt::MouseButton button, const QPoint& globalPosition,
                                   bool extend) {
    QPointer<TFrameGridAncestor> alive(this);
    const bool onCell = column >= 0 && row >= 0;
    if (onCell && (!grid_->IsSelected(column, row) || extend)) grid_->SelectCell(column, row, extend);
    dragArmed_ = false;
    TakePressedCell(column, row);
    if (!onCell) return;
    // A fixed cell takes no selection, so pressing it is no click on the selected item.
    const bool selectable = column >= grid_->FixedColumns() && row >= grid_->FixedRows();
    if (button == Qt::LeftButton && selectable) StringGridClick();
    if (!alive) return;
    if (button == Qt::RightButton && !pressedMarkup_.empty() && Controller()) {
        const std::string markup = pressedMarkup_;
        ReportErrors([&] { Controller()->ShowCellMenu(globalPosition.x(), globalPosition.y(), markup); });
        if (!alive) return;
    }
    if (CellHas(pressedMarkup_, cell::kDragSource)) dragArmed_ = button == Qt::LeftButton;
    if (Settings().SingleClick && button == Qt::LeftButton) RunCellAction();
}

// A double-click runs a cell's action only when single clicks do not, so it never runs twice.
// The cell's markup is read again: the page may have been rebuilt since the cell was pressed (a
// lesson made by the last double-click now opens).
void TFrameGridAncestor::GridDoubleClick(QMouseEvent& event) {
    const QPoint cell = grid_->CellAt(event.position().toPoint());
    if (cell != PressedCell()) {
        const bool singleClick = Settings().SingleClick;
        PressCell(cell.x(), cell.y(), event.button(), event.globalPosition().toPoint(), false);
        if (singleClick) return;
    } else if (cell.x() >= 0) {
        pressedMarkup_ = cells_.Cell(cell.x(), cell.y());
    }
    if (!Settings().SingleClick && event.button() == Qt::LeftButton) RunCellAction();
}

void TFrameGridAncestor::GridMouseMove(QMouseEvent& event) {
    const QPoint position = event.position().toPoint();
    UpdatePointer(position);
    if (!(event.buttons() & Qt::LeftButton)) return;
    if (dragArmed_) {
        if ((position - dragStart_).manhattanLength() < kDragDistance) return;
        dragArmed_ = false;
        selecting_ = false;
        auto* drag = new QDrag(grid_->viewport());
        drag->setMimeData(NewDragData());
        drag->exec(Qt::CopyAction);
        return;
    }
    if (selecting_ && RangeSelect()) {
        const QPoint cell = grid_->CellAt(position);
        if (cell.x() >= 0) grid_->SelectCell(cell.x(), cell.y(), true);
    }
}

void TFrameGridAncestor::GridMouseRelease(QMouseEvent&) {
    dragArmed_ = false;
    selecting_ = false;
}

// Cells that run an action show the pointing hand, as links do.
void TFrameGridAncestor::UpdatePointer(const QPoint& position) {
    const QPoint cell = grid_->CellAt(position);
    const bool link = cell.x() >= 0 && Controller() && CellHas(cells_.Cell(cell.x(), cell.y()), cell::kAction);
    grid_->viewport()->setCursor(link ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

// The cell pressed (or activated from the keyboard) becomes the pressed cell; an open editor is
// committed and one opens on the cell when it is editable. Outside the cells nothing is pressed.
void TFrameGridAncestor::TakePressedCell(int column, int row) {
    pressedColumn_ = column;
    pressedRow_ = row;
    pressedMarkup_ = column >= 0 && row >= 0 ? cells_.Cell(column, row) : std::string();
    if (column < 0 || row < 0) return;
    replacementsTold_ = false;
    ReportErrors([&] {
        EndEdit();
        BeginEdit(column, row);
    });
}

void TFrameGridAncestor::GridActivateCurrent() {
    const QPoint current = grid_->Current();
    QPointer<TFrameGridAncestor> alive(this);
    TakePressedCell(current.x(), current.y());
    StringGridClick();
    if (alive) RunCellAction();
}

void TFrameGridAncestor::GridCopy() { CopyToClipboard(); }

QMimeData* TFrameGridAncestor::NewDragData() {
    auto* data = new GridDragData(this);
    data->setText(FromLatin1(CellDisplayText(pressedMarkup_, Factory())));
    return data;
}

bool TFrameGridAncestor::AcceptsDrop(const QMimeData* data, const QPoint& position,
                                     TFrameGridAncestor** source) const {
    const auto* dragged = dynamic_cast<const GridDragData*>(data);
    *source = dragged ? dragged->Source() : nullptr;
    if (editorDropsOnly_ || !*source || !CellHas((*source)->PressedMarkup(), cell::kDragSource)) return false;
    const QPoint cell = grid_->CellAt(position);
    return cell.x() >= 0 && CellHas(cells_.Cell(cell.x(), cell.y()), cell::kDragTarget);
}

// A drag that could be dropped on another cell ends the edit first; passing over the cell being
// edited, or over cells that take no drop, leaves the editor open for a drop into it.
void TFrameGridAncestor::GridDragMove(QDragMoveEvent& event) {
    TFrameGridAncestor* source = nullptr;
    const QPoint position = event.position().toPoint();
    if (AcceptsDrop(event.mimeData(), position, &source)) {
        if (grid_->CellAt(position) != EditingCell()) ReportErrors([this] { EndEdit(); });
        event.acceptProposedAction();
    } else {
        event.ignore();
    }
}

// An item from a grid's DRAG_SOURCE cell may be dropped into the editor of a DRAG_TARGET cell;
// the window merges it into the text.
bool TFrameGridAncestor::EditorDrop(const QMimeData* data, bool drop) {
    const auto* dragged = qobject_cast<const GridDragData*>(data);
    TFrameGridAncestor* source = dragged ? dragged->Source() : nullptr;
    if (!source || !IsEditing() || !Controller()) return false;
    const std::string dragSource = source->PressedMarkup();
    const std::string edited = cells_.Cell(editColumn_, editRow_);
    if (!CellHas(dragSource, cell::kDragSource) || !CellHas(edited, cell::kDragTarget)) return false;
    if (drop) ReportErrors([&] { Controller()->DropIntoEditor(edited, dragSource); });
    return true;
}

void TFrameGridAncestor::GridDrop(QDropEvent& event) {
    TFrameGridAncestor* source = nullptr;
    const QPoint position = event.position().toPoint();
    if (!AcceptsDrop(event.mimeData(), position, &source)) {
        event.ignore();
        return;
    }
    const QPoint cell = grid_->CellAt(position);
    const std::string target = cells_.Cell(cell.x(), cell.y());
    event.acceptProposedAction();
    if (target.empty() || source->PressedMarkup().empty() || !Controller()) return;
    dropSource_ = source;
    ReportErrors([&] { Controller()->RunCell(target); });
}

void TFrameGridAncestor::CycleCheck(int column, int row) {
    const std::string markup = cells_.Cell(column, row);
    const int check = ReadCellFacts(markup).check;
    if (check == -1) return;
    if (MultipleChoice()) {
        cells_.SetCell(column, row, SetCellValue(markup, cell::kCheck, check == 0 ? "1" : "0"));
    } else {
        for (int r = 1; r < grid_->RowCount(); ++r) {
            const std::string& other = cells_.Cell(column, r);
            if (CellHas(other, cell::kCheck)) cells_.SetCell(column, r, SetCellValue(other, cell::kCheck, "0"));
        }
        if (check == 0 || !allowClear_)
            cells_.SetCell(column, row, SetCellValue(cells_.Cell(column, row), cell::kCheck, "2"));
    }
    grid_->viewport()->update();
}

std::string TFrameGridAncestor::PageText() const {
    std::string text;
    for (int row = 0; row < grid_->RowCount(); ++row) {
        for (int column = 0; column < grid_->ColumnCount(); ++column) {
            text += CellDisplayText(cells_.Cell(column, row), Factory());
            text += '\t';
        }
        text += '\r';
    }
    return text;
}

void TFrameGridAncestor::CopyToClipboard() { QApplication::clipboard()->setText(FromLatin1(PageText())); }

}  // namespace vantaro
