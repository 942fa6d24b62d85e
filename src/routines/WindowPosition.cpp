#include "routines/WindowPosition.h"

#include "routines/AppInfo.h"
#include "routines/VersionText.h"
#include "routines/Words.h"

namespace vantaro {

WindowRect CentreWindow(const WindowRect& window, const std::optional<WindowRect>& owner,
                        ScreenSize screen) {
    const int centreX = owner ? owner->left + owner->width / 2 : screen.width / 2;
    const int centreY = owner ? owner->top + owner->height / 2 : screen.height / 2;
    WindowRect placed = window;
    placed.left = centreX - window.width / 2;
    placed.top = centreY - window.height / 2;
    if (placed.left + placed.width > screen.width) placed.left -= placed.left + placed.width - screen.width;
    if (placed.top + placed.height > screen.height) placed.top -= placed.top + placed.height - screen.height;
    if (placed.left < 0) placed.left = 0;
    if (placed.top < 0) placed.top = 0;
    return placed;
}

std::string WindowPositionKey(std::string_view rootPath, std::string_view windowClassName) {
    std::string key(rootPath);
    key += '\\';
    key += ApplicationTitle();
    key += ' ';
    key += ShortVersion();
    key += "\\Forms\\";
    key += ClassWords(windowClassName);
    key += "\\Position\\";
    return key;
}

WindowRect RestoreWindowPosition(SettingsStore& settings, std::string_view rootPath,
                                 std::string_view windowClassName, const WindowRect& current,
                                 ScreenSize screen) {
    const std::string key = WindowPositionKey(rootPath, windowClassName);
    settings.CreateKey(key);
    const auto top = settings.ReadInteger(key, "Top");
    const auto left = settings.ReadInteger(key, "Left");
    const auto width = settings.ReadInteger(key, "Width");
    const auto height = settings.ReadInteger(key, "Height");
    if (top && left && width && height) return {*left, *top, *width, *height};
    return CentreWindow(current, std::nullopt, screen);
}

void SaveWindowPosition(SettingsStore& settings, std::string_view rootPath,
                        std::string_view windowClassName, const WindowRect& window, bool maximized) {
    const std::string key = WindowPositionKey(rootPath, windowClassName);
    settings.CreateKey(key);
    settings.WriteInteger(key, "Maximized", maximized ? 1 : 0);
    if (maximized) return;
    settings.WriteInteger(key, "Top", window.top);
    settings.WriteInteger(key, "Left", window.left);
    settings.WriteInteger(key, "Height", window.height);
    settings.WriteInteger(key, "Width", window.width);
}

}  // namespace vantaro
