#include <gtest/gtest.h>

#include <QPalette>

#include "grid/GridColors.h"

namespace vantaro::test {
namespace {

TEST(GridColors, StoredColoursResolveAsRgbOrThroughThePalette) {
    QPalette palette;
    palette.setColor(QPalette::Base, QColor(1, 2, 3));
    palette.setColor(QPalette::Text, QColor(4, 5, 6));
    EXPECT_EQ(ResolveColor(0xC7A096, palette), QColor(150, 160, 199)) << "red in the lowest byte";
    EXPECT_EQ(ResolveColor(0x80000005, palette), QColor(1, 2, 3)) << "window background";
    EXPECT_EQ(ResolveColor(0x80000008, palette), QColor(4, 5, 6)) << "window text";
}

// Each channel moves on its own: a light yellow stays yellow instead of carrying into blue.
TEST(GridColors, LightenAndDarkenChangeEachChannelWithinItsRange) {
    EXPECT_EQ(Lighten(QColor(255, 255, 225)), QColor(255, 255, 240));
    EXPECT_EQ(Darken(QColor(255, 255, 225)), QColor(240, 240, 210));
    EXPECT_EQ(Darken(QColor(5, 100, 20)), QColor(0, 85, 5));
}

}  // namespace
}  // namespace vantaro::test
