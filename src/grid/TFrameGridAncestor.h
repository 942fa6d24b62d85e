#pragma once

#include <QPointer>

#include <memory>
#include <string>

#include "grid/CellPainter.h"
#include "grid/TFrameAncestor.h"
#include "grid/TStringGrid.h"
#include "grid/markup/CellPage.h"

class QMimeData;
class QPrinter;
class QPrintPreviewWidget;

namespace vantaro {

class CellEditor;
class CFactory;
struct CFactorySettings;
class GridPalette;
class TextWrapper;

// The base of every grid page. A page supplies the fraction of the width each column takes
// (ColumnWidth) and the code that fills the cells (BuildPage); the frame sizes, draws, scrolls,
// edits in place, drags and drops, copies and prints.
//
// BuildPage follows one protocol:
//   BeginPage(1, 1); SetRowCell(0, TitleCell("Pupils")); NextRow(); ... EndPage(1, 0);
//
// Cells refer to objects by ID; they are looked up in the main factory, whose settings give the
// colours, the font and the click mode.
class TFrameGridAncestor : public TFrameAncestor, protected TStringGridHost {
    Q_OBJECT

public:
    explicit TFrameGridAncestor(QWidget* parent = nullptr);
    ~TFrameGridAncestor() override;

    // The page.
    virtual double ColumnWidth(int column) = 0;
    virtual void BuildPage() = 0;
    void Refresh(int mode) override;
    // Column widths, then row heights.
    void Resize();
    virtual int RowHeight(int row);

    // Cells.
    const std::string& Cell(int column, int row) const { return cells_.Cell(column, row); }
    void SetCell(int column, int row, std::string markup);
    // (left, top) to (right, bottom), inclusive.
    QRect Selection() const { return grid_->Selection(); }
    void ClearCells();
    void SetSavedLeftColumn(int column) { savedLeftColumn_ = column; }
    void SetSavedTopRow(int row) { savedTopRow_ = row; }
    int SavedLeftColumn() const { return savedLeftColumn_; }
    int SavedTopRow() const { return savedTopRow_; }

    // Options.
    void SetRangeSelect(bool on) override;
    void SetAllowClear(bool on) { allowClear_ = on; }
    bool AllowClear() const { return allowClear_; }
    void SetDragSourceMode(bool on) { dragSourceMode_ = on; }
    // Items dragged from another grid are dropped into the open editor of a DRAG_TARGET cell
    // only, never onto a cell.
    void SetEditorDropsOnly(bool on) { editorDropsOnly_ = on; }
    bool DragSourceMode() const { return dragSourceMode_; }
    // The type images and pictures of the page; the shared sets unless a page brings its own.
    void SetTypeImages(const ImageList* images) { images_.types = images; }
    void SetPictures(const ImageList* images) { images_.pictures = images; }

    // Interaction.
    void RunCellAction() override;
    virtual void BeginEdit(int column, int row);
    virtual void EndEdit();
    virtual void CommitEdit();
    // Closes the editor and drops what was typed since the last commit.
    void CancelEdit();
    bool IsEditing() const { return editColumn_ >= 0; }
    QPoint EditingCell() const { return {editColumn_, editRow_}; }
    void CycleCheck(int column, int row);
    void CopyToClipboard();
    // The text CopyToClipboard puts on the clipboard.
    std::string PageText() const;

    // The cell last pressed (or activated from the keyboard); empty markup and -1 when none.
    const std::string& PressedMarkup() const { return pressedMarkup_; }
    QPoint PressedCell() const { return {pressedColumn_, pressedRow_}; }
    // The frame whose cell was dropped on this one in the last drop, while it exists.
    TFrameGridAncestor* DropSourceFrame() const { return dropSource_; }
    // What a drag from this frame's pressed cell carries.
    QMimeData* NewDragData();

    // Printing.
    void ShowPreview(bool on);
    bool IsPreviewShowing() const;
    void PrintPage();
    // Renders the page to a printer set up by the caller; the number of pages printed.
    int PrintTo(QPrinter& printer);
    // Writes the page as a PDF file; false (with a message) when the file cannot be written.
    bool SaveAsPdf(const QString& path);
    void SetPagePerTitle(bool on) { pagePerTitle_ = on; }
    bool PagePerTitle() const { return pagePerTitle_; }
    void SetLandscape(bool on);
    bool Landscape() const { return landscape_; }
    void PreviewFirstPage();
    void PreviewPriorPage();
    void PreviewNextPage();
    void PreviewLastPage();
    void PreviewZoomToWidth();
    void PreviewZoomToFit();
    int PreviewPageCount() const;
    int PreviewCurrentPage() const;
    // The report's title: the words of the frame's class name after "TFrame".
    QString ReportTitle() const;

    TStringGrid& Grid() const { return *grid_; }
    CellEditor& Editor() const { return *editor_; }

protected:
    // Page building, used inside BuildPage.
    void BeginPage(int columns, int rows);
    void NextRow() { cells_.NextRow(); }
    void NextColumn() { cells_.NextColumn(); }
    void SetRowCell(int column, std::string markup) { cells_.SetRowCell(column, std::move(markup)); }
    void SetColumnCell(int row, std::string markup) { cells_.SetColumnCell(row, std::move(markup)); }
    const std::string& RowCell(int column) const { return cells_.RowCell(column); }
    void HeadingRow(int count, std::string_view text, const CellLink& link = {});
    void TitleRow(int count, std::string_view text, const CellLink& link = {});
    void EndPage(int fixedRows, int fixedColumns);
    int CurrentColumn() const { return cells_.CurrentColumn(); }
    int CurrentRow() const { return cells_.CurrentRow(); }
    void SetCurrentColumn(int column) { cells_.SetCursor(column, cells_.CurrentRow()); }
    void SetCurrentRow(int row) { cells_.SetCursor(cells_.CurrentColumn(), row); }
    // Walks the object's associations depth first and lists their members in the column, one row
    // each from the current row on, as name labels whose LEVEL is their depth. Only associations
    // named in the path (any, when it is empty) are walked, and only those named in the collection
    // (any, when it is empty) are listed, names matched as whole words; a listed association puts
    // its members one level deeper.
    // Hidden objects are left out with everything below them; an object already being walked is
    // not walked again, so a cycle in a damaged store ends.
    void AddAssociationTree(int column, bool aggregatesOnly, std::string_view collection, std::string_view path,
                            int depth, CStored* object);

    // The grid's click notification: a left press on a cell, or Enter or Space on the current
    // cell. The base runs nothing; choosers cycle checks here.
    virtual void StringGridClick() {}

    // The share of the grid's client width the text takes in the grid's font, at most cap (and
    // cap while the grid has no width yet).
    double TextColumnShare(std::string_view text, double cap) const;

    const CFactory* Factory() const;
    const CFactorySettings& Settings() const;
    QFont GridFont() const;
    // Breaks text into lines in the grid's font; made again when the font changes.
    TextWrapper& Wrapper();

    // TStringGridHost.
    void GridPaintBegin() override;
    void DrawGridCell(QPainter& painter, int column, int row, const QRect& rect) override;
    QColor GridBackground() const override;
    QString GridCellText(int column, int row) const override;
    void GridMousePress(QMouseEvent& event) override;
    void GridMouseMove(QMouseEvent& event) override;
    void GridMouseRelease(QMouseEvent& event) override;
    void GridDoubleClick(QMouseEvent& event) override;
    void GridDragMove(QDragMoveEvent& event) override;
    void GridDrop(QDropEvent& event) override;
    void GridActivateCurrent() override;
    void GridCopy() override;
    void GridScrolled() override;
    void GridResized() override;

private:
    friend class GridPageReport;

    CellLayout LayOut(const CellFacts& facts, const QRect& rect) const;
    int ActionImage(const CellFacts& facts) const;
    bool IsTransientObject(const std::string& markup) const;
    void DrawRunEnd(CellPainter& painter, const CellFacts& facts, const CellLayout& layout, int column, int row);
    bool RunHasEnd(int column, int row) const;
    void PressCell(int column, int row, Qt::MouseButton button, const QPoint& globalPosition, bool extend);
    void TakePressedCell(int column, int row);
    void ScrollToEnd();
    void ApplyColumnWidths();
    void ApplyRowHeights();
    void MemoEditChange();
    void PlaceEditor(const PixelRect& area);
    bool WriteEditorText();
    void TellReplacedCharacters(const QStringList& replaced);
    bool AcceptsDrop(const QMimeData* data, const QPoint& position, TFrameGridAncestor** source) const;
    bool EditorDrop(const QMimeData* data, bool drop);
    void UpdatePointer(const QPoint& position);
    void PreparePreview(QPrinter* printer);
    QPrinter& Printer();

    CellPage cells_;
    TStringGrid* grid_ = nullptr;
    CellEditor* editor_ = nullptr;
    QPrintPreviewWidget* preview_ = nullptr;
    std::unique_ptr<QPrinter> printer_;
    CellImages images_;
    std::unique_ptr<GridPalette> palette_;  // resolved at the start of each paint
    std::unique_ptr<TextWrapper> wrapper_;

    bool rebuilding_ = false;
    int savedLeftColumn_ = 0;
    int savedTopRow_ = 0;
    bool allowClear_ = false;
    bool dragSourceMode_ = false;
    bool editorDropsOnly_ = false;

    std::string pressedMarkup_;
    int pressedColumn_ = -1;
    int pressedRow_ = -1;
    QPoint dragStart_;
    bool dragArmed_ = false;
    bool selecting_ = false;
    QPointer<TFrameGridAncestor> dropSource_;

    int editColumn_ = -1;
    int editRow_ = -1;
    bool replacementsTold_ = false;
    bool growing_ = false;
    bool ending_ = false;

    bool pagePerTitle_ = false;
    bool landscape_ = false;
    bool tooWideWarned_ = false;
};

}  // namespace vantaro
