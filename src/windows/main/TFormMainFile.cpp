// The main window's file commands: new, open, append, save, save as and the end of the program.
// Nothing is thrown away without a question, a question may be cancelled, and a file that failed
// to load is never written over.

#include <QDir>
#include <QFileInfo>
#include <QCloseEvent>

#include "controllers/data/TFormDataControler.h"
#include "domain/CRovanFactory.h"
#include "domain/People.h"
#include "domain/Periods.h"
#include "factory/DataStoreErrors.h"
#include "routines/Platform.h"
#include "windows/FileDialogs.h"
#include "windows/LocalPath.h"
#include "windows/main/TFormMain.h"
#include "windows/store/TFormTrashCanControler.h"

namespace vantaro {
namespace {

const QString kOpenFilter = QStringLiteral("Data Store (*.ods);;All Files (*)");
const QString kStoreFilter = QStringLiteral("Data Store (*.ods)");

void Tell(const char* title, const std::string& text) { Platform::Prompts().Ask(title, text, MessageButtons::Close); }

}  // namespace

// Every data window goes before the objects it shows can: the editors are committed, no one is
// asked, and the list is walked as a copy because each window leaves it as it closes.
void TFormMain::CloseEveryDataWindow() {
    closingAll_ = true;
    for (const QPointer<TFormDataControler>& window : std::vector(dataWindows_))
        if (window) window->CloseWithoutAsking();
    closingAll_ = false;
}

// True to go on: there was nothing to save, the user saved, or chose not to.
bool TFormMain::OfferToSave(const char* question) {
    if (CurrentView()) CurrentView()->EndEdit();
    if (!factory_.HasChanges()) return true;
    switch (Platform::Prompts().AskOrCancel("Save Work", question, MessageButtons::YesNo)) {
        case Answer::First: return ActionFileSaveExecute();
        case Answer::Second: return true;
        case Answer::Cancel: return false;
    }
    return false;
}

// Deleted objects are destroyed before any save; with items in the trash the user may restore
// some first. True when objects were destroyed: the windows must drop them, whether or not the
// save that follows succeeds.
bool TFormMain::OfferToRestoreTrash() {
    if (!factory_.HasStatus(StoredStatus::Deleted)) return false;
    if (factory_.Trash().Count() > 0 &&
        Platform::Prompts().Ask("There Are Items In The Trash", "Would you like to restore them before the data is saved",
                                MessageButtons::YesNo))
        TrashWindow().ShowTrash(this);
    factory_.EmptyTrash();
    return true;
}

void TFormMain::ActionFileDisplayFactoryExecute() {
    for (TFrameGridAncestor* view : Views()) {
        view->SetSavedLeftColumn(0);
        view->SetSavedTopRow(0);
    }
    CYear* year = CurrentYear();
    if (!year) {
        ActionFileNewExecute();
        return;
    }
    for (TFrameGridAncestor* view : Views()) view->SetObject(year);
    ShowStatus();
    if (CurrentView()) RefreshAfterChange();
}

void TFormMain::ActionFileNewExecute() {
    if (!OfferToSave("Would you like to Save your current file before starting a new file")) return;
    CloseEveryDataWindow();
    factory_.NewDataStore(true);
    ActionFileDisplayFactoryExecute();
    SetCurrentTarget(CurrentYear());
    RunAction(FindAction("ACTIONTARGETPROPERTIES"));
    CStaff* tutor = factory_.Tutor();
    if (CYear* year = CurrentYear())
        for (CStored* subject : year->AssociationItems("SUBJECTS")) subject->SetRelation("TUTOR", tutor);
    RefreshAfterChange();
}

bool TFormMain::LoadFileInto(const std::string& path) {
    try {
        factory_.Open(path);
        return true;
    } catch (const EVantaro& error) {
        Tell("Open Error", error.what());
        return false;
    }
}

bool TFormMain::OpenFile(const QString& fileName) {
    const bool loaded = LoadFileInto(ToLocalPath(fileName));
    if (loaded) TellSkippedObjects();
    return loaded;
}

void TFormMain::TellSkippedObjects() {
    const CSkippedObjects& skipped = factory_.SkippedOnOpen();
    if (!skipped.Any()) return;
    std::string text = "Some objects of this data store could not be read and were left out:";
    for (const std::string& line : skipped.Lines()) text += "\r\n- " + line;
    text += "\r\nSaving will leave them out of the file; the first save keeps the file as it was in its "
            "\".~ods\" copy.";
    Tell("Objects Left Out", text);
}

void TFormMain::ActionFileOpenDefaultExecute() {
    // A file that could not be read must not be the target of the next save: its name goes
    // before the new year is made.
    const std::string path = factory_.FileName();
    const bool loaded = !path.empty() && LoadFileInto(path) && !factory_.FileName().empty();
    if (loaded) {
        TellSkippedObjects();
    } else {
        factory_.SetFileName({});
        factory_.NewDataStore(true);
    }
    ActionFileDisplayFactoryExecute();
}

void TFormMain::ActionFileOpenExecute() {
    if (!OfferToSave("Would you like to Save your current file before opening a new file")) return;
    const QString fileName = dialogs_.ChooseFileToOpen(this, kOpenFilter);
    if (!fileName.isEmpty()) {
        CloseEveryDataWindow();
        OpenFile(fileName);
    }
    ActionFileDisplayFactoryExecute();
}

void TFormMain::ActionFileAppendExecute() {
    for (const QString& fileName : dialogs_.ChooseFilesToOpen(this, kStoreFilter)) {
        try {
            factory_.Append(ToLocalPath(fileName), scratch_);
        } catch (const EVantaro& error) {
            Tell("Append Error", error.what());
        }
    }
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
    AfterObjectsChanged();
    return true;
}

// Saving hands out permanent IDs and the trash step destroys objects: every open window finds
// its objects again and drops the ones that are gone.
void TFormMain::AfterObjectsChanged() {
    for (const QPointer<TFormDataControler>& window : dataWindows_)
        if (window) window->RefreshAfterChange();
    RefreshAfterChange();
}

bool TFormMain::ActionFileSaveExecute() {
    if (CurrentView()) CurrentView()->EndEdit();
    if (factory_.FileName().empty()) return ActionFileSaveAsExecute();
    const bool emptied = OfferToRestoreTrash();
    const bool saved = SaveTo(FromLocalPath(factory_.FileName()));
    if (!saved && emptied) AfterObjectsChanged();  // a save refreshes every window itself
    return saved;
}

QString TFormMain::InitialSaveName() const {
    if (!factory_.FileName().empty()) return FromLocalPath(factory_.FileName());
    const CYear* year = CurrentYear();
    return year ? QString::fromLatin1(year->SuggestedFileName()) : QString();
}

QString TFormMain::ChoosePdfFile(const QString& initialName) {
    const std::string& store = factory_.FileName();
    const QString offered = store.empty() ? initialName : QFileInfo(FromLocalPath(store)).dir().filePath(initialName);
    return dialogs_.ChooseFileToSave(this, QStringLiteral("PDF Document (*.pdf)"), offered);
}

bool TFormMain::ActionFileSaveAsExecute() {
    if (CurrentView()) CurrentView()->EndEdit();
    const bool emptied = OfferToRestoreTrash();
    const QString fileName = dialogs_.ChooseFileToSave(this, kStoreFilter, InitialSaveName());
    const bool saved = !fileName.isEmpty() && SaveTo(fileName);
    // A save refreshes every window itself.
    if (!saved && emptied) AfterObjectsChanged();
    else if (!saved) RefreshAfterChange();
    return saved;
}

void TFormMain::ActionFileExitExecute() {
    if (isVisible()) {
        close();
    } else if (Platform::Prompts().Ask("Exit Application", "Would you like to exit the application",
                                       MessageButtons::YesNo)) {
        CloseApplication();
    }
}

// The end: every data window closes, the typed text is kept, and unsaved changes are saved,
// left, or the end is cancelled. True when the program may end.
bool TFormMain::EndWithSaveQuestion() {
    CloseEveryDataWindow();
    if (CurrentView()) CurrentView()->EndEdit();
    if (!factory_.HasChanges()) return true;
    switch (Platform::Prompts().AskOrCancel("Save Before Exit",
                                            "Would you like to save your changes before exiting the application",
                                            MessageButtons::YesNo)) {
        case Answer::First: return ActionFileSaveExecute();
        case Answer::Second: return true;
        case Answer::Cancel: return false;
    }
    return false;
}

void TFormMain::CloseApplication() {
    if (!EndWithSaveQuestion()) return;
    closeAccepted_ = true;
    close();
}

void TFormMain::EndOnRequest() {
    endRequested_ = true;
    close();
    endRequested_ = false;
}

void TFormMain::closeEvent(QCloseEvent* event) {
    if (!closeAccepted_) {
        if (isVisible() && !endRequested_ &&
            !Platform::Prompts().Ask("Exit Application", "Do You wish to Exit the application", MessageButtons::YesNo)) {
            event->ignore();
            return;
        }
        if (!EndWithSaveQuestion()) {
            event->ignore();
            return;
        }
    }
    closeAccepted_ = true;
    event->accept();
}

}  // namespace vantaro
