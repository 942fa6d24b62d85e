#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <string>

#include "controllers/TFormControlerAncestor.h"
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

// The window that is modal now, as the given class; null when another is.
template <class Window>
Window* ModalWindow() {
    return qobject_cast<Window*>(QApplication::activeModalWidget());
}

// Runs `inside` once the next modal window has opened (from the event loop it runs).
inline void WhenModal(std::function<void()> inside) { QTimer::singleShot(0, std::move(inside)); }

// A year with default settings in the main factory, on the fake platform, and a shown window.
class ControllerTest : public ::testing::Test {
protected:
    ControllerTest() : previous_(CFactory::MainFactory()) {
        factory.ReadSettings();
        CFactory::SetMainFactory(&factory);
        window.show();
    }
    ~ControllerTest() override { CFactory::SetMainFactory(previous_); }

    // Runs a cell as a click on it would.
    void Run(const std::string& markup) { window.RunCell(markup); }
    // Clicks the cell of a modal window's page whose display text is the text.
    static void ClickText(TFrameGridAncestor& page, const std::string& text) {
        for (int row = 0; row < page.Grid().RowCount(); ++row) {
            if (CellDisplayText(page.Cell(0, row)) != text) continue;
            const QPoint at = page.Grid().CellRect(0, row).center();
            QTest::mouseClick(page.Grid().viewport(), Qt::LeftButton, {}, at);
            return;
        }
        ADD_FAILURE() << "no cell shows " << text;
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

}  // namespace vantaro::test
