#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "grid/markup/CellMarkup.h"

namespace vantaro {

// The cells of a page and the cursor a page moves while it builds them. A cell may be put at any
// column and row, also beyond the grid's current size; the size is fixed by EndPage.
//
// Building: BeginPage(1, 1) puts the cursor on column 0, row 0; NextRow and NextColumn move it;
// SetRowCell and SetColumnCell place markup in the cursor's row or column; EndPage gives the grid's
// shape from the cursor.
class CellPage {
public:
    struct Shape {
        int columns = 1;
        int rows = 1;
        int fixedRows = 0;
        int fixedColumns = 0;
    };

    // Empties every cell and puts the cursor on column columns - 1, row rows - 1.
    void BeginPage(int columns, int rows);
    void NextRow() { ++row_; }
    void NextColumn() { ++column_; }
    // Nothing when either index is negative.
    void SetRowCell(int column, std::string markup) { SetCell(column, row_, std::move(markup)); }
    void SetColumnCell(int row, std::string markup) { SetCell(column_, row, std::move(markup)); }
    const std::string& RowCell(int column) const { return Cell(column, row_); }
    // The grid's shape: the cursor's column and row + 1; the fixed counts only when less than the
    // column and row counts, else 0.
    Shape EndPage(int fixedRows, int fixedColumns) const;

    int CurrentColumn() const { return column_; }
    int CurrentRow() const { return row_; }
    void SetCursor(int column, int row) {
        column_ = column;
        row_ = row;
    }

    // Empty text outside the stored cells and for negative indexes.
    const std::string& Cell(int column, int row) const;
    void SetCell(int column, int row, std::string markup);
    void Clear();

    // Runs of cells that read as one shape (EFFECT LEFT, LEFT and RIGHT, RIGHT): the column of
    // the cell that ends the run a cell starts, looking right up to `columns`, or of the cell
    // that starts the run a cell ends, looking left; -1 when there is none.
    int RunEnd(int column, int row, int columns) const;
    int RunStart(int column, int row) const;

    // A heading (or title) over `count` columns of the current row from column 0: the text in the
    // first cell, the link's action in the last. One column gets a single HeadingCell.
    void HeadingRow(int count, std::string_view text, const CellLink& link = {});
    void TitleRow(int count, std::string_view text, const CellLink& link = {});

private:
    using Builder = std::string (*)(std::string_view, const CellLink&);
    void SpanningRow(int count, std::string_view text, const CellLink& link, Builder single,
                     Builder start, Builder middle, Builder end);

    std::vector<std::vector<std::string>> rows_;
    int column_ = 0;
    int row_ = 0;
};

}  // namespace vantaro
