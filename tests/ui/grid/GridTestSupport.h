#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <QWidget>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "domain/CRovanFactory.h"
#include "domain/Periods.h"
#include "domain/People.h"
#include "grid/CellEditor.h"
#include "grid/GridController.h"
#include "grid/ImageList.h"
#include "grid/TFrameGridAncestor.h"
#include "support/FakePlatform.h"

namespace vantaro::test {

// Stands in for the window base: records the cells run and the menus asked for, and has an
// image for a few actions.
class RecordingController final : public GridController {
public:
    void RunCell(const std::string& markup) override {
        runs.push_back(markup);
        if (onRun) onRun(markup);
    }
    void ShowCellMenu(int, int, const std::string& markup) override { menus.push_back(markup); }
    int ActionImageIndex(const std::string& name) const override {
        const auto found = images.find(name);
        return found == images.end() ? -1 : found->second;
    }
    const ImageList* ActionImages() const override { return &grid_images::ActionImages(); }

    std::vector<std::string> runs;
    std::vector<std::string> menus;
    std::function<void(const std::string&)> onRun;
    std::map<std::string, int> images{{"ACTIONOPEN", 0}, {"ACTIONNEW", 1}, {"ACTIONDELETE", 2}};
};

// A page whose cells and column fractions a test sets.
class TestGridFrame : public TFrameGridAncestor {
public:
    using TFrameGridAncestor::TFrameGridAncestor;
    using Page = std::function<void(TestGridFrame&)>;

    double ColumnWidth(int column) override {
        return column < static_cast<int>(widths.size()) ? widths[column] : 0;
    }
    void BuildPage() override {
        ++builds;
        if (page) page(*this);
    }

    using TFrameGridAncestor::BeginPage;
    using TFrameGridAncestor::EndPage;
    using TFrameGridAncestor::HeadingRow;
    using TFrameGridAncestor::NextColumn;
    using TFrameGridAncestor::NextRow;
    using TFrameGridAncestor::SetColumnCell;
    using TFrameGridAncestor::RowCell;
    using TFrameGridAncestor::SetRowCell;
    using TFrameGridAncestor::TitleRow;

    std::vector<double> widths{1.0};
    Page page;
    int builds = 0;
    int clicks = 0;
    bool cycleOnClick = false;

protected:
    void StringGridClick() override {
        ++clicks;
        const QRect selection = Selection();
        if (cycleOnClick && selection.top() > 0) CycleCheck(selection.left(), selection.top());
    }
};

// A year with default settings in the main factory, and a shown window holding one test frame.
class GridTest : public ::testing::Test {
protected:
    GridTest() : previous_(CFactory::MainFactory()) {
        factory.ReadSettings();
        CFactory::SetMainFactory(&factory);
        window.resize(640, 480);
        frame = new TestGridFrame(&window);
        frame->setGeometry(0, 0, 640, 480);
        frame->SetController(&controller);
        window.show();
    }
    ~GridTest() override { CFactory::SetMainFactory(previous_); }

    // Builds the page with the cells of each row given, one row after another from the top.
    void ShowRows(const std::vector<std::vector<std::string>>& rows, int fixedRows = 0, int mode = 0) {
        frame->page = [rows, fixedRows](TestGridFrame& page) {
            page.BeginPage(1, 1);
            for (std::size_t r = 0; r < rows.size(); ++r) {
                if (r > 0) page.NextRow();
                for (std::size_t c = 0; c < rows[r].size(); ++c) page.SetRowCell(static_cast<int>(c), rows[r][c]);
            }
            for (std::size_t c = 1; c < (rows.empty() ? 1 : rows[0].size()); ++c) page.NextColumn();
            page.EndPage(fixedRows, 0);
        };
        frame->Refresh(mode);
    }

    QWidget* Viewport() const { return frame->Grid().viewport(); }
    QPoint Centre(int column, int row) const { return frame->Grid().CellRect(column, row).center(); }
    void Press(int column, int row, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mousePress(Viewport(), button, {}, Centre(column, row));
        QTest::mouseRelease(Viewport(), button, {}, Centre(column, row));
    }
    void DoubleClick(int column, int row) {
        Press(column, row);
        QTest::mouseDClick(Viewport(), Qt::LeftButton, {}, Centre(column, row));
        QTest::mouseRelease(Viewport(), Qt::LeftButton, {}, Centre(column, row));
    }
    // Types into the editor as a keyboard would, any character included; a line feed is Return.
    void Type(const QString& text) {
        for (const QChar c : text) {
            if (c == QLatin1Char('\n')) {
                QTest::keyClick(&frame->Editor(), Qt::Key_Return);
                continue;
            }
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(&frame->Editor(), &press);
        }
    }

    FakePlatform platform;
    CRovanFactory factory;
    CYear* year = factory.NewDataStore(false);
    RecordingController controller;
    QWidget window;
    TestGridFrame* frame = nullptr;

private:
    CFactory* previous_;
};

}  // namespace vantaro::test
