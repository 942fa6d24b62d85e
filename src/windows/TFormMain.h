#pragma once

#include <functional>

#include "grid/TFormAncestor.h"

class QAction;
class QLabel;

namespace vantaro {

class CRovanFactory;
class CYear;
class FileDialogs;

// The main window: the loaded school year, the file commands, and a status bar with the
// program's version in its first panel and the data store's file name in its last. Its actions
// are QActions named after the commands (ActionFileOpen, ActionFileSave, ...).
class TFormMain : public TFormAncestor {
    Q_OBJECT

public:
    TFormMain(CRovanFactory& factory, FileDialogs& dialogs, QWidget* parent = nullptr);

    // The current year: the root of the loaded data store.
    CYear* CurrentYear() const { return currentYear_; }
    QAction* Action(const QString& name) const;

    QString VersionPanelText() const;
    QString FileNamePanelText() const;
    QString YearText() const;

    // Shows the loaded data store; starts a new one when it has no year.
    void ActionFileDisplayFactoryExecute();
    // Loads the data store whose file name the factory holds; a store that cannot be read is
    // reported and replaced by a new one.
    void ActionFileOpenDefaultExecute();
    void ActionFileNewExecute();
    void ActionFileOpenExecute();
    // False when nothing was saved (no file chosen, or the save failed).
    bool ActionFileSaveExecute();
    bool ActionFileSaveAsExecute();
    void ActionFileExitExecute();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QAction* AddAction(const char* name, const char* caption, const std::function<void()>& execute);
    void CreateMenus();
    void ShowStatus();
    // Asks to save first when the store has a file and unsaved changes.
    void OfferToSave(const char* question);
    // Deleted objects are destroyed before any save.
    void EmptyTrashBeforeSave();
    bool SaveTo(const QString& fileName);
    bool OpenFile(const QString& fileName);
    QString InitialSaveName() const;

    CRovanFactory& factory_;
    FileDialogs& dialogs_;
    CYear* currentYear_ = nullptr;
    QLabel* yearLabel_;
    QLabel* versionPanel_;
    QLabel* fileNamePanel_;
};

}  // namespace vantaro
