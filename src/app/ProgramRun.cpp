#include "app/ProgramRun.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

#include "app/TFormStartup.h"
#include "domain/CRovanFactory.h"
#include "windows/DataWindows.h"
#include "windows/LocalPath.h"
#include "windows/main/TFormMain.h"
#include "wizards/Wizards.h"

// The icons live in the UI library, whose resources the linker would drop unless referred to.
static void RegisterAppIcons() { Q_INIT_RESOURCE(AppIcons); }

namespace vantaro {
namespace {

QIcon ApplicationIcon() {
    RegisterAppIcons();
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256}) icon.addFile(QStringLiteral(":/app/vantaro-%1.png").arg(size));
    return icon;
}

}  // namespace

ProgramRun::ProgramRun(const Services& services)
    : services_(services), platform_(PlatformFor(nullptr)) {
    QApplication::setWindowIcon(ApplicationIcon());
    CFactory::SetProgramFolder(
        ToLocalPath(QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + QLatin1Char('/'))));

    mainFactory_ = std::make_unique<CRovanFactory>();
    scratchFactory_ = std::make_unique<CRovanFactory>();
    CFactory::SetMainFactory(mainFactory_.get());
    mainFactory_->SetDeletedCountsAsHidden(true);
    mainFactory_->ReadSettings();

    formMain_ = std::make_unique<TFormMain>(*mainFactory_, *scratchFactory_, *services.dialogs);
    InstallDataWindows(*formMain_);
    formStartup_ = std::make_unique<TFormStartup>();
    Platform::Install(PlatformFor(formStartup_.get()));
    CreateSharedWindows();
}

PlatformServices ProgramRun::PlatformFor(ProgressSink* progress) {
    UserPrompts* prompts = services_.prompts ? services_.prompts : &qtPrompts_;
    return {nullptr, nullptr, prompts, &busyCursor_, progress, services_.settings};
}

ProgramRun::~ProgramRun() { Shutdown(); }

// The windows over the whole store (trash can, filter, object map) and the wizard window live
// from start-up to shutdown as children of the main window. The notes, absences, set manager and pupil selection
// windows, like the chooser, property window, message box and date selector, are made for each
// use instead: one can be opened from within another, and one that a data window opens cannot
// go with that window when it closes.
void ProgramRun::CreateSharedWindows() {
    formMain_->CreateSharedWindows();
    InstallWizards(*formMain_, *scratchFactory_, *services_.dialogs);
}

void ProgramRun::Start(const QStringList& arguments) {
    if (arguments.size() < 2) {
        mainFactory_->NewDataStore(false);
        formMain_->ActionFileDisplayFactoryExecute();
    } else {
        mainFactory_->SetFileName(ToLocalPath(arguments.at(1)));
        formMain_->ActionFileOpenDefaultExecute();
    }
    formMain_->show();
    QApplication::processEvents();
    formStartup_->hide();
}

int ProgramRun::Exec() {
    const int status = QApplication::exec();
    Shutdown();
    return status;
}

void ProgramRun::Shutdown() {
    if (shutDown_) return;
    shutDown_ = true;
    mainFactory_->WriteSettings();
    // The start-up window stops being the progress window before it goes.
    Platform::Install(PlatformFor(nullptr));
    CFactory::SetMainFactory(nullptr);
    mainFactory_.reset();
    scratchFactory_.reset();
    formStartup_.reset();
    formMain_.reset();
}

}  // namespace vantaro
