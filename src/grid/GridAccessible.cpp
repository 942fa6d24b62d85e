#include "grid/GridAccessible.h"

#include <QPointer>
#include <QWidget>

#include "grid/TStringGrid.h"

namespace vantaro {
namespace {

class CellAccessible : public QAccessibleInterface {
public:
    CellAccessible(TStringGrid* grid, int column, int row) : grid_(grid), column_(column), row_(row) {}

    bool isValid() const override { return grid_ != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return grid_ ? grid_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(grid_.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text kind) const override {
        return grid_ && kind == QAccessible::Name ? grid_->CellText(column_, row_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!grid_) return {};
        const QRect cell = grid_->CellRect(column_, row_);
        return QRect(grid_->viewport()->mapToGlobal(cell.topLeft()), cell.size());
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State state;
        if (!grid_) return state;
        state.focusable = true;
        state.selectable = true;
        state.focused = grid_->hasFocus() && grid_->Current() == QPoint(column_, row_);
        state.selected = grid_->IsSelected(column_, row_);
        state.invisible = grid_->CellRect(column_, row_).isEmpty();
        return state;
    }

private:
    QPointer<TStringGrid> grid_;
    int column_;
    int row_;
};

QAccessibleInterface* GridFactory(const QString& className, QObject* object) {
    if (className != QLatin1String("vantaro::TStringGrid")) return nullptr;
    auto* grid = qobject_cast<TStringGrid*>(object);
    return grid ? new GridAccessible(grid) : nullptr;
}

}  // namespace

GridAccessible::GridAccessible(TStringGrid* grid) : QAccessibleWidget(grid, QAccessible::Table) {}

GridAccessible::~GridAccessible() {
    for (const auto& [cell, id] : cells_) QAccessible::deleteAccessibleInterface(id);
}

void GridAccessible::Install() {
    static const bool installed = [] {
        QAccessible::installFactory(GridFactory);
        return true;
    }();
    (void)installed;
}

TStringGrid* GridAccessible::Grid() const { return static_cast<TStringGrid*>(widget()); }

std::vector<std::pair<int, int>> GridAccessible::VisibleCells() const {
    std::vector<std::pair<int, int>> cells;
    Grid()->ForEachVisibleCell([&cells](int column, int row, const QRect&) { cells.emplace_back(column, row); });
    return cells;
}

int GridAccessible::childCount() const { return static_cast<int>(VisibleCells().size()); }

QAccessibleInterface* GridAccessible::CellInterface(int column, int row) const {
    const auto key = std::make_pair(column, row);
    const auto found = cells_.find(key);
    if (found != cells_.end()) return QAccessible::accessibleInterface(found->second);
    auto* cell = new CellAccessible(Grid(), column, row);
    cells_[key] = QAccessible::registerAccessibleInterface(cell);
    return cell;
}

QAccessibleInterface* GridAccessible::child(int index) const {
    const auto cells = VisibleCells();
    if (index < 0 || index >= static_cast<int>(cells.size())) return nullptr;
    return CellInterface(cells[index].first, cells[index].second);
}

int GridAccessible::IndexOfCell(int column, int row) const {
    const auto cells = VisibleCells();
    const auto found = std::find(cells.begin(), cells.end(), std::make_pair(column, row));
    return found == cells.end() ? -1 : static_cast<int>(found - cells.begin());
}

int GridAccessible::indexOfChild(const QAccessibleInterface* child) const {
    for (const auto& [cell, id] : cells_)
        if (QAccessible::accessibleInterface(id) == child) return IndexOfCell(cell.first, cell.second);
    return -1;
}

QAccessibleInterface* GridAccessible::childAt(int x, int y) const {
    const TStringGrid* grid = Grid();
    const QPoint cell = grid->CellAt(grid->viewport()->mapFromGlobal(QPoint(x, y)));
    return cell.x() < 0 ? nullptr : CellInterface(cell.x(), cell.y());
}

QAccessibleInterface* GridAccessible::focusChild() const {
    const QPoint current = Grid()->Current();
    return Grid()->hasFocus() ? CellInterface(current.x(), current.y()) : nullptr;
}

}  // namespace vantaro
