// The program's entry: the application object, the start-up window and the main window.

#include <QApplication>

#include <cstdio>
#include <cstdlib>

#include "app/QtPlatform.h"
#include "app/QtSettingsStore.h"
#include "app/TFormStartup.h"
#include "routines/AppInfo.h"
#include "windows/TFormMain.h"

namespace {

// Qt aborts without a display; say so in one line instead.
bool HasDisplay() {
    auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value && *value;
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
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

    vantaro::QtUserPrompts prompts;
    vantaro::QtBusyCursor busyCursor;
    vantaro::QtSettingsStore settings;
    const vantaro::ScopedPlatform platform(
        {nullptr, nullptr, &prompts, &busyCursor, nullptr, &settings});
    vantaro::TFormMain formMain;
    vantaro::TFormStartup formStartup;
    vantaro::Platform::Install({nullptr, nullptr, &prompts, &busyCursor, &formStartup, &settings});

    // At most one argument is used: the data store to open.
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) formMain.ShowFileName(arguments.at(1));

    formMain.show();
    QApplication::processEvents();
    formStartup.hide();
    return application.exec();
}
