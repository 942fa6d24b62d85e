#include "grid/TFormAncestor.h"

#include <QGuiApplication>
#include <QScreen>

#include "routines/Platform.h"
#include "routines/WindowPosition.h"

namespace vantaro {
namespace {

WindowRect ToWindowRect(const QRect& rect) {
    return {rect.left(), rect.top(), rect.width(), rect.height()};
}

QRect ToQRect(const WindowRect& rect) { return {rect.left, rect.top, rect.width, rect.height}; }

QRect AvailableScreenArea() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

// A saved position is used only when some screen still shows the window's centre; a screen
// that was unplugged since would otherwise leave the window out of reach.
bool IsOnSomeScreen(const QRect& rect) {
    return QGuiApplication::screenAt(rect.center()) != nullptr;
}

}  // namespace

TFormAncestor::TFormAncestor(const char* windowClassName, QSize defaultSize, QWidget* parent)
    : QMainWindow(parent), windowClassName_(windowClassName) {
    resize(defaultSize);
    RestorePosition();
}

TFormAncestor::~TFormAncestor() { SavePosition(); }

void TFormAncestor::RestorePosition() {
    const QRect screen = AvailableScreenArea();
    const ScreenSize screenSize{screen.width(), screen.height()};
    const WindowRect restored = RestoreWindowPosition(
        Platform::Settings(), kSettingsRoot, windowClassName_, ToWindowRect(geometry()), screenSize);
    QRect placed = ToQRect(restored);
    if (!IsOnSomeScreen(placed))
        placed = ToQRect(CentreWindow(restored, std::nullopt, screenSize)).translated(screen.topLeft());
    setGeometry(placed);
}

void TFormAncestor::SavePosition() {
    SaveWindowPosition(Platform::Settings(), kSettingsRoot, windowClassName_,
                       ToWindowRect(geometry()), isMaximized());
}

}  // namespace vantaro
