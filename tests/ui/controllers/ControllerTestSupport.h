#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "controllers/TFormControlerAncestor.h"
#include "controllers/data/TFormDataControler.h"
#include "domain/CRovanFactory.h"
#include "domain/Periods.h"
#include "domain/People.h"
#include "grid/TFrameGridAncestor.h"
#include "grid/markup/CellReaders.h"
#include "support/FakePlatform.h"

namespace vantaro::test {

// A page that shows whatever cells a test puts on it.
class CellsPage : public TFrameGridAncestor {
public:
    using TFrameGridAncestor::TFrameGridAncestor;
    double ColumnWidth(int column) override { return column == 0 ? 1.0 : 0.0; }
    void BuildPage() override {
        BeginPage(1, 1);
        for (std::size_t r = 0; r < rows.size(); ++r) {
            if (r > 0) NextRow();
            SetRowCell(0, rows[r]);
        }
        EndPage(0, 0);
    }
    std::vector<std::string> rows;
};

// A plain window with the shared actions and one page of cells.
class TestWindow : public TFormControlerAncestor {
public:
    TestWindow() : TFormControlerAncestor("TFormTestWindow", QSize(500, 400)) {
        page = new CellsPage(this);
        setCentralWidget(page);
        SetCurrentView(page);
    }
    CellsPage* page;
};

// Stands in for the main window: a plain window, and a record of what the data window asked.
class FakeMain final : public MainWindowCommands {
public:
    QWidget& MainWidget() override { return widget; }
    bool SaveStore() override { return ++saves, true; }
    bool SaveStoreAs() override { return ++saveAses, true; }
    void RegisterDataWindow(TFormDataControler&) override { ++registered; }
    void UnregisterDataWindow(TFormDataControler&) override { --registered; }
    void ShowOrganiser(Organiser organiser) override { shown = organiser; }
    void CloseApplication() override { ++applicationClosed; }
    bool RunWizard(const std::string& name, CStored*, QWidget*) override {
        wizards.push_back(name);
        return wizardFinishes;
    }
    QString ChoosePdfFile(const QString& initialName) override {
        offeredPdfName = initialName;
        return pdfFile;
    }

    QWidget widget;
    int saves = 0;
    int saveAses = 0;
    int registered = 0;
    int applicationClosed = 0;
    std::optional<Organiser> shown;
    QString pdfFile;  // what the PDF file dialog answers; empty is Cancel
    QString offeredPdfName;
    std::vector<std::string> wizards;  // the names started, in order
    bool wizardFinishes = true;
};

// The window that is modal now, as the given class; null when another is.
template <class Window>
Window* ModalWindow() {
    return qobject_cast<Window*>(QApplication::activeModalWidget());
}

// A year with default settings in the main factory and the fake platform (15 March 2007), and a
// shown window with the shared actions.
class ControllerTest : public ::testing::Test {
protected:
    ControllerTest() : previous_(CFactory::MainFactory()) {
        factory.ReadSettings();
        CFactory::SetMainFactory(&factory);
        window.show();
    }
    ~ControllerTest() override { CFactory::SetMainFactory(previous_); }

    // Acts on the next window to run modally, once it is up and active, as the user would. A
    // window the action leaves open is closed after a while, so a failing test cannot hang.
    static void WhenModal(std::function<void(QWidget&)> user) {
        QTimer::singleShot(0, [user = std::move(user)] {
            QPointer<QWidget> modal = QApplication::activeModalWidget();
            if (!modal) {
                ADD_FAILURE() << "no window runs modally";
                return;
            }
            EXPECT_TRUE(QTest::qWaitForWindowActive(modal));
            user(*modal);
            QTimer::singleShot(5000, modal, [modal] {
                if (!modal->isVisible() || QApplication::activeModalWidget() != modal) return;
                ADD_FAILURE() << "the modal window was left open";
                modal->close();
            });
        });
    }

    // Runs a cell as a click on it would.
    void Run(const std::string& markup) { window.RunCell(markup); }
    // Clicks the first cell of a page whose display text is the text.
    static void ClickText(TFrameGridAncestor& page, const std::string& text) {
        const int row = RowOf(page, text);
        if (row < 0) {
            ADD_FAILURE() << "no cell shows " << text;
            return;
        }
        QTest::mouseClick(page.Grid().viewport(), Qt::LeftButton, {}, page.Grid().CellRect(0, row).center());
    }
    static int RowOf(const TFrameGridAncestor& page, const std::string& text) {
        for (int row = 0; row < page.Grid().RowCount(); ++row)
            if (CellDisplayText(page.Cell(0, row)) == text) return row;
        return -1;
    }

    FakePlatform platform;
    CRovanFactory factory;
    CYear* year = factory.NewDataStore(false);
    TestWindow window;

private:
    CFactory* previous_;
};

// The cell of a page whose target and source are the objects; (-1, -1) when there is none.
inline QPoint CellOf(const TFrameGridAncestor& page, const CStored* target, const CStored* source = nullptr) {
    for (int row = 0; row < page.Grid().RowCount(); ++row)
        for (int column = 0; column < page.Grid().ColumnCount(); ++column)
            if (CellTarget(page.Cell(column, row)) == target && CellSource(page.Cell(column, row)) == source)
                return {column, row};
    return {-1, -1};
}

// Presses a cell as the mouse would.
inline void PressCell(TFrameGridAncestor& page, QPoint cell, Qt::MouseButton button = Qt::LeftButton,
                      Qt::KeyboardModifiers modifiers = {}) {
    page.Grid().ScrollIntoView(cell.x(), cell.y());
    QTest::mouseClick(page.Grid().viewport(), button, modifiers, page.Grid().CellRect(cell.x(), cell.y()).center());
}

// The first cell whose TARGET is the object, whatever its SOURCE; (-1, -1) when none.
inline QPoint CellTargeting(const TFrameGridAncestor& page, const CStored* target) {
    for (int row = 0; row < page.Grid().RowCount(); ++row)
        for (int column = 0; column < page.Grid().ColumnCount(); ++column)
            if (CellTarget(page.Cell(column, row)) == target) return {column, row};
    return {-1, -1};
}

// The first row whose first cell shows the text; -1 when none.
inline int RowShowing(const TFrameGridAncestor& page, const std::string& text) {
    for (int row = 0; row < page.Grid().RowCount(); ++row)
        if (CellDisplayText(page.Cell(0, row)) == text) return row;
    return -1;
}

// The first cell of the first column that shows the text; (0, -1) when none.
inline QPoint CellShowing(const TFrameGridAncestor& page, const std::string& text) {
    return {0, RowShowing(page, text)};
}

// Sends a drag of the frame's pressed cell into the widget and drops it there, as the mouse would.
inline void DragInto(TFrameGridAncestor& from, QWidget& into) {
    std::unique_ptr<QMimeData> data(from.NewDragData());
    const QPointF at = QRectF(into.rect()).center();
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, data.get(), Qt::LeftButton, {});
    QApplication::sendEvent(&into, &enter);
    ASSERT_TRUE(enter.isAccepted()) << "the editor takes the item";
    QDropEvent drop(at, Qt::CopyAction, data.get(), Qt::LeftButton, {});
    QApplication::sendEvent(&into, &drop);
}

// Triggers the entry of an open menu shown with the caption, and closes the menu.
inline bool ChooseMenuEntry(QMenu& menu, const QString& caption) {
    for (QAction* entry : menu.actions()) {
        if (entry->text() != caption || !entry->isVisible()) continue;
        menu.hide();
        entry->trigger();
        return true;
    }
    ADD_FAILURE() << "no menu entry " << caption.toStdString();
    return false;
}

}  // namespace vantaro::test
