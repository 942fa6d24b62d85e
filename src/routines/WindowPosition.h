#pragma once

// Where windows are placed: centring over an owner or the screen, and the position each window
// class keeps in the settings store between runs.

#include <optional>
#include <string>
#include <string_view>

#include "routines/SettingsStore.h"

namespace vantaro {

struct WindowRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool operator==(const WindowRect&) const = default;
};

struct ScreenSize {
    int width = 0;
    int height = 0;
};

// The window centred over the owner (or the screen), moved back onto the screen where it would
// stick out right or below, and never left of or above the screen's origin.
WindowRect CentreWindow(const WindowRect& window, const std::optional<WindowRect>& owner,
                        ScreenSize screen);

// "<root>\<title> <short version>\Forms\<class words>\Position\", such as
// "\Software\Corvale\Vantaro 1.12\Forms\Form Main\Position\" for TFormMain.
std::string WindowPositionKey(std::string_view rootPath, std::string_view windowClassName);

// The stored rectangle when Top, Left, Width and Height are all there; otherwise the window
// centred on the screen. Creates the key when it is missing.
WindowRect RestoreWindowPosition(SettingsStore& settings, std::string_view rootPath,
                                 std::string_view windowClassName, const WindowRect& current,
                                 ScreenSize screen);

// A maximised window stores only Maximized = 1; any other stores Maximized = 0 and its rectangle.
void SaveWindowPosition(SettingsStore& settings, std::string_view rootPath,
                        std::string_view windowClassName, const WindowRect& window, bool maximized);

}  // namespace vantaro
