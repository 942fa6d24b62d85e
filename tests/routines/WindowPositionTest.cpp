#include "routines/WindowPosition.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace vantaro {
namespace {

const std::string kRoot = "\\Software\\Corvale";
constexpr ScreenSize kScreen{1024, 768};

TEST(WindowPosition, KeyNamesTheVersionAndTheClassWords) {
    EXPECT_EQ(WindowPositionKey(kRoot, "TFormMain"),
              "\\Software\\Corvale\\Vantaro 1.12\\Forms\\Form Main\\Position\\");
}

struct CentreCase {
    const char* name;
    WindowRect window;
    std::optional<WindowRect> owner;
    WindowRect expected;
};

TEST(WindowPosition, CentreWindowKeepsTheWindowOnTheScreen) {
    const std::vector<CentreCase> cases = {
        {"on the screen", {0, 0, 200, 100}, std::nullopt, {412, 334, 200, 100}},
        {"over the owner", {0, 0, 200, 100}, WindowRect{100, 100, 400, 300}, {200, 200, 200, 100}},
        {"odd sizes halve down", {0, 0, 201, 101}, WindowRect{100, 100, 401, 301}, {200, 200, 201, 101}},
        {"left of and above the screen", {0, 0, 200, 100}, WindowRect{-300, -300, 100, 100}, {0, 0, 200, 100}},
        {"sticks out right and below", {0, 0, 300, 300}, WindowRect{900, 700, 200, 100}, {724, 468, 300, 300}},
        {"larger than the screen", {0, 0, 2000, 1000}, std::nullopt, {0, 0, 2000, 1000}},
    };
    for (const CentreCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CentreWindow(c.window, c.owner, kScreen), c.expected);
    }
}

TEST(WindowPosition, SavedRectangleIsRestoredAndMissingValuesCentre) {
    MemorySettingsStore settings;
    const WindowRect current{0, 0, 200, 100};
    EXPECT_EQ(RestoreWindowPosition(settings, kRoot, "TFormMain", current, kScreen),
              (WindowRect{412, 334, 200, 100}));
    EXPECT_TRUE(settings.KeyExists(WindowPositionKey(kRoot, "TFormMain")));

    SaveWindowPosition(settings, kRoot, "TFormMain", {10, 20, 300, 400}, false);
    EXPECT_EQ(RestoreWindowPosition(settings, kRoot, "TFormMain", current, kScreen),
              (WindowRect{10, 20, 300, 400}));
    const std::string key = WindowPositionKey(kRoot, "TFormMain");
    EXPECT_EQ(settings.ReadInteger(key, "Maximized"), 0);

    SaveWindowPosition(settings, kRoot, "TFormOther", {10, 20, 300, 400}, true);
    const std::string otherKey = WindowPositionKey(kRoot, "TFormOther");
    EXPECT_EQ(settings.ValueCount(otherKey), 1);
    EXPECT_EQ(settings.ReadInteger(otherKey, "Maximized"), 1);

    MemorySettingsStore partial;
    partial.WriteInteger(key, "Top", 5);
    partial.WriteInteger(key, "Left", 5);
    partial.WriteInteger(key, "Width", 5);
    partial.WriteString(key, "Height", "5");
    EXPECT_EQ(RestoreWindowPosition(partial, kRoot, "TFormMain", current, kScreen),
              (WindowRect{412, 334, 200, 100}));
}

}  // namespace
}  // namespace vantaro
