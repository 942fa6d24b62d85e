// The program's entry.

#include <QApplication>

#include <cstdio>
#include <cstdlib>

#include "app/ProgramRun.h"
#include "app/QtSettingsStore.h"
#include "routines/AppInfo.h"
#include "windows/FileDialogs.h"

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
    return run.Exec();
}
