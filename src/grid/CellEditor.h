#pragma once

#include <QPlainTextEdit>

#include <functional>

namespace vantaro {

// The in-place editor over a cell's text area: multi-line and word-wrapped for DATA cells, one
// line without wrapping for DATA_LINE. Tabs are typed into it; Ctrl+B inserts the pupil
// placeholder; Escape (and Return on one line) asks the frame to finish the edit.
class CellEditor : public QPlainTextEdit {
    Q_OBJECT

public:
    static constexpr const char* kPupilPlaceholder = "<PUPIL> ";

    explicit CellEditor(QWidget* parent);

    // Fills the editor for one edit; the text counts as unmodified afterwards.
    void Prepare(const QString& text, bool multiLine, const QFont& font, const QColor& background);
    bool IsMultiLine() const { return multiLine_; }
    bool IsModified() const;

    // Lines as shown, wrapped lines counted.
    int VisualLineCount() const;
    int RecordedLineCount() const { return recordedLineCount_; }

    // Decides on an item dragged from a grid: asked with drop unset whether it would be taken,
    // then with drop set to take it. Other drags are the text editor's own.
    using GridDropHandler = std::function<bool(const QMimeData* data, bool drop)>;
    void SetGridDropHandler(GridDropHandler handler) { gridDrop_ = std::move(handler); }

signals:
    void FinishRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    bool multiLine_ = true;
    int recordedLineCount_ = 0;
    GridDropHandler gridDrop_;
};

}  // namespace vantaro
