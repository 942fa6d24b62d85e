#include "controllers/TFormControlerAncestor.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QToolBar>

#include <algorithm>

#include "controllers/ControllerImages.h"
#include "controllers/SharedActions.h"
#include "controllers/property/TFormPropertyControler.h"
#include "controllers/selection/TFormSelectionControler.h"
#include "factory/CFactory.h"
#include "grid/GridColors.h"
#include "grid/GridErrors.h"
#include "grid/ImageList.h"
#include "grid/TFrameGridAncestor.h"
#include "grid/markup/CellReaders.h"
#include "routines/TextBasics.h"
#include "routines/WindowPosition.h"
#include "routines/Words.h"

namespace vantaro {
namespace {

const char* const kImageProperty = "imageIndex";
constexpr int kSmallerFontImage = 12;
constexpr int kLargerFontImage = 13;

}  // namespace

TFormControlerAncestor::TFormControlerAncestor(const char* windowClassName, QSize defaultSize, QWidget* parent)
    : TFormAncestor(windowClassName, defaultSize, parent) {
    popupMenu_ = new QMenu(this);
    popupMenu_->setObjectName(QStringLiteral("PopupMenu"));
    popupDefault_ = popupMenu_->addAction(QString());
    popupDefault_->setObjectName(QStringLiteral("PopupItemDefaultAction"));
    QFont bold = popupDefault_->font();
    bold.setBold(true);
    popupDefault_->setFont(bold);
    connect(popupDefault_, &QAction::triggered, this, [this] { RunAction(action_); });
    popupProperties_ = popupMenu_->addAction(QStringLiteral("Properties..."));
    popupProperties_->setObjectName(QStringLiteral("PopupItemProperties"));
    popupDelete_ = popupMenu_->addAction(QStringLiteral("Delete"));
    popupDelete_->setObjectName(QStringLiteral("PopupItemDelete"));
    popupSeparator_ = popupMenu_->addSeparator();
    popupSeparator_->setObjectName(QStringLiteral("PopupSeperatorDefaultAction"));
    AddSharedActions();
    connect(popupProperties_, &QAction::triggered, this, [this] { RunAction(FindAction("ACTIONTARGETPROPERTIES")); });
    connect(popupDelete_, &QAction::triggered, this, [this] { RunAction(FindAction("ACTIONTARGETDELETE")); });
}

TFormControlerAncestor::~TFormControlerAncestor() {
    if (loop_) loop_->quit();
}

void TFormControlerAncestor::AddSharedActions() {
    AddObjectActions(*this);
    AddChooseActions(*this);
    AddSelectActions(*this);
    AddNewActions(*this);
    AddNoteActions(*this);
    AddAttributeActions(*this);
    AddPrintActions(*this);
}

const CFactory* TFormControlerAncestor::Factory() { return CFactory::MainFactory(); }

QAction* TFormControlerAncestor::AddAction(std::string_view name, std::string_view caption, int image,
                                           const QKeySequence& shortcut, Handler handler) {
    auto* action = new QAction(QString::fromLatin1(caption.data(), static_cast<qsizetype>(caption.size())), this);
    action->setObjectName(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    action->setProperty(kImageProperty, image);
    if (image >= 0) action->setIcon(ControllerImages().Icon(image));
    if (!shortcut.isEmpty()) {
        action->setShortcut(shortcut);
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
    }
    // A later action of the same name does not hide the first, as in a search in order.
    actionIndex_.try_emplace(UpperCase(name), actions_.size());
    actions_.push_back(action);
    handlers_.push_back(std::move(handler));
    connect(action, &QAction::triggered, this, [this, action] { RunAction(action); });
    return action;
}

QAction* TFormControlerAncestor::FindAction(std::string_view name) const {
    const auto found = actionIndex_.find(std::string(name));
    return found == actionIndex_.end() ? nullptr : actions_[found->second];
}

void TFormControlerAncestor::SetHandler(std::string_view name, Handler handler) {
    const auto found = actionIndex_.find(UpperCase(name));
    if (found != actionIndex_.end()) handlers_[found->second] = std::move(handler);
}

void TFormControlerAncestor::RunAction(QAction* action) {
    if (!action) return;
    const auto found = std::find(actions_.begin(), actions_.end(), action);
    if (found == actions_.end()) return;
    const Handler handler = handlers_[found - actions_.begin()];
    if (handler) ReportErrors(handler);
}

int TFormControlerAncestor::ActionImageIndex(const std::string& name) const {
    const QAction* action = FindAction(UpperCase(name));
    return action ? action->property(kImageProperty).toInt() : -1;
}

const ImageList* TFormControlerAncestor::ActionImages() const { return &ControllerImages(); }

void TFormControlerAncestor::SetCellContext(const std::string& markup) {
    if (markup.empty()) {
        target_ = {};
        source_ = {};
        action_ = nullptr;
        return;
    }
    target_ = StoredRef(CellTarget(markup, Factory()));
    source_ = StoredRef(CellSource(markup, Factory()));
    action_ = FindAction(UpperCase(CellValue(markup, cell::kAction)));
}

void TFormControlerAncestor::RunCell(const std::string& markup) {
    SetCellContext(markup);
    if (action_) RunAction(action_);
}

void TFormControlerAncestor::ShowCellMenu(int, int, const std::string& markup) {
    SetCellContext(markup);
    popupDefault_->setVisible(action_ != nullptr);
    popupSeparator_->setVisible(action_ != nullptr);
    if (action_) {
        popupDefault_->setText(action_->text());
        popupDefault_->setIcon(action_->icon());
    }
    const CStored* target = CurrentTarget();
    const bool deletable = target && target->ClassName() != "CYear" && target->ClassName() != "CTeachingDay";
    popupProperties_->setVisible(deletable);
    popupDelete_->setVisible(deletable);
    if (deletable) popupDelete_->setText(QString::fromLatin1("Delete " + ClassWords(target->ClassName())));
    const QList<QAction*> entries = popupMenu_->actions();
    for (qsizetype i = 4; i < entries.size(); ++i) entries[i]->setVisible(false);
}

void TFormControlerAncestor::ShowMenuEntries(const std::vector<const char*>& names) {
    for (const char* name : names) {
        QAction* action = FindAction(name);
        if (!action || action == CurrentAction()) continue;
        if (!popupMenu_->actions().contains(action)) popupMenu_->addAction(action);
        action->setVisible(true);
    }
}

void TFormControlerAncestor::SetCurrentView(TFrameGridAncestor* view) {
    view_ = view;
    if (view) view->SetController(this);
}

void TFormControlerAncestor::Refresh(int mode) {
    if (view_) view_->Refresh(mode);
}

void TFormControlerAncestor::RefreshAfterChange() {
    if (view_) view_->Refresh(1);
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget == this || !widget->isVisible()) continue;
        if (auto* property = qobject_cast<TFormPropertyControler*>(widget)) property->Refresh(0);
        else if (auto* chooser = qobject_cast<TFormSelectionControler*>(widget)) chooser->Refresh(0);
    }
}

bool TFormControlerAncestor::AddNewObject(CStored* parent, CStored* newObject) {
    if (!newObject) return false;
    TFormPropertyControler properties(this);
    if (properties.ShowProperties(newObject, this, true)) {
        RefreshAfterChange();
        return true;
    }
    if (CFactory* factory = newObject->GetFactory()) factory->RemoveObject(newObject).reset();
    if (parent) parent->ResolveReferences();
    return false;
}

QToolBar& TFormControlerAncestor::ToolBar() {
    if (!toolBar_) {
        toolBar_ = addToolBar(QStringLiteral("Tools"));
        toolBar_->setObjectName(QStringLiteral("PanelToolBar"));
        toolBar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    }
    return *toolBar_;
}

QToolBar& TFormControlerAncestor::PrintBar() {
    if (!printBar_) {
        printBar_ = addToolBar(QStringLiteral("Print"));
        printBar_->setObjectName(QStringLiteral("PanelPrintBar"));
        printBar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
        printBar_->hide();
    }
    return *printBar_;
}

QMenu& TFormControlerAncestor::PrintMenu() {
    if (!printMenu_) {
        printMenu_ = new QMenu(QStringLiteral("Preview"), this);
        printMenu_->setObjectName(QStringLiteral("PrintMenu"));
    }
    return *printMenu_;
}

void TFormControlerAncestor::AddFontSizeActions() {
    AddAction("ActionViewSmallerFont", "Smaller Font", kSmallerFontImage, {}, [this] { ChangeFontSize(-1); });
    AddAction("ActionViewLargerFont", "Larger Font", kLargerFontImage, {}, [this] { ChangeFontSize(1); });
    UpdateFontSizeActions();
}

void TFormControlerAncestor::ChangeFontSize(int step) {
    CFactory* factory = CFactory::MainFactory();
    if (!factory) return;
    int& size = factory->Settings().Font.Size;
    size = std::clamp(size + step, kSmallestFontSize, kLargestFontSize);
    UpdateFontSizeActions();
    RefreshAfterChange();
}

void TFormControlerAncestor::UpdateFontSizeActions() {
    QAction* smaller = FindAction("ACTIONVIEWSMALLERFONT");
    QAction* larger = FindAction("ACTIONVIEWLARGERFONT");
    const CFactory* factory = Factory();
    if (!smaller || !larger || !factory) return;
    const int size = factory->Settings().Font.Size;
    smaller->setEnabled(size > kSmallestFontSize);
    larger->setEnabled(size < kLargestFontSize);
}

void TFormControlerAncestor::AddViewSelector(QMenu& navigator) {
    QToolBar& bar = ToolBar();
    auto* spacer = new QWidget(&bar);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    bar.addWidget(spacer);
    auto* selector = new QLabel(QStringLiteral("\u25BC"), &bar);
    selector->setObjectName(QStringLiteral("LabelViewSelector"));
    selector->setStyleSheet(QStringLiteral("color: rgb(70, 83, 132); padding: 0 6px;"));
    selector->installEventFilter(this);
    bar.addWidget(selector);
    viewSelector_ = selector;
    navigator_ = &navigator;
}

bool TFormControlerAncestor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == viewSelector_ && navigator_ && event->type() == QEvent::Enter) navigator_->popup(QCursor::pos());
    return TFormAncestor::eventFilter(watched, event);
}

// While a preview shows, the window's own menus and tool bar give way to the preview's.
void TFormControlerAncestor::SetPrintMode(bool on) {
    if (on == printMode_) return;
    printMode_ = on;
    if (on) {
        hiddenMenus_.clear();
        for (QAction* menu : menuBar()->actions())
            if (menu->isVisible()) {
                menu->setVisible(false);
                hiddenMenus_.push_back(menu);
            }
        if (!printMenuEntry_) printMenuEntry_ = menuBar()->addMenu(&PrintMenu());
        printMenuEntry_->setVisible(true);
        if (toolBar_) toolBar_->hide();
        PrintBar().show();
    } else {
        for (QAction* menu : hiddenMenus_) menu->setVisible(true);
        hiddenMenus_.clear();
        if (printMenuEntry_) printMenuEntry_->setVisible(false);
        PrintBar().hide();
        if (toolBar_) toolBar_->show();
    }
    PrintModeChanged(on);
}

void TFormControlerAncestor::CentreOver(const QWidget* owner) {
    const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const QRect frame = geometry();
    std::optional<WindowRect> ownerRect;
    if (owner) {
        const QRect o = owner->window()->geometry();
        ownerRect = WindowRect{o.left() - area.left(), o.top() - area.top(), o.width(), o.height()};
    }
    const WindowRect placed = CentreWindow({0, 0, frame.width(), frame.height()}, ownerRect,
                                           {area.width(), area.height()});
    move(area.left() + placed.left, area.top() + placed.top);
}

bool TFormControlerAncestor::ExecModal(QWidget* owner) {
    // A window of its own, transient for the owner's window so the window system keeps it above.
    if (owner) setParent(owner->window(), windowFlags() | Qt::Window);
    else if (!isWindow()) setWindowFlags(windowFlags() | Qt::Window);
    setWindowModality(Qt::ApplicationModal);
    CentreOver(owner);
    answer_ = false;
    QEventLoop loop;
    loop_ = &loop;
    QPointer<TFormControlerAncestor> alive(this);
    show();
    raise();
    activateWindow();
    loop.exec(QEventLoop::DialogExec);
    if (!alive) return false;
    loop_ = nullptr;
    hide();
    return answer_;
}

// The window stops counting as running modally at once, though its loop ends only when control
// returns to it.
void TFormControlerAncestor::CloseWith(bool answer) {
    answer_ = answer;
    if (!loop_) return hide();
    loop_->quit();
    loop_ = nullptr;
}

void TFormControlerAncestor::showEvent(QShowEvent* event) {
    TFormAncestor::showEvent(event);
    if (const CFactory* factory = Factory()) setFont(SettingsFont(factory->Settings().Font));
    UpdateFontSizeActions();
    if (refreshOnShow_ && view_) view_->Refresh(0);
}

void TFormControlerAncestor::closeEvent(QCloseEvent* event) {
    if (loop_) {
        event->ignore();
        CloseWith(CloseButtonAnswer());
        return;
    }
    TFormAncestor::closeEvent(event);
}

}  // namespace vantaro
