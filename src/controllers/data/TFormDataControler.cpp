#include "controllers/data/TFormDataControler.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "factory/CFactory.h"
#include "grid/CellEditor.h"
#include "grid/TFrameGridAncestor.h"
#include "routines/Platform.h"

namespace vantaro {
TFormDataControler::TFormDataControler(const char* windowClassName, MainWindowCommands& main, QWidget* parent)
    : TFormControlerAncestor(windowClassName, QSize(800, 600), parent), main_(main), slots_(*this) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint);
    AddDataActions();
    CreateMenus();
    CreateToolBar();
    main_.RegisterDataWindow(*this);
    registered_ = true;
}

TFormDataControler::~TFormDataControler() {
    if (registered_) main_.UnregisterDataWindow(*this);
}

void TFormDataControler::AddDataActions() {
    AddFontSizeActions();
    AddAction("ActionFormClose", "Close", -1, {}, [this] {
        closing_ = true;
        close();
    });
    AddAction("ActionFormSave", "Save", -1, QKeySequence(Qt::CTRL | Qt::Key_S), [this] { SaveThroughMain(false); });
    AddAction("ActionFormSaveAs", "Save As...", -1, {}, [this] { SaveThroughMain(true); });
    AddAction("ActionFormExit", "Exit", -1, {}, [this] { close(); });
    AddAction("ActionFormHideMain", "Hide Overview", -1, {}, [this] { main_.MainWidget().hide(); });
    AddAction("ActionFormShowMainPlanning", "Planning Organiser", -1, {}, [this] { GoToOrganiser(Organiser::Planning); });
    AddAction("ActionFormShowMainAssessments", "Assessment Organiser", -1, {},
              [this] { GoToOrganiser(Organiser::Assessments); });
    AddAction("ActionFormShowMainReports", "Report Organiser", -1, {}, [this] { GoToOrganiser(Organiser::Reports); });
    AddAction("ActionFormShowMainCurriculumns", "Curriculumn Organiser", -1, {},
              [this] { GoToOrganiser(Organiser::Curricula); });
    FindAction("ACTIONPREVIEWVIEW")->setText(QStringLiteral("Print Preview"));
    FindAction("ACTIONVIEWREFRESH")->setText(QStringLiteral("Refresh"));
}

void TFormDataControler::CreateMenus() {
    fileMenu_ = menuBar()->addMenu(QStringLiteral("File"));
    for (const char* name : {"ACTIONFORMSAVE", "ACTIONFORMSAVEAS", "", "ACTIONPRINT", "ACTIONPREVIEWVIEW", "",
                             "ACTIONFORMCLOSE", "ACTIONFORMEXIT"}) {
        if (*name) fileMenu_->addAction(FindAction(name));
        else fileMenu_->addSeparator();
    }
    viewMenu_ = menuBar()->addMenu(QStringLiteral("View"));
    for (const char* name : {"ACTIONVIEWSMALLERFONT", "ACTIONVIEWLARGERFONT", "ACTIONVIEWREFRESH", "",
                             "ACTIONFORMSHOWMAINPLANNING", "ACTIONFORMSHOWMAINASSESSMENTS", "ACTIONFORMSHOWMAINREPORTS",
                             ""}) {
        if (*name) viewMenu_->addAction(FindAction(name));
        else viewMenu_->addSeparator();
    }
    navigator_ = new QMenu(this);
    navigator_->setObjectName(QStringLiteral("PopupMenuViewNavigator"));
    for (const char* name : {"ACTIONFORMSHOWMAINPLANNING", "ACTIONFORMSHOWMAINASSESSMENTS",
                             "ACTIONFORMSHOWMAINREPORTS", "ACTIONFORMHIDEMAIN", "ACTIONFORMCLOSE"})
        navigator_->addAction(FindAction(name));
    navigator_->addSeparator();
    connect(navigator_, &QMenu::aboutToShow, this,
            [this] { FindAction("ACTIONFORMHIDEMAIN")->setEnabled(main_.MainWidget().isVisible()); });
}

void TFormDataControler::CreateToolBar() {
    QToolBar& bar = ToolBar();
    for (const char* name : {"ACTIONPREVIEWVIEW", "ACTIONVIEWSMALLERFONT", "ACTIONVIEWLARGERFONT"})
        bar.addAction(FindAction(name));
    AddViewSelector(*navigator_);
}

QAction* TFormDataControler::AddView(TFrameGridAncestor* view, std::string_view actionName, std::string_view caption) {
    if (static_cast<int>(slots_.Views().size()) >= kMaxViews) return nullptr;
    QAction* action = slots_.Add(view, actionName, caption);
    viewMenu_->addAction(action);
    navigator_->addAction(action);
    return action;
}

void TFormDataControler::SetupViews() {
    for (TFrameGridAncestor* view : slots_.Views()) {
        view->SetShowSelection(false);
        view->Editor().setLineWrapMode(QPlainTextEdit::WidgetWidth);
    }
}

void TFormDataControler::ActionView(QAction* sender) {
    for (std::size_t i = 0; i < slots_.Views().size(); ++i)
        if (slots_.ActionOf(static_cast<int>(i)) == sender) slots_.Show(static_cast<int>(i));
}

void TFormDataControler::SaveThroughMain(bool saveAs) {
    if (CurrentView()) CurrentView()->CommitEdit();
    if (saveAs) main_.SaveStoreAs();
    else main_.SaveStore();
    RefreshAfterChange();
}

void TFormDataControler::GoToOrganiser(Organiser organiser) {
    slots_.CommitEvery();
    closing_ = true;
    main_.ShowOrganiser(organiser);
    main_.MainWidget().show();
    main_.MainWidget().activateWindow();
    close();
}

void TFormDataControler::CloseWithoutAsking() {
    slots_.CommitEvery();
    closing_ = true;
    close();
}

// Single-window mode: the data window takes the main window's place, which is hidden meanwhile.
// The window takes its place before the base builds the view, so the page is laid out once, at
// its final width.
void TFormDataControler::showEvent(QShowEvent* event) {
    FindAction("ACTIONFORMHIDEMAIN")->setVisible(false);
    QWidget& mainWindow = main_.MainWidget();
    if (mainWindow.isVisible()) {
        setGeometry(mainWindow.geometry());
        if (mainWindow.isMaximized()) showMaximized();
        mainWindow.hide();
    }
    TFormControlerAncestor::showEvent(event);
}

void TFormDataControler::closeEvent(QCloseEvent* event) {
    slots_.CommitEvery();
    if (!closing_) {
        if (!Platform::Prompts().Ask("Exit Application", "Do You wish to Exit the application", MessageButtons::YesNo)) {
            event->ignore();
            return;
        }
        closing_ = true;
        registered_ = false;
        main_.UnregisterDataWindow(*this);
        main_.CloseApplication();
    }
    if (registered_) {
        registered_ = false;
        main_.UnregisterDataWindow(*this);
    }
    event->accept();
}

}  // namespace vantaro
