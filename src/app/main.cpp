// The program's entry.

#include <QApplication>
#include <QScreen>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

#include "app/ProgramRun.h"
#include "app/QtSettingsStore.h"
#include "app/TerminationRequests.h"
#include "routines/AppInfo.h"
#include "windows/FileDialogs.h"
#include "windows/main/TFormMain.h"

namespace {

// On X11 and Wayland systems Qt aborts without a display; say so in one line instead.
bool HasDisplay() {
#if defined(__linux__) || defined(__FreeBSD__)
    auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value && *value;
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
#else
    return true;
#endif
}

// With VANTARO_SCREENSHOT set to a file name, the screen is saved there once the main window has
// settled: the smoke test and the guide's pictures are taken of the real program this way.
void TakeScreenshotWhenAsked() {
    const QString path = qEnvironmentVariable("VANTARO_SCREENSHOT");
    if (path.isEmpty()) return;
    QTimer::singleShot(1500, [path] {
        if (QScreen* screen = QGuiApplication::primaryScreen()) screen->grabWindow(0).save(path);
    });
}

}  // namespace

int main(int argc, char** argv) {
    if (!HasDisplay()) {
        std::fprintf(stderr, "vantaro: no display to show the window on (DISPLAY is not set)\n");
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(vantaro::ApplicationTitle()));
    QApplication::setOrganizationName(QString::fromLatin1(vantaro::OrganisationName()));

    vantaro::QtSettingsStore settings;
    vantaro::QtFileDialogs dialogs;
    vantaro::ProgramRun run({&settings, &dialogs, nullptr});
    run.Start(QApplication::arguments());
    const vantaro::TerminationRequests termination([&run] { run.FormMain().EndOnRequest(); });
    TakeScreenshotWhenAsked();
    return run.Exec();
}
