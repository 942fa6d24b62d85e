#pragma once

#include <QPointer>

#include <vector>

#include "controllers/TFormControlerAncestor.h"
#include "controllers/ViewSlots.h"
#include "controllers/data/MainWindowCommands.h"

class QMenu;

namespace vantaro {

// The base of the windows in which plans, assessments, reports and curricula are worked on. It
// holds up to ten views over the same objects and shows one at a time, chosen by its view
// actions; it offers larger and smaller text, refresh, print and preview, saving through the main
// window, and a way back to the organisers. While it is open it takes the main window's place and
// the main window is hidden.
//
// A derived window adds its views with AddView in its constructor, then calls SetupViews.
class TFormDataControler : public TFormControlerAncestor {
    Q_OBJECT

public:
    static constexpr int kMaxViews = 10;

    TFormDataControler(const char* windowClassName, MainWindowCommands& main, QWidget* parent = nullptr);
    ~TFormDataControler() override;

    // Adds a view and the action that shows it, listed in the View menu.
    QAction* AddView(TFrameGridAncestor* view, std::string_view actionName, std::string_view caption);
    // Gives every view this window as controller, the settings' colours and font, and hides it.
    void SetupViews();
    // Shows the view of a view action (the common handler of every view action).
    void ActionView(QAction* sender);
    const std::vector<TFrameGridAncestor*>& Views() const { return slots_.Views(); }

    // Closes without the exit question (the main window closing all its data windows).
    void CloseWithoutAsking();
    bool IsClosing() const { return closing_; }

    QMenu& FileMenu() const { return *fileMenu_; }
    QMenu& ViewNavigator() const { return *navigator_; }
    QMenu& ViewMenu() const { return *viewMenu_; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    MainWindowCommands& Main() const { return main_; }

private:
    void AddDataActions();
    void CreateMenus();
    void CreateToolBar();
    void SaveThroughMain(bool saveAs);
    void GoToOrganiser(Organiser organiser);

    MainWindowCommands& main_;
    ViewSlots slots_;
    QMenu* fileMenu_ = nullptr;
    QMenu* viewMenu_ = nullptr;
    QMenu* navigator_ = nullptr;
    bool closing_ = false;
    bool registered_ = false;
};

}  // namespace vantaro
