#pragma once

#include <QString>

#include <string>

class QWidget;

namespace vantaro {

class CStored;
class TFormDataControler;

// The organisers a data window can go back to.
enum class Organiser { Planning, Assessments, Reports, Curricula };

// What a data window needs of the main window, which lives in a layer above it.
class MainWindowCommands {
public:
    virtual ~MainWindowCommands() = default;

    // The main window itself, whose place a data window takes.
    virtual QWidget& MainWidget() = 0;
    // The main window's Save and Save As; false when nothing was saved.
    virtual bool SaveStore() = 0;
    virtual bool SaveStoreAs() = 0;
    // Data windows enter the main window's window list when made and leave it when closed.
    virtual void RegisterDataWindow(TFormDataControler& window) = 0;
    virtual void UnregisterDataWindow(TFormDataControler& window) = 0;
    // Shows the main window on an organiser.
    virtual void ShowOrganiser(Organiser organiser) = 0;
    // Ends the application as closing the main window does (the save question included).
    virtual void CloseApplication() = 0;
    // The PDF file the user chooses to write, offered under the initial name beside the store
    // file; empty when cancelled.
    virtual QString ChoosePdfFile(const QString& initialName) = 0;
    // Runs the named wizard on the target over the caller; true when it was finished.
    virtual bool RunWizard(const std::string& name, CStored* target, QWidget* caller) = 0;
};

}  // namespace vantaro
