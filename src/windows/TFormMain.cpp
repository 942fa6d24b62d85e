#include "windows/TFormMain.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>

#include "domain/CRovanFactory.h"
#include "domain/Periods.h"
#include "domain/People.h"
#include "factory/DataStoreErrors.h"
#include "routines/AppInfo.h"
#include "routines/Platform.h"
#include "routines/VersionText.h"
#include "routines/Words.h"
#include "windows/FileDialogs.h"
#include "windows/LocalPath.h"

namespace vantaro {
namespace {

constexpr int kVersionPanelWidth = 200;
constexpr QSize kDefaultSize(800, 600);
const QString kOpenFilter = QStringLiteral("Data Store (*.ods);;All Files (*)");
const QString kSaveFilter = QStringLiteral("Data Store (*.ods)");

bool AskYesNo(const char* title, const char* text) {
    return Platform::Prompts().Ask(title, text, MessageButtons::YesNo);
}

void Tell(const char* title, const std::string& text) {
    Platform::Prompts().Ask(title, text, MessageButtons::Close);
}

}  // namespace

TFormMain::TFormMain(CRovanFactory& factory, FileDialogs& dialogs, QWidget* parent)
    : TFormAncestor("TFormMain", kDefaultSize, parent),
      factory_(factory),
      dialogs_(dialogs),
      yearLabel_(new QLabel(this)),
      versionPanel_(new QLabel(this)),
      fileNamePanel_(new QLabel(this)) {
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(QString::fromLatin1(ApplicationTitle()));
    yearLabel_->setObjectName(QStringLiteral("YearLabel"));
    yearLabel_->setAlignment(Qt::AlignCenter);
    setCentralWidget(yearLabel_);
    versionPanel_->setFixedWidth(kVersionPanelWidth);
    statusBar()->addWidget(versionPanel_);
    statusBar()->addWidget(fileNamePanel_, 1);
    CreateMenus();
    ShowStatus();
}

QAction* TFormMain::AddAction(const char* name, const char* caption,
                              const std::function<void()>& execute) {
    auto* action = new QAction(QString::fromLatin1(caption), this);
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, execute);
    return action;
}

void TFormMain::CreateMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("File"));
    file->addAction(AddAction("ActionFileNew", "New", [this] { ActionFileNewExecute(); }));
    file->addAction(AddAction("ActionFileOpen", "Open...", [this] { ActionFileOpenExecute(); }));
    file->addSeparator();
    QAction* save = AddAction("ActionFileSave", "Save", [this] { ActionFileSaveExecute(); });
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    file->addAction(save);
    file->addAction(
        AddAction("ActionFileSaveAs", "Save As...", [this] { ActionFileSaveAsExecute(); }));
    file->addSeparator();
    file->addAction(AddAction("ActionFileExit", "Exit", [this] { ActionFileExitExecute(); }));
}

QAction* TFormMain::Action(const QString& name) const { return findChild<QAction*>(name); }

QString TFormMain::VersionPanelText() const { return versionPanel_->text(); }

QString TFormMain::FileNamePanelText() const { return fileNamePanel_->text(); }

QString TFormMain::YearText() const { return yearLabel_->text(); }

void TFormMain::ShowStatus() {
    versionPanel_->setText(QString::fromLatin1(VersionText()));
    fileNamePanel_->setText(FromLocalPath(factory_.FileName()));
}

void TFormMain::ActionFileDisplayFactoryExecute() {
    currentYear_ = factory_.Year();
    if (!currentYear_) {
        ActionFileNewExecute();
        return;
    }
    yearLabel_->setText(QString::fromLatin1(currentYear_->DisplayText()));
    ShowStatus();
}

bool TFormMain::OpenFile(const QString& fileName) {
    try {
        factory_.Open(ToLocalPath(fileName));
        return true;
    } catch (const EVantaro& error) {
        Tell("Open Error", error.what());
        return false;
    }
}

void TFormMain::ActionFileOpenDefaultExecute() {
    // A file that could not be read keeps its name in the factory; it must not be the target
    // of the next save, so the new store replaces it.
    if (!OpenFile(FromLocalPath(factory_.FileName())) || factory_.FileName().empty())
        ActionFileNewExecute();
    ActionFileDisplayFactoryExecute();
}

void TFormMain::OfferToSave(const char* question) {
    if (CFactory::HasUnsavedChanges() && AskYesNo("Save Work", question)) ActionFileSaveExecute();
}

void TFormMain::ActionFileNewExecute() {
    OfferToSave("Would you like to Save your current file before starting a new file");
    factory_.NewDataStore(true);
    ActionFileDisplayFactoryExecute();
    CStaff* tutor = factory_.Tutor();
    for (CStored* subject : currentYear_->AssociationItems("SUBJECTS"))
        subject->SetRelation("TUTOR", tutor);
}

void TFormMain::ActionFileOpenExecute() {
    OfferToSave("Would you like to Save your current file before opening a new file");
    const QString fileName = dialogs_.ChooseFileToOpen(this, kOpenFilter);
    if (!fileName.isEmpty()) OpenFile(fileName);
    ActionFileDisplayFactoryExecute();
}

void TFormMain::EmptyTrashBeforeSave() {
    if (factory_.HasStatus(StoredStatus::Deleted)) factory_.EmptyTrash();
}

bool TFormMain::SaveTo(const QString& fileName) {
    try {
        factory_.Save(ToLocalPath(fileName));
    } catch (const ESaveError& error) {
        if (!error.MessageShown()) Tell("Save Error", error.what());
        return false;
    } catch (const EVantaro& error) {
        Tell("Save Error", error.what());
        return false;
    }
    ShowStatus();
    return true;
}

bool TFormMain::ActionFileSaveExecute() {
    if (factory_.FileName().empty()) return ActionFileSaveAsExecute();
    EmptyTrashBeforeSave();
    return SaveTo(FromLocalPath(factory_.FileName()));
}

QString TFormMain::InitialSaveName() const {
    if (!factory_.FileName().empty()) return FromLocalPath(factory_.FileName());
    if (!currentYear_) return {};
    const std::string name =
        currentYear_->DisplayText() + " " + currentYear_->GetAttributeText("TUTOR_NAME");
    return QString::fromLatin1(UpperAlphanumeric(name)).trimmed();
}

bool TFormMain::ActionFileSaveAsExecute() {
    EmptyTrashBeforeSave();
    const QString fileName = dialogs_.ChooseFileToSave(this, kSaveFilter, InitialSaveName());
    return !fileName.isEmpty() && SaveTo(fileName);
}

void TFormMain::ActionFileExitExecute() {
    if (isVisible()) {
        close();
    } else if (AskYesNo("Exit Application", "Would you like to exit the application")) {
        close();
    }
}

void TFormMain::closeEvent(QCloseEvent* event) {
    if (isVisible() && !AskYesNo("Exit Application", "Do You wish to Exit the application")) {
        event->ignore();
        return;
    }
    if (factory_.HasChanges() &&
        AskYesNo("Save Before Exit", "Would you like to save your changes before exiting the application"))
        ActionFileSaveExecute();
    event->accept();
}

}  // namespace vantaro
