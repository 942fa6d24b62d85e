#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>

#include "domain/CRovanFactory.h"
#include "support/FakePlatform.h"

namespace vantaro::test {

// A year with default settings in the main factory and the fake platform (15 March 2007).
class ControllerTest : public ::testing::Test {
protected:
    ControllerTest() : previous_(CFactory::MainFactory()) {
        factory.ReadSettings();
        CFactory::SetMainFactory(&factory);
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

    FakePlatform platform;
    CRovanFactory factory;
    CYear* year = factory.NewDataStore(false);

private:
    CFactory* previous_;
};

}  // namespace vantaro::test
