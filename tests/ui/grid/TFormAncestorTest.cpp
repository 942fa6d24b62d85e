#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>

#include "grid/TFormAncestor.h"
#include "routines/WindowPosition.h"
#include "support/FakePlatform.h"

namespace vantaro::test {
namespace {

const std::string kKey = "\\Software\\Corvale\\Vantaro 1.12\\Forms\\Form Test\\Position\\";

QRect Screen() { return QGuiApplication::primaryScreen()->availableGeometry(); }

TEST(TFormAncestor, KeepsItsPositionBetweenRuns) {
    FakePlatform platform;
    {
        TFormAncestor first("TFormTest", QSize(300, 200));
        first.setGeometry(40, 50, 320, 240);
    }
    EXPECT_EQ(platform.settings.ReadInteger(kKey, "Left"), 40);
    EXPECT_EQ(platform.settings.ReadInteger(kKey, "Maximized"), 0);

    TFormAncestor second("TFormTest", QSize(300, 200));
    EXPECT_EQ(second.geometry(), QRect(40, 50, 320, 240));
}

TEST(TFormAncestor, IsCentredWithoutASavedPositionOrOffEveryScreen) {
    FakePlatform platform;
    const QRect screen = Screen();
    {
        TFormAncestor fresh("TFormTest", QSize(300, 200));
        EXPECT_EQ(fresh.geometry().center(), screen.center()) << "no saved position";
    }
    for (const char* name : {"Top", "Left"}) platform.settings.WriteInteger(kKey, name, 90000);
    TFormAncestor lost("TFormTest", QSize(300, 200));
    EXPECT_TRUE(screen.contains(lost.geometry().center())) << "saved on a screen now gone";
}

}  // namespace
}  // namespace vantaro::test
