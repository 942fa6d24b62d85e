#pragma once

#include <QStringList>

#include <memory>

#include "app/QtPlatform.h"
#include "routines/Platform.h"

namespace vantaro {

class CRovanFactory;
class FileDialogs;
class SettingsStore;
class TFormMain;
class TFormStartup;

// The program from start to end: the two factories, the settings, the long-lived windows, the
// data store named on the command line, and the orderly end.
class ProgramRun {
public:
    // What the run takes from outside: the settings store and the file dialogs (the app passes
    // the platform's; tests pass their own), and optionally the message boxes.
    struct Services {
        SettingsStore* settings = nullptr;
        FileDialogs* dialogs = nullptr;
        UserPrompts* prompts = nullptr;  // null: the program's message box
    };

    // Start-up up to the long-lived windows: the main factory, the scratch factory, the
    // settings read, the main window, the start-up window and the shared windows.
    explicit ProgramRun(const Services& services);
    ~ProgramRun();
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    // The rest of start-up: a new year without arguments, otherwise the store named by the
    // first argument; then the main window is shown and the start-up window hidden. Only the
    // first argument after the program's name is used.
    void Start(const QStringList& arguments);
    // Runs the message loop until the main window closes, then shuts down.
    int Exec();
    // The settings are written and the factories destroyed, then the windows. Runs once.
    void Shutdown();

    CRovanFactory& MainFactory() { return *mainFactory_; }
    CRovanFactory& ScratchFactory() { return *scratchFactory_; }
    TFormMain& FormMain() { return *formMain_; }
    TFormStartup& FormStartup() { return *formStartup_; }

private:
    void CreateSharedWindows();
    PlatformServices PlatformFor(ProgressSink* progress);

    QtUserPrompts qtPrompts_;
    QtBusyCursor busyCursor_;
    Services services_;
    // Puts back, at the end of the run, the platform services that were there before it.
    ScopedPlatform platform_;
    std::unique_ptr<CRovanFactory> mainFactory_;
    std::unique_ptr<CRovanFactory> scratchFactory_;
    std::unique_ptr<TFormMain> formMain_;
    std::unique_ptr<TFormStartup> formStartup_;
    bool shutDown_ = false;
};

}  // namespace vantaro
