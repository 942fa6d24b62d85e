#pragma once

#include <QKeySequence>
#include <QPointer>

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "factory/StoredRef.h"
#include "grid/GridController.h"
#include "grid/TFormAncestor.h"
#include "grid/TFrameGridAncestor.h"

class QAction;
class QEventLoop;
class QMenu;
class QToolBar;

namespace vantaro {

class CFactory;
class CStored;

// The base of every window. It shows one grid page at a time (the current view) and turns the
// cell the user last ran or right-clicked into a current target, source and action. Its actions
// are QActions named as the cells name them ("ActionChooseTutor"), found by the upper-cased
// name; every window carries the shared ones and adds its own, and may give a shared one a
// handler of its own.
//
// Every handler runs through ReportErrors: an error from the core is shown in the message box and
// never crosses Qt's event loop.
//
// A window may also run modally (ExecModal): application-modal, with its own event loop, over a
// transient parent and centred on it; closing it with the window manager's button answers as
// CloseButtonAnswer says (Cancel unless a window says otherwise).
class TFormControlerAncestor : public TFormAncestor, public GridController {
    Q_OBJECT

public:
    using Handler = std::function<void()>;

    TFormControlerAncestor(const char* windowClassName, QSize defaultSize, QWidget* parent = nullptr);
    ~TFormControlerAncestor() override;

    // GridController.
    void RunCell(const std::string& markup) override;
    // Prepares the cell menu for the markup; windows that offer a menu call this, then show it.
    void ShowCellMenu(int x, int y, const std::string& markup) override;
    int ActionImageIndex(const std::string& name) const override;
    const ImageList* ActionImages() const override;

    void SetCellContext(const std::string& markup);
    CStored* CurrentTarget() const { return target_.Get(); }
    CStored* CurrentSource() const { return source_.Get(); }
    QAction* CurrentAction() const { return action_; }
    void SetCurrentTarget(CStored* target) { target_ = StoredRef(target); }
    void SetCurrentSource(CStored* source) { source_ = StoredRef(source); }

    TFrameGridAncestor* CurrentView() const { return view_.data(); }
    void SetCurrentView(TFrameGridAncestor* view);
    virtual void Refresh(int mode);
    // The refresh after a change: the current view keeping its place, then the visible shared
    // windows from the top (property windows, choosers).
    void RefreshAfterChange();

    // Actions, in the order added. An image index of -1 means none.
    QAction* AddAction(std::string_view name, std::string_view caption, int image = -1,
                       const QKeySequence& shortcut = {}, Handler handler = {});
    // The window's action whose upper-cased name equals the given upper-cased name, or null.
    QAction* FindAction(std::string_view name) const;
    // Gives an action a handler of this window's own.
    void SetHandler(std::string_view name, Handler handler);
    // Runs an action's handler as a trigger would, with errors reported.
    void RunAction(QAction* action);
    const std::vector<QAction*>& Actions() const { return actions_; }

    // Lets the user fill in a newly created object; discards it when they cancel. True when kept.
    bool AddNewObject(CStored* parent, CStored* newObject);

    // The cell menu: the default action, Properties, Delete, a separator, then a window's own.
    QMenu& PopupMenu() const { return *popupMenu_; }
    QAction* PopupItemDefaultAction() const { return popupDefault_; }
    QAction* PopupItemProperties() const { return popupProperties_; }
    QAction* PopupItemDelete() const { return popupDelete_; }
    // Shows the named actions in the cell menu (added at its end the first time), each unless it
    // is the menu's default entry already.
    void ShowMenuEntries(const std::vector<const char*>& names);

    // The tool bar (PanelToolBar), made when first asked for; the print bar (PanelPrintBar) and
    // the print-preview menu (PrintMenu, one menu "Preview"), which replace the tool bar and the
    // window's own menus while a preview shows.
    QToolBar& ToolBar();
    QToolBar& PrintBar();
    QMenu& PrintMenu();
    void SetPrintMode(bool on);
    bool InPrintMode() const { return printMode_; }
    // Smaller Font and Larger Font: the settings font one point smaller or larger, within its
    // limits (the action at a limit is disabled), then a refresh.
    void AddFontSizeActions();
    // Ends the tool bar with the view selector, an arrow that opens the navigator menu as soon as
    // the mouse moves over it.
    void AddViewSelector(QMenu& navigator);

    // Modal running. ExecModal shows the window over the owner (or the screen) and returns the
    // answer given to CloseWith.
    bool ExecModal(QWidget* owner);
    void CloseWith(bool answer);
    bool IsRunningModal() const { return loop_ != nullptr; }
    // Moves the window so its centre is the owner's (the screen's without one), wholly on screen.
    void CentreOver(const QWidget* owner);

    static const CFactory* Factory();
    // Whether showing the window builds its view (every window but the main window).
    bool RefreshesOnShow() const { return refreshOnShow_; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Called after the window enters or leaves print mode; a window may hide what the preview
    // leaves no room for.
    virtual void PrintModeChanged(bool on) { (void)on; }
    // What the window manager's close button answers while the window runs modally.
    virtual bool CloseButtonAnswer() { return false; }
    // Whether showing the window refreshes its view (every window but the main window).
    void SetRefreshOnShow(bool on) { refreshOnShow_ = on; }

private:
    void AddSharedActions();
    void ChangeFontSize(int step);
    void UpdateFontSizeActions();

    QPointer<TFrameGridAncestor> view_;
    StoredRef target_;
    StoredRef source_;
    QAction* action_ = nullptr;
    std::vector<QAction*> actions_;
    std::vector<Handler> handlers_;
    std::unordered_map<std::string, std::size_t> actionIndex_;  // by upper-cased name
    QMenu* popupMenu_ = nullptr;
    QAction* popupDefault_ = nullptr;
    QAction* popupProperties_ = nullptr;
    QAction* popupDelete_ = nullptr;
    QAction* popupSeparator_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QWidget* viewSelector_ = nullptr;
    QMenu* navigator_ = nullptr;
    QToolBar* printBar_ = nullptr;
    QMenu* printMenu_ = nullptr;
    QAction* printMenuEntry_ = nullptr;
    std::vector<QAction*> hiddenMenus_;
    bool printMode_ = false;
    QEventLoop* loop_ = nullptr;
    bool answer_ = false;
    bool refreshOnShow_ = true;
};

}  // namespace vantaro
