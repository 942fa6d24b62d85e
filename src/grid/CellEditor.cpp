#include "grid/CellEditor.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QTextBlock>

#include "grid/CellText.h"
#include "grid/GridDragData.h"

namespace vantaro {

CellEditor::CellEditor(QWidget* parent) : QPlainTextEdit(parent) {
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(false);
    document()->setDocumentMargin(kTextPadding);
    hide();
}

void CellEditor::Prepare(const QString& text, bool multiLine, const QFont& font, const QColor& background) {
    multiLine_ = multiLine;
    setLineWrapMode(multiLine ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setFont(font);
    QPalette colors = palette();
    colors.setColor(QPalette::Base, background);
    setPalette(colors);
    setPlainText(Paragraphs(text).join(QLatin1Char('\n')));
    document()->setDocumentMargin(kTextPadding);
    moveCursor(QTextCursor::End);
    document()->setModified(false);
    recordedLineCount_ = VisualLineCount();
}

bool CellEditor::IsModified() const { return document()->isModified(); }

// A grid item is taken whole by the handler, never inserted as text where the mouse is.
void CellEditor::dragEnterEvent(QDragEnterEvent* event) {
    if (!qobject_cast<const GridDragData*>(event->mimeData())) return QPlainTextEdit::dragEnterEvent(event);
    if (gridDrop_ && gridDrop_(event->mimeData(), false)) event->acceptProposedAction();
    else event->ignore();
}

void CellEditor::dragMoveEvent(QDragMoveEvent* event) {
    if (!qobject_cast<const GridDragData*>(event->mimeData())) return QPlainTextEdit::dragMoveEvent(event);
    if (gridDrop_ && gridDrop_(event->mimeData(), false)) event->acceptProposedAction();
    else event->ignore();
}

void CellEditor::dropEvent(QDropEvent* event) {
    if (!qobject_cast<const GridDragData*>(event->mimeData())) return QPlainTextEdit::dropEvent(event);
    if (!gridDrop_ || !gridDrop_(event->mimeData(), true)) return event->ignore();
    event->acceptProposedAction();
}

int CellEditor::VisualLineCount() const {
    int lines = 0;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
        lines += std::max(block.lineCount(), 1);
    return lines;
}

void CellEditor::keyPressEvent(QKeyEvent* event) {
    recordedLineCount_ = VisualLineCount();
    if (event->key() == Qt::Key_B && event->modifiers() == Qt::ControlModifier) {
        insertPlainText(QString::fromLatin1(kPupilPlaceholder));
        return;
    }
    if (event->key() == Qt::Key_Escape ||
        (!multiLine_ && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter))) {
        emit FinishRequested();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void CellEditor::contextMenuEvent(QContextMenuEvent* event) {
    recordedLineCount_ = VisualLineCount();
    QPlainTextEdit::contextMenuEvent(event);
}

}  // namespace vantaro
