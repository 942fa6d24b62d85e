#include "app/QtPlatform.h"

#include <QApplication>

namespace vantaro {

void QtBusyCursor::Begin() {
    if (depth_++ == 0) QApplication::setOverrideCursor(Qt::WaitCursor);
}

void QtBusyCursor::End() {
    if (depth_ > 0 && --depth_ == 0) QApplication::restoreOverrideCursor();
}

}  // namespace vantaro
