#include "grid/markup/CellPage.h"

#include <algorithm>

#include "grid/markup/CellReaders.h"

namespace vantaro {
namespace {

const std::string kNoCell;

}  // namespace

void CellPage::BeginPage(int columns, int rows) {
    Clear();
    column_ = columns - 1;
    row_ = rows - 1;
}

CellPage::Shape CellPage::EndPage(int fixedRows, int fixedColumns) const {
    Shape shape;
    shape.columns = std::max(column_ + 1, 1);
    shape.rows = std::max(row_ + 1, 1);
    shape.fixedRows = fixedRows > 0 && fixedRows < shape.rows ? fixedRows : 0;
    shape.fixedColumns = fixedColumns > 0 && fixedColumns < shape.columns ? fixedColumns : 0;
    return shape;
}

const std::string& CellPage::Cell(int column, int row) const {
    if (column < 0 || row < 0 || row >= static_cast<int>(rows_.size())) return kNoCell;
    const std::vector<std::string>& cells = rows_[row];
    return column < static_cast<int>(cells.size()) ? cells[column] : kNoCell;
}

void CellPage::SetCell(int column, int row, std::string markup) {
    if (column < 0 || row < 0) return;
    if (row >= static_cast<int>(rows_.size())) {
        if (markup.empty()) return;
        rows_.resize(row + 1);
    }
    std::vector<std::string>& cells = rows_[row];
    if (column >= static_cast<int>(cells.size())) {
        if (markup.empty()) return;
        cells.resize(column + 1);
    }
    cells[column] = std::move(markup);
}

void CellPage::Clear() { rows_.clear(); }

int CellPage::RunEnd(int column, int row, int columns) const {
    for (int next = column + 1; next < columns; ++next) {
        const CellEffect effect = ReadEffect(CellValue(Cell(next, row), cell::kEffect));
        if (effect.EndsRun()) return next;
        if (effect.StartsRun()) return -1;
    }
    return -1;
}

int CellPage::RunStart(int column, int row) const {
    for (int start = column; start >= 0; --start)
        if (ReadEffect(CellValue(Cell(start, row), cell::kEffect)).StartsRun()) return start;
    return -1;
}

void CellPage::HeadingRow(int count, std::string_view text, const CellLink& link) {
    SpanningRow(count, text, link, HeadingCell, HeadingCellStart, HeadingCellMiddle, HeadingCellEnd);
}

void CellPage::TitleRow(int count, std::string_view text, const CellLink& link) {
    SpanningRow(count, text, link, TitleCell, TitleCellStart, TitleCellMiddle, TitleCellEnd);
}

void CellPage::SpanningRow(int count, std::string_view text, const CellLink& link, Builder single,
                           Builder start, Builder middle, Builder end) {
    if (count < 1) return;
    if (count == 1) {
        SetRowCell(0, single(text, link));
        return;
    }
    SetRowCell(0, start(text, {.target = link.target, .source = link.source}));
    for (int column = 1; column < count - 1; ++column)
        SetRowCell(column, middle({}, {.target = link.target}));
    SetRowCell(count - 1, end({}, {.action = link.action, .target = link.target, .level = link.level}));
}

}  // namespace vantaro
