#include "grid/TFrameGridAncestor.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QVBoxLayout>

#include <cmath>

#include "factory/CFactory.h"
#include "grid/CellEditor.h"
#include "grid/CellText.h"
#include "grid/GridController.h"
#include "grid/GridErrors.h"
#include "grid/ImageList.h"
#include "routines/NumberText.h"
#include "routines/Platform.h"
#include "routines/XMLRoutines.h"

namespace vantaro {
namespace {

// Room left at the right for the vertical scroll bar, and below a capped row.
constexpr int kScrollBarRoom = 16;
constexpr int kRowMargin = 16;
constexpr int kRowCapRoom = 32;
constexpr int kMeasureHeight = 100;

}  // namespace

TFrameGridAncestor::TFrameGridAncestor(QWidget* parent) : TFrameAncestor(parent) {
    images_ = {&grid_images::TypeImages(), &grid_images::CheckImages(), &grid_images::Pictures(), nullptr};
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    grid_ = new TStringGrid(*this, this);
    grid_->setObjectName(QStringLiteral("StringGrid"));
    grid_->hide();
    layout->addWidget(grid_);
    editor_ = new CellEditor(grid_->viewport());
    editor_->setObjectName(QStringLiteral("MemoEdit"));
    connect(editor_, &QPlainTextEdit::textChanged, this, [this] { MemoEditChange(); });
    editor_->SetGridDropHandler([this](const QMimeData* data, bool drop) { return EditorDrop(data, drop); });
    connect(editor_, &CellEditor::FinishRequested, this, [this] {
        ReportErrors([this] { EndEdit(); });
        grid_->setFocus();
    });
}

TFrameGridAncestor::~TFrameGridAncestor() = default;

const CFactory* TFrameGridAncestor::Factory() const { return CFactory::MainFactory(); }

const CFactorySettings& TFrameGridAncestor::Settings() const {
    static const CFactorySettings defaults = CFactory::DefaultSettings();
    const CFactory* factory = Factory();
    return factory ? factory->Settings() : defaults;
}

QFont TFrameGridAncestor::GridFont() const { return SettingsFont(Settings().Font); }

TextWrapper& TFrameGridAncestor::Wrapper() {
    const QFont font = GridFont();
    if (!wrapper_ || wrapper_->Font() != font) wrapper_ = std::make_unique<TextWrapper>(font);
    return *wrapper_;
}

void TFrameGridAncestor::SetRangeSelect(bool on) {
    TFrameAncestor::SetRangeSelect(on);
    grid_->SetRangeSelect(on);
}

void TFrameGridAncestor::SetCell(int column, int row, std::string markup) {
    cells_.SetCell(column, row, std::move(markup));
    grid_->viewport()->update();
}

void TFrameGridAncestor::ClearCells() {
    cells_.Clear();
    editor_->lower();
}

void TFrameGridAncestor::BeginPage(int columns, int rows) {
    grid_->setFont(GridFont());
    ClearCells();
    cells_.BeginPage(columns, rows);
}

void TFrameGridAncestor::HeadingRow(int count, std::string_view text, const CellLink& link) {
    cells_.HeadingRow(count, text, link);
}

void TFrameGridAncestor::TitleRow(int count, std::string_view text, const CellLink& link) {
    cells_.TitleRow(count, text, link);
}

void TFrameGridAncestor::EndPage(int fixedRows, int fixedColumns) {
    const CellPage::Shape shape = cells_.EndPage(fixedRows, fixedColumns);
    grid_->SetShape(shape.columns, shape.rows, shape.fixedRows, shape.fixedColumns);
    grid_->show();
}

// An open editor is committed and closed first: after the rebuild its cell may show another
// object, and its text must go to the one it was typed for.
void TFrameGridAncestor::Refresh(int mode) {
    ReportErrors([this] { EndEdit(); });
    rebuilding_ = true;
    const int savedLeft = savedLeftColumn_;
    const int savedTop = savedTopRow_;
    const bool built = ReportErrors([this] {
        BusyScope busy;
        BuildPage();
    });
    if (!built) EndPage(0, 0);
    ReportErrors([this] { Resize(); });
    rebuilding_ = false;

    const int fixedRows = grid_->FixedRows();
    const int fixedColumns = grid_->FixedColumns();
    switch (mode) {
        case 1:
            grid_->SetLeftColumn(std::clamp(savedLeft, fixedColumns, grid_->ColumnCount() - 1));
            grid_->SetTopRow(std::clamp(savedTop, fixedRows, grid_->RowCount() - 1));
            break;
        case 2:
            grid_->SetLeftColumn(fixedColumns);
            ScrollToEnd();
            break;
        default:
            grid_->SetLeftColumn(fixedColumns);
            grid_->SetTopRow(fixedRows);
    }
    savedLeftColumn_ = grid_->LeftColumn();
    savedTopRow_ = grid_->TopRow();
    grid_->viewport()->update();
    if (window()->isVisible()) grid_->setFocus();
}

// The last row wholly in view, with as many rows above it as fit.
void TFrameGridAncestor::ScrollToEnd() { grid_->SetTopRow(grid_->MaxTopRow()); }

void TFrameGridAncestor::Resize() {
    ApplyColumnWidths();
    ApplyRowHeights();
}

void TFrameGridAncestor::ApplyColumnWidths() {
    const int usable = grid_->width() - kScrollBarRoom;
    std::vector<int> widths(grid_->ColumnCount());
    for (int column = 0; column < grid_->ColumnCount(); ++column) {
        const double fraction = ColumnWidth(column);
        const double width = std::isfinite(fraction) ? fraction * usable : 0;
        widths[column] = width > 0 ? static_cast<int>(width) : 0;
    }
    grid_->SetColumnWidths(std::move(widths));
}

void TFrameGridAncestor::ApplyRowHeights() {
    std::vector<int> heights(grid_->RowCount());
    for (int row = 0; row < grid_->RowCount(); ++row) heights[row] = RowHeight(row);
    grid_->SetRowHeights(std::move(heights));
}

int TFrameGridAncestor::RowHeight(int row) {
    TextWrapper& wrapper = Wrapper();
    const int lineHeight = static_cast<int>(std::ceil(wrapper.LineHeight()));
    const int cap = std::max(grid_->ClientHeight() - kRowCapRoom, lineHeight + kRowMargin);
    int height = 0;
    for (int column = 0; column < grid_->ColumnCount(); ++column) {
        const std::string& markup = cells_.Cell(column, row);
        if (markup.empty()) continue;
        const CellFacts facts = ReadCellFacts(markup);
        int cellHeight = lineHeight;
        if (facts.style == cell::kData) {
            const CellLayout layout = LayOut(facts, QRect(0, 0, grid_->ColumnWidth(column), kMeasureHeight));
            QString text = FromLatin1(CellDisplayText(markup, Factory()));
            // A final line break opens no line of its own until something is typed after it.
            if (text.endsWith(QLatin1Char('\n'))) text.chop(text.endsWith(QStringLiteral("\r\n")) ? 2 : 1);
            int lines = text.isEmpty() ? 0 : wrapper.LineCount(text, layout.text.Width() - 2 * kTextPadding);
            if (!facts.readOnly) ++lines;
            cellHeight = lines * lineHeight;
        }
        height = std::min(std::max(height, cellHeight + kRowMargin), cap);
    }
    return height;
}

double TFrameGridAncestor::TextColumnShare(std::string_view text, double cap) const {
    const int clientWidth = grid_->viewport()->width();
    if (clientWidth <= 0) return cap;
    const double textWidth = QFontMetricsF(GridFont()).horizontalAdvance(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
    return std::min(textWidth / clientWidth, cap);
}

int TFrameGridAncestor::ActionImage(const CellFacts& facts) const {
    const GridController* controller = Controller();
    if (!controller || facts.action.empty()) return -1;
    const ImageList* images = controller->ActionImages();
    const int index = controller->ActionImageIndex(facts.action);
    return images && images->Has(index) ? index : -1;
}

CellLayout TFrameGridAncestor::LayOut(const CellFacts& facts, const QRect& rect) const {
    return LayOutCell(ToPixelRect(rect), facts, ActionImage(facts) >= 0);
}

bool TFrameGridAncestor::IsTransientObject(const std::string& markup) const {
    const CStored* object = CellObject(markup, Factory());
    return object && object->Status() == StoredStatus::Transient;
}

// The colours and the text wrapper are resolved once for all the cells of a paint.
void TFrameGridAncestor::GridPaintBegin() {
    palette_ = std::make_unique<GridPalette>(Settings(), palette());
    Wrapper();
}

QColor TFrameGridAncestor::GridBackground() const { return ResolveColor(Settings().BackgroundColor, palette()); }

QString TFrameGridAncestor::GridCellText(int column, int row) const {
    return FromLatin1(CellDisplayText(cells_.Cell(column, row), Factory()));
}

void TFrameGridAncestor::DrawGridCell(QPainter& painter, int column, int row, const QRect& rect) {
    if (rebuilding_) return;
    const std::string& markup = cells_.Cell(column, row);
    if (markup.empty()) return;
    CellImages images = images_;
    if (Controller()) images.actions = Controller()->ActionImages();
    CellPainter cellPainter(painter, *palette_, images, *wrapper_);

    const CellFacts facts = ReadCellFacts(markup);
    CellToPaint paint;
    paint.actionImage = ActionImage(facts);
    paint.layout = LayOutCell(ToPixelRect(rect), facts, paint.actionImage >= 0);
    paint.facts = &facts;
    paint.highlighted = ShowSelection() && facts.selection && grid_->IsSelected(column, row);
    paint.readOnly = facts.readOnly || IsTransientObject(markup);
    if (facts.style == cell::kImage) {
        const std::string content = TagContent(markup);
        long long index = -1;
        paint.picture = TryReadInteger(content, index) ? static_cast<int>(index) : -1;
    } else {
        paint.text = FromLatin1(CellDisplayText(markup, Factory()));
        paint.drawsOwnText = !(facts.effect.StartsRun() && RunHasEnd(column, row));
    }
    cellPainter.Draw(paint);
    if (facts.effect.EndsRun()) DrawRunEnd(cellPainter, facts, paint.layout, column, row);
}

// Whether a run's first cell is drawn over by the run's last cell.
bool TFrameGridAncestor::RunHasEnd(int column, int row) const {
    const int end = cells_.RunEnd(column, row, grid_->ColumnCount());
    return end >= 0 && !grid_->CellRect(end, row).isEmpty();
}

void TFrameGridAncestor::DrawRunEnd(CellPainter& painter, const CellFacts& facts, const CellLayout& layout,
                                    int column, int row) {
    const int start = cells_.RunStart(column, row);
    if (start < 0) return;
    const QRect startRect = grid_->CellRect(start, row);
    if (startRect.isEmpty()) return;
    const std::string& markup = cells_.Cell(start, row);
    const CellLayout startLayout = LayOut(ReadCellFacts(markup), startRect);
    const QRect area(QPoint(startLayout.text.left, startLayout.text.top),
                     QPoint(layout.text.right - 1, startLayout.text.bottom - 1));
    painter.DrawRunText(facts, area, FromLatin1(CellDisplayText(markup, Factory())));
}

void TFrameGridAncestor::GridScrolled() {
    ReportErrors([this] { EndEdit(); });
    savedLeftColumn_ = grid_->LeftColumn();
    savedTopRow_ = grid_->TopRow();
}

void TFrameGridAncestor::GridResized() {
    if (growing_) return;
    ReportErrors([this] {
        EndEdit();
        Resize();
    });
}

}  // namespace vantaro
