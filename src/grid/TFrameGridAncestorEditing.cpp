// The grid frame's in-place editor: opening it over a cell, writing its text back to the cell's
// object or the cell itself, and growing the row while the text gains lines.

#include "factory/CStored.h"
#include "grid/CellEditor.h"
#include "grid/CellText.h"
#include "grid/GridErrors.h"
#include "grid/TFrameGridAncestor.h"
#include "routines/XMLRoutines.h"

namespace vantaro {
namespace {

// Sets a flag for the lifetime of a scope, so a handler that shows a message box is not entered
// again from the events of that box.
class ScopedFlag {
public:
    explicit ScopedFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~ScopedFlag() { flag_ = false; }
    ScopedFlag(const ScopedFlag&) = delete;
    ScopedFlag& operator=(const ScopedFlag&) = delete;

private:
    bool& flag_;
};

}  // namespace

void TFrameGridAncestor::BeginEdit(int column, int row) {
    editColumn_ = -1;
    editRow_ = -1;
    const std::string& markup = cells_.Cell(column, row);
    const CellFacts facts = ReadCellFacts(markup);
    if (!facts.IsEditable()) return;
    const QRect rect = grid_->CellRect(column, row);
    if (rect.isEmpty()) return;
    const CellLayout layout = LayOut(facts, rect);
    const PixelRect& area = layout.text;
    const TColor background = facts.dragTarget ? Settings().DragBackgroundColor : Settings().BackgroundColor;
    editor_->Prepare(FromLatin1(CellDisplayText(markup, Factory())), facts.style == cell::kData, GridFont(),
                     ResolveColor(background, palette()));
    PlaceEditor(area);
    editor_->raise();
    editor_->show();
    editColumn_ = column;
    editRow_ = row;
    if (window()->isWindow()) editor_->setFocus();
}

// The editor lies exactly over the cell's text area.
void TFrameGridAncestor::PlaceEditor(const PixelRect& area) {
    editor_->setGeometry(area.left, area.top, std::max(area.Width(), 1), std::max(area.Height(), 1));
}

void TFrameGridAncestor::CommitEdit() {
    if (!IsEditing() || !editor_->isVisible() || !editor_->IsModified()) return;
    if (WriteEditorText()) editor_->hide();
}

// Writes the typed text to the cell's attribute, converted for its FORMAT, or into a TEXT cell's
// content. False when the attribute no longer exists (the editor then stays as it is). A value
// that cannot be converted is reported by the conversion and not written.
bool TFrameGridAncestor::WriteEditorText() {
    QStringList replaced;
    const std::string text = ToStoredText(editor_->toPlainText(), &replaced);
    TellReplacedCharacters(replaced);
    const std::string markup = cells_.Cell(editColumn_, editRow_);
    const std::string content = CellValue(markup, cell::kContent);
    CStored* object = CellObject(markup, Factory());
    if (object && content == cell::kAttribute) {
        const std::string name = CellAttributeName(markup);
        const int index = object->IndexOfProperty("ATTRIBUTE", name);
        if (index < 0) return false;
        std::string value = text;
        if (!InputToStored(object->PropertyFormat(index), value)) return true;
        if (value != object->PropertyContent(index)) object->SetAttributeValue(name, value);
    } else if (content == cell::kText) {
        cells_.SetCell(editColumn_, editRow_, ReplaceTagContent(markup, EscapeText(text)));
    }
    editor_->document()->setModified(false);
    return true;
}

void TFrameGridAncestor::TellReplacedCharacters(const QStringList& replaced) {
    if (replaced.isEmpty() || replacementsTold_) return;
    replacementsTold_ = true;
    const std::string list = ToStoredText(replaced.join(QStringLiteral(", ")));
    Platform::Prompts().Ask("Characters Replaced",
                            "Some of the characters typed cannot be kept in the data store and were "
                            "changed: " + list + ".",
                            MessageButtons::Close);
}

void TFrameGridAncestor::EndEdit() {
    if (ending_ || !IsEditing()) return;
    const ScopedFlag ending(ending_);
    const bool hadFocus = editor_->hasFocus();
    CommitEdit();
    editor_->hide();
    if (hadFocus) grid_->setFocus();
    editColumn_ = -1;
    editRow_ = -1;
    grid_->viewport()->update();
}

void TFrameGridAncestor::CancelEdit() {
    if (!IsEditing()) return;
    editor_->hide();
    editColumn_ = -1;
    editRow_ = -1;
    grid_->viewport()->update();
}

// Called on every change of the editor's text. When the text has gained or lost a line the row
// is measured again, so the cell grows while the teacher types; the text typed so far is written
// first so the measure sees it.
void TFrameGridAncestor::MemoEditChange() {
    if (growing_ || !IsEditing() || !editor_->isVisible()) return;
    if (editor_->VisualLineCount() == editor_->RecordedLineCount()) return;
    const ScopedFlag growing(growing_);
    const int column = editColumn_;
    const int row = editRow_;
    const int caret = editor_->textCursor().position();
    ReportErrors([&] {
        CommitEdit();
        grid_->SetRowHeight(row, RowHeight(row));
        const QRect rect = grid_->CellRect(column, row);
        if (!rect.isEmpty() && rect.bottom() + 1 >= grid_->ClientHeight()) grid_->SetTopRow(grid_->TopRow() + 1);
        if (!IsEditing()) {
            BeginEdit(column, row);
            QTextCursor cursor = editor_->textCursor();
            cursor.setPosition(std::min(caret, static_cast<int>(editor_->document()->characterCount()) - 1));
            editor_->setTextCursor(cursor);
        } else {
            PlaceEditor(LayOut(ReadCellFacts(cells_.Cell(column, row)), grid_->CellRect(column, row)).text);
        }
    });
    if (!IsEditing()) return;
    editor_->show();
    editor_->raise();
    editor_->setFocus();
}

}  // namespace vantaro
