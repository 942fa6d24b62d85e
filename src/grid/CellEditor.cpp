#include "grid/CellEditor.h"

#include <QKeyEvent>
#include <QTextBlock>

#include "grid/CellText.h"

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
