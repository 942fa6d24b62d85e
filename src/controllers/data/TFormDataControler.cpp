#include "controllers/data/TFormDataControler.h"

#include <QAction>
#include <QCloseEvent>
#include <QCursor>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStackedWidget>
#include <QToolBar>

#include "factory/CFactory.h"
#include "grid/CellEditor.h"
#include "grid/TFrameGridAncestor.h"
#include "routines/Platform.h"

namespace vantaro {
namespace {

constexpr int kSmallerFontImage = 12;
constexpr int kLargerFontImage = 13;

}  // namespace

TFormDataControler::TFormDataControler(const char* windowClassName, MainWindowCommands& main, QWidget* parent)
    : TFormControlerAncestor(windowClassName, QSize(800, 600), parent), main_(main) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint);
    stack_ = new QStackedWidget(this);
    setCentralWidget(stack_);
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
    AddAction("ActionViewSmallerFont", "Smaller Font", kSmallerFontImage, {}, [this] { ChangeFontSize(-1); });
    AddAction("ActionViewLargerFont", "Larger Font", kLargerFontImage, {}, [this] { ChangeFontSize(1); });
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
    UpdateFontActions();
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
    if (static_cast<int>(views_.size()) >= kMaxViews) return nullptr;
    QAction* action = AddAction(actionName, caption);
    action->setCheckable(true);
    SetHandler(actionName, [this, action] { ActionView(action); });
    views_.push_back(view);
    viewActions_.push_back(action);
    viewMenu_->addAction(action);
    navigator_->addAction(action);
    return action;
}

void TFormDataControler::SetupViews() {
    for (TFrameGridAncestor* view : views_) {
        view->SetController(this);
        view->SetShowSelection(false);
        view->Editor().setLineWrapMode(QPlainTextEdit::WidgetWidth);
        stack_->addWidget(view);
    }
}

void TFormDataControler::CommitEveryView() {
    for (TFrameGridAncestor* view : views_) view->EndEdit();
}

void TFormDataControler::ActionView(QAction* sender) {
    if (InPrintMode() && CurrentView()) {
        CurrentView()->ShowPreview(false);
        SetPrintMode(false);
    }
    SetCurrentView(nullptr);
    CommitEveryView();
    for (std::size_t i = 0; i < views_.size(); ++i) {
        const bool chosen = viewActions_[i] == sender;
        viewActions_[i]->setChecked(chosen);
        if (!chosen) continue;
        stack_->setCurrentWidget(views_[i]);
        SetCurrentView(views_[i]);
    }
    RefreshAfterChange();
}

void TFormDataControler::ChangeFontSize(int step) {
    CFactory* factory = CFactory::MainFactory();
    if (!factory) return;
    int& size = factory->Settings().Font.Size;
    size = std::clamp(size + step, kSmallestFontSize, kLargestFontSize);
    UpdateFontActions();
    RefreshAfterChange();
}

void TFormDataControler::UpdateFontActions() {
    const CFactory* factory = Factory();
    const int size = factory ? factory->Settings().Font.Size : kSmallestFontSize;
    FindAction("ACTIONVIEWSMALLERFONT")->setEnabled(size > kSmallestFontSize);
    FindAction("ACTIONVIEWLARGERFONT")->setEnabled(size < kLargestFontSize);
}

void TFormDataControler::SaveThroughMain(bool saveAs) {
    if (CurrentView()) CurrentView()->CommitEdit();
    if (saveAs) main_.SaveStoreAs();
    else main_.SaveStore();
    RefreshAfterChange();
}

void TFormDataControler::GoToOrganiser(Organiser organiser) {
    CommitEveryView();
    closing_ = true;
    main_.ShowOrganiser(organiser);
    main_.MainWidget().show();
    main_.MainWidget().activateWindow();
    close();
}

void TFormDataControler::CloseWithoutAsking() {
    CommitEveryView();
    closing_ = true;
    close();
}

// Single-window mode: the data window takes the main window's place, which is hidden meanwhile.
void TFormDataControler::showEvent(QShowEvent* event) {
    TFormControlerAncestor::showEvent(event);
    FindAction("ACTIONFORMHIDEMAIN")->setVisible(false);
    QWidget& mainWindow = main_.MainWidget();
    if (mainWindow.isVisible()) {
        setGeometry(mainWindow.geometry());
        if (mainWindow.isMaximized()) showMaximized();
        mainWindow.hide();
    }
    UpdateFontActions();
}

void TFormDataControler::closeEvent(QCloseEvent* event) {
    CommitEveryView();
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
