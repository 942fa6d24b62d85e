#pragma once

// Driving the program's windows as a user does: clicks, double clicks, typing, menus, dates,
// drags, and the modal windows they open.

#include <QApplication>
#include <QCalendarWidget>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "controllers/messages/TFormDateSelector.h"
#include "grid/CellEditor.h"
#include "grid/TFrameGridAncestor.h"
#include "grid/markup/CellReaders.h"
#include "ui/PdfPages.h"
#include "ui/controllers/ControllerTestSupport.h"

namespace vantaro::test {

// Acts on the next window of class W to run modally, once it is active. A window the user leaves
// open is closed after a while, so a failing step cannot hang the run.
template <class W>
inline void OnModal(std::function<void(W&)> user) {
    QTimer::singleShot(0, [user = std::move(user)] {
        QPointer<QWidget> modal = QApplication::activeModalWidget();
        auto* window = qobject_cast<W*>(modal.data());
        if (!window) {
            ADD_FAILURE() << "the expected window does not run modally";
            return;
        }
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
        user(*window);
        QTimer::singleShot(5000, modal, [modal] {
            if (modal && modal->isVisible() && QApplication::activeModalWidget() == modal) {
                ADD_FAILURE() << "a window was left open";
                modal->close();
            }
        });
    });
}

inline void Press(TFrameGridAncestor& page, QPoint cell, Qt::MouseButton button = Qt::LeftButton) {
    ASSERT_GE(cell.y(), 0) << "no such cell";
    PressCell(page, cell, button);
}

// Whether the cell shows an attribute of an object of the class.
inline bool IsClassCell(const std::string& markup, const char* className) {
    const CStored* object = CellObject(markup);
    return object && object->ClassName() == className;
}

// Runs a cell's action as a double click does (the program's settings start with single-click
// response off).
inline void Activate(TFrameGridAncestor& page, QPoint cell) {
    ASSERT_GE(cell.y(), 0) << "no such cell";
    page.Grid().ScrollIntoView(cell.x(), cell.y());
    QTest::mouseDClick(page.Grid().viewport(), Qt::LeftButton, {}, page.Grid().CellRect(cell.x(), cell.y()).center());
}

// The value cell of a property page's attribute: the row below its label.
inline QPoint ValueOf(const TFrameGridAncestor& page, const std::string& label) {
    return {0, RowShowing(page, label) + 1};
}

inline void TypeInto(TFrameGridAncestor& page, QPoint cell, const QString& text) {
    Press(page, cell);
    ASSERT_TRUE(page.IsEditing());
    page.Editor().selectAll();
    QTest::keyClicks(&page.Editor(), text);
}

// A date chosen in the date selector that the cell opens.
inline void ChooseDate(TFrameGridAncestor& page, QPoint cell, QDate date) {
    OnModal<TFormDateSelector>([date](TFormDateSelector& selector) {
        selector.Calendar().setSelectedDate(date);
        selector.ButtonOK().click();
    });
    Activate(page, cell);
}

}  // namespace vantaro::test
