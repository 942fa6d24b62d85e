#include "windows/main/TFormMain.h"

#include <QAction>
#include <QCloseEvent>
#include <QFontDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include "controllers/data/TFormDataControler.h"
#include "domain/CRovanFactory.h"
#include "domain/Periods.h"
#include "grid/CellText.h"
#include "grid/GridColors.h"
#include "routines/AppInfo.h"
#include "routines/Platform.h"
#include "routines/VersionText.h"
#include "windows/LocalPath.h"
#include "windows/organisers/TFrameAptitudeListingGrid.h"
#include "windows/organisers/TFrameAssessmentOverviewGrid.h"
#include "windows/organisers/TFrameCurriculumOverviewGrid.h"
#include "windows/organisers/TFramePlanningOverviewGrid.h"
#include "windows/organisers/TFramePupilListingGrid.h"
#include "windows/organisers/TFrameReportOverviewGrid.h"

namespace vantaro {
namespace {

constexpr int kVersionPanelWidth = 200;
constexpr QSize kDefaultSize(900, 650);

struct ViewRow {
    const char* viewName;
    const char* actionName;
    const char* caption;
    bool rangeSelect;  // the organisers select ranges and show selection; the listings do not
};

constexpr ViewRow kViews[] = {
    {"ViewPlanningOverviewGrid", "ActionViewPlanningOverview", "Planning Organiser", true},
    {"ViewAssessmentOverviewGrid", "ActionViewAssessmentOverview", "Assessment Organiser", true},
    {"ViewReportOverview", "ActionViewReportOverview", "Report Organiser", true},
    {"ViewCurriculumOverview", "ActionViewCurriculumOverview", "Curriculum Organiser", true},
    {"ViewPupilListingGrid", "ActionViewPupils", "Pupil Listing", false},
    {"ViewAptitudeListingGrid", "ActionViewAptitudes", "Aptitude Listing", false},
};

// The product's web address, shown by About.
constexpr const char* kProductAddress = "https://www.corvale.example/vantaro";

void AddEntries(QMenu& menu, const TFormControlerAncestor& window, std::initializer_list<const char*> names) {
    for (const char* name : names) {
        if (*name) menu.addAction(window.FindAction(name));
        else menu.addSeparator();
    }
}

}  // namespace

TFormMain::TFormMain(CRovanFactory& factory, CRovanFactory& scratch, FileDialogs& dialogs, QWidget* parent)
    : TFormControlerAncestor("TFormMain", kDefaultSize, parent),
      factory_(factory),
      scratch_(scratch),
      dialogs_(dialogs),
      slots_(*this) {
    setObjectName(QStringLiteral("FormMain"));
    setProperty("vantaroMainWindow", true);
    setWindowTitle(QString::fromLatin1(ApplicationTitle()));
    SetRefreshOnShow(false);
    makers_.resize(4);
    CreateViews();
    CreateMainActions();
    CreateCellActions();
    CreateStoreActions();
    CreateMenus();
    CreateToolBar();
    versionPanel_ = new QLabel(this);
    versionPanel_->setFixedWidth(kVersionPanelWidth);
    fileNamePanel_ = new QLabel(this);
    statusBar()->addWidget(versionPanel_);
    statusBar()->addWidget(fileNamePanel_, 1);
    ShowStatus();
}

TFormMain::~TFormMain() {
    closingAll_ = true;
    for (const QPointer<TFormDataControler>& window : std::vector(dataWindows_))
        if (window) delete window.data();
}

bool TFormMain::RunWizard(const std::string& name, CStored* target, QWidget* caller) {
    return wizardRunner_ && wizardRunner_(name, target, caller);
}

void TFormMain::CreateViews() {
    const std::vector<TFrameGridAncestor*> views = {
        new TFramePlanningOverviewGrid(this), new TFrameAssessmentOverviewGrid(this),
        new TFrameReportOverviewGrid(this),   new TFrameCurriculumOverviewGrid(this),
        new TFramePupilListingGrid(this),     new TFrameAptitudeListingGrid(this)};
    for (std::size_t i = 0; i < views.size(); ++i) {
        TFrameGridAncestor* view = views[i];
        view->setObjectName(QLatin1String(kViews[i].viewName));
        view->SetRangeSelect(kViews[i].rangeSelect);
        view->SetShowSelection(kViews[i].rangeSelect);
        slots_.Add(view, kViews[i].actionName, kViews[i].caption);
    }
}

void TFormMain::CreateMainActions() {
    AddAction("ActionFileNew", "New", 11, {}, [this] { ActionFileNewExecute(); });
    AddAction("ActionFileOpen", "Open...", 6, {}, [this] { ActionFileOpenExecute(); });
    AddAction("ActionFileOpenDefault", "", -1, {}, [this] { ActionFileOpenDefaultExecute(); });
    AddAction("ActionFileDisplayFactory", "", -1, {}, [this] { ActionFileDisplayFactoryExecute(); });
    AddAction("ActionFileAppend", "Append...", -1, {}, [this] { ActionFileAppendExecute(); });
    AddAction("ActionFileSave", "Save", 9, QKeySequence(Qt::CTRL | Qt::Key_S), [this] { ActionFileSaveExecute(); });
    AddAction("ActionFileSaveAs", "Save As...", -1, {}, [this] { ActionFileSaveAsExecute(); });
    AddAction("ActionFileSort", "Sort Datastore", -1, {}, [this] {
        if (CurrentView()) CurrentView()->EndEdit();
        factory_.SortCollections();
        RefreshAfterChange();
    });
    AddAction("ActionFileProperties", "File Properties...", -1, {}, [this] {
        SetCurrentTarget(CurrentYear());
        RunAction(FindAction("ACTIONTARGETPROPERTIES"));
    });
    AddAction("ActionFileExit", "Exit", -1, {}, [this] { ActionFileExitExecute(); });
    // The wizards run by name; each refreshes the views when it finishes.
    const auto wizardAction = [this](const char* action, const char* caption, int image, const char* wizard) {
        AddAction(action, caption, image, {}, [this, wizard] {
            if (CurrentView()) CurrentView()->EndEdit();
            if (RunWizard(wizard, nullptr, this)) RefreshAfterChange();
        });
    };
    wizardAction("ActionShowBackupWizard", "Backup Wizard...", -1, "BACKUP");
    wizardAction("ActionShowFileDataWizard", "File Data Wizard...", -1, "FILE_DATA");
    wizardAction("ActionFileLoadPupilWizard", "Load Pupil Wizard...", -1, "LOAD_PUPIL_LIST_WIZARD");
    wizardAction("ActionShowSearchWizard", "Search Wizard...", 5, "SEARCH_ORGANISERS");
    wizardAction("ActionViewOptions", "Options...", 2, "FACTORY_OPTIONS");
    // The store windows' handlers are set in TFormMainStore.cpp.
    AddAction("ActionViewFilter", "Filter...", 0);
    AddAction("ActionViewTrashCan", "Trash Can...", 3);
    AddAction("ActionShowObjectStore", "Object Store...");
    AddFontSizeActions();
    AddAction("ActionViewFont", "Font...", 1, {}, [this] {
        CFontDescription& font = factory_.Settings().Font;
        bool chosen = false;
        const QFont picked = QFontDialog::getFont(&chosen, SettingsFont(font), this, QStringLiteral("Font"));
        if (!chosen) return;
        font.Name = picked.family().toLatin1().toStdString();
        font.Size = std::clamp(picked.pointSize(), kSmallestFontSize, kLargestFontSize);
        font.Bold = picked.bold();
        font.Italic = picked.italic();
        font.Underline = picked.underline();
        font.StrikeOut = picked.strikeOut();
        RefreshAfterChange();
    });
    AddAction("ActionInfoAbout", "About...", -1, {}, [] {
        Platform::Prompts().Ask("About Vantaro",
                                std::string("Information about the application can be found at \r\n\t") + kProductAddress,
                                MessageButtons::Close);
    });
}

void TFormMain::CreateMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("File"));
    AddEntries(*file, *this,
               {"ACTIONFILENEW", "ACTIONFILEOPEN", "ACTIONFILEAPPEND", "", "ACTIONFILESAVE", "ACTIONFILESAVEAS",
                "ACTIONSHOWBACKUPWIZARD", "", "ACTIONFILESORT", "ACTIONFILEPROPERTIES", "ACTIONSHOWFILEDATAWIZARD", "",
                "ACTIONPRINT", "ACTIONPREVIEWVIEW", "ACTIONSAVEALLREPORTSPDF", "", "ACTIONFILELOADPUPILWIZARD", "", "ACTIONFILEEXIT"});
    QMenu* view = menuBar()->addMenu(QStringLiteral("View"));
    AddEntries(*view, *this,
               {"ACTIONVIEWSMALLERFONT", "ACTIONVIEWLARGERFONT", "ACTIONVIEWREFRESH", "", "ACTIONVIEWFILTER",
                "ACTIONVIEWFONT", "ACTIONVIEWOPTIONS", "ACTIONSHOWSEARCHWIZARD", "ACTIONVIEWTRASHCAN", "",
                "ACTIONVIEWPLANNINGOVERVIEW", "ACTIONVIEWASSESSMENTOVERVIEW", "ACTIONVIEWREPORTOVERVIEW",
                "ACTIONVIEWCURRICULUMOVERVIEW", "ACTIONVIEWPUPILS", "ACTIONVIEWAPTITUDES"});
    QMenu* info = menuBar()->addMenu(QStringLiteral("Info"));
    AddEntries(*info, *this, {"ACTIONINFOABOUT", "", "ACTIONSHOWOBJECTSTORE"});
    navigator_ = new QMenu(this);
    navigator_->setObjectName(QStringLiteral("PopupMenuViewNavigator"));
    AddEntries(*navigator_, *this,
               {"ACTIONVIEWPLANNINGOVERVIEW", "ACTIONVIEWASSESSMENTOVERVIEW", "ACTIONVIEWREPORTOVERVIEW", ""});
}

void TFormMain::CreateToolBar() {
    QToolBar& bar = ToolBar();
    for (const char* name : {"ACTIONVIEWSMALLERFONT", "ACTIONVIEWLARGERFONT", "ACTIONVIEWFILTER", "ACTIONVIEWFONT",
                             "ACTIONVIEWOPTIONS", "ACTIONVIEWTRASHCAN", "ACTIONPREVIEWVIEW", "ACTIONSHOWSEARCHWIZARD"})
        bar.addAction(FindAction(name));
    AddViewSelector(*navigator_);
}

CYear* TFormMain::CurrentYear() const { return factory_.Year(); }

QAction* TFormMain::Action(const QString& name) const {
    return FindAction(name.toUpper().toLatin1().toStdString());
}

QString TFormMain::VersionPanelText() const { return versionPanel_->text(); }
QString TFormMain::FileNamePanelText() const { return fileNamePanel_->text(); }

QString TFormMain::YearText() const {
    const CYear* year = CurrentYear();
    return year ? FromLatin1(year->DisplayText()) : QString();
}

void TFormMain::ShowStatus() {
    versionPanel_->setText(QString::fromLatin1(VersionText()));
    fileNamePanel_->setText(FromLocalPath(factory_.FileName()));
}

void TFormMain::showEvent(QShowEvent* event) {
    TFormControlerAncestor::showEvent(event);
    if (!CurrentView()) ShowView(0);
}

void TFormMain::SetDataWindowMaker(DataWindowKind kind, DataWindowMaker maker) {
    makers_[static_cast<std::size_t>(kind)] = std::move(maker);
}

// The window list: each open data window has an entry in the view navigator that brings it to
// the front.
void TFormMain::RegisterDataWindow(TFormDataControler& window) {
    dataWindows_.emplace_back(&window);
    QAction* entry = navigator_->addAction(window.windowTitle());
    entry->setObjectName(QStringLiteral("MenuItemShowForm%1").arg(menuBar()->actions().size() + 1));
    entry->setData(QVariant::fromValue(static_cast<QObject*>(&window)));
    QPointer<TFormDataControler> target(&window);
    connect(entry, &QAction::triggered, this, [target] {
        if (!target) return;
        target->show();
        target->raise();
        target->activateWindow();
    });
}

void TFormMain::UnregisterDataWindow(TFormDataControler& window) {
    const auto found = std::find(dataWindows_.begin(), dataWindows_.end(), &window);
    if (found == dataWindows_.end()) return;
    dataWindows_.erase(found);
    const QList<QAction*> entries = navigator_->actions();
    for (qsizetype i = entries.size() - 1; i >= 0; --i) {
        if (entries[i]->data().value<QObject*>() != &window) continue;
        navigator_->removeAction(entries[i]);
        entries[i]->deleteLater();
        break;
    }
    if (closingAll_) return;
    if (dataWindows_.empty()) show();
    if (CurrentViewIndex() == 2) Refresh(1);
}

void TFormMain::ShowOrganiser(Organiser organiser) {
    switch (organiser) {
        case Organiser::Planning: ShowView(0); break;
        case Organiser::Assessments: ShowView(1); break;
        case Organiser::Reports: ShowView(2); break;
        case Organiser::Curricula: ShowView(3); break;
    }
}

}  // namespace vantaro
