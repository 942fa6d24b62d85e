#pragma once

#include <QPointer>

#include <functional>
#include <string>
#include <vector>

#include "controllers/TFormControlerAncestor.h"
#include "controllers/ViewSlots.h"
#include "controllers/data/MainWindowCommands.h"

class QLabel;
class QMenu;

namespace vantaro {

class CRovanFactory;
class CYear;
class FileDialogs;
class TFormFilterControler;
class TFormObjectMapControler;
class TFormTrashCanControler;
class TFormDataControler;

// The kinds of data window the organisers open.
enum class DataWindowKind { Plans, Assessments, Reports, Curricula };

// The main window: the loaded school year shown on six views (four organisers and two
// listings), the file commands, and the list of open data windows. While a data window is open
// it takes this window's place and this window is hidden.
class TFormMain : public TFormControlerAncestor, public MainWindowCommands {
    Q_OBJECT

public:
    // Makes a data window on the objects given (a window later parts add); null for none.
    using DataWindowMaker = std::function<TFormDataControler*(TFormMain& main, const std::vector<CStored*>& objects)>;

    // The scratch factory is the work area of Append.
    TFormMain(CRovanFactory& factory, CRovanFactory& scratch, FileDialogs& dialogs, QWidget* parent = nullptr);
    ~TFormMain() override;

    CYear* CurrentYear() const;
    QAction* Action(const QString& name) const;
    QString VersionPanelText() const;
    QString FileNamePanelText() const;
    QString YearText() const;

    // The views, in the order of their actions.
    const std::vector<TFrameGridAncestor*>& Views() const { return slots_.Views(); }
    void ShowView(int index) { slots_.Show(index); }
    int CurrentViewIndex() const { return slots_.IndexOf(CurrentView()); }

    void SetDataWindowMaker(DataWindowKind kind, DataWindowMaker maker);
    // Starts a wizard by name (a layer above gives the means); true when it was finished.
    using WizardRunner = std::function<bool(const std::string& name, CStored* target, QWidget* caller)>;
    void SetWizardRunner(WizardRunner runner) { wizardRunner_ = std::move(runner); }
    bool RunWizard(const std::string& name, CStored* target, QWidget* caller) override;
    // Opens a data window of the kind on the objects (the window decides which it keeps).
    void OpenDataWindow(DataWindowKind kind, std::vector<CStored*> objects);
    const std::vector<QPointer<TFormDataControler>>& DataWindows() const { return dataWindows_; }
    QMenu& ViewNavigator() const { return *navigator_; }

    // File commands.
    void ActionFileDisplayFactoryExecute();
    void ActionFileOpenDefaultExecute();
    void ActionFileNewExecute();
    void ActionFileOpenExecute();
    void ActionFileAppendExecute();
    // False when nothing was saved (no file chosen, or the save failed).
    bool ActionFileSaveExecute();
    bool ActionFileSaveAsExecute();
    void ActionFileExitExecute();
    // The end asked for from outside (the session ends): no "Exit Application" question, but
    // unsaved changes are still offered for saving.
    void EndOnRequest();

    // MainWindowCommands.
    QWidget& MainWidget() override { return *this; }
    bool SaveStore() override { return ActionFileSaveExecute(); }
    bool SaveStoreAs() override { return ActionFileSaveAsExecute(); }
    void RegisterDataWindow(TFormDataControler& window) override;
    void UnregisterDataWindow(TFormDataControler& window) override;
    void ShowOrganiser(Organiser organiser) override;
    void CloseApplication() override;
    QString ChoosePdfFile(const QString& initialName) override;

    void ShowCellMenu(int x, int y, const std::string& markup) override;

    // The windows over the whole store (TFormMainStore.cpp), made once for the program's run:
    // CreateSharedWindows makes them at start-up; each is made on first use otherwise.
    void CreateSharedWindows();
    TFormTrashCanControler& TrashWindow();
    TFormFilterControler& FilterWindow();
    TFormObjectMapControler& ObjectMapWindow();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Construction (TFormMain.cpp).
    void CreateViews();
    void CreateMainActions();
    void CreateMenus();
    void CreateToolBar();
    void ShowStatus();

    // File commands (TFormMainFile.cpp).
    bool OfferToSave(const char* question);
    bool OfferToRestoreTrash();
    bool SaveTo(const QString& fileName);
    bool OpenFile(const QString& fileName);
    bool LoadFileInto(const std::string& path);
    QString InitialSaveName() const;
    void TellSkippedObjects();
    void AfterObjectsChanged();
    void CloseEveryDataWindow();
    bool EndWithSaveQuestion();

    // Cells and the context menu (TFormMainCells.cpp).
    void CreateCellActions();
    std::vector<CStored*> SelectedObjects(const char* className) const;
    void OpenOne(DataWindowKind kind, const char* className);
    void OpenRange(DataWindowKind kind, const char* className);
    void DeletePlans();
    void SaveAllReportsAsPdf();

    // The store windows' commands (TFormMainStore.cpp).
    void CreateStoreActions();

    CRovanFactory& factory_;
    CRovanFactory& scratch_;
    FileDialogs& dialogs_;
    ViewSlots slots_;
    std::vector<QPointer<TFormDataControler>> dataWindows_;
    std::vector<DataWindowMaker> makers_;
    WizardRunner wizardRunner_;
    QMenu* navigator_ = nullptr;
    QLabel* versionPanel_ = nullptr;
    QLabel* fileNamePanel_ = nullptr;
    QPointer<TFormTrashCanControler> trashWindow_;
    QPointer<TFormFilterControler> filterWindow_;
    QPointer<TFormObjectMapControler> objectMapWindow_;
    bool closingAll_ = false;
    bool closeAccepted_ = false;
    bool endRequested_ = false;
};

}  // namespace vantaro
