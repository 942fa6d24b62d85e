#include "wizards/Wizards.h"

#include "windows/main/TFormMain.h"
#include "wizards/BackupWizard.h"
#include "wizards/BuildStatementsWizard.h"
#include "wizards/FileDataWizard.h"
#include "wizards/OptionsWizard.h"
#include "wizards/PupilListWizard.h"
#include "wizards/SearchWizard.h"
#include "wizards/TFormWidzardControler.h"

namespace vantaro {

TFormWidzardControler& InstallWizards(TFormMain& main, CRovanFactory& scratch, FileDialogs& dialogs) {
    auto* wizards = new TFormWidzardControler(scratch, dialogs, &main);
    wizards->AddWizard("LOAD_PUPIL_LIST_WIZARD",
                       [](TFormWidzardControler& window) { return std::make_unique<PupilListWizard>(window); });
    wizards->AddWizard("FACTORY_OPTIONS",
                       [](TFormWidzardControler& window) { return std::make_unique<OptionsWizard>(window); });
    wizards->AddWizard("BUILD_STATEMENTS",
                       [](TFormWidzardControler& window) { return std::make_unique<BuildStatementsWizard>(window); });
    wizards->AddWizard("FILE_DATA", [](TFormWidzardControler& window) { return std::make_unique<FileDataWizard>(window); });
    wizards->AddWizard("SEARCH_ORGANISERS", [&main](TFormWidzardControler& window) {
        return std::make_unique<SearchWizard>(window, main);
    });
    wizards->AddWizard("BACKUP", [](TFormWidzardControler& window) { return std::make_unique<BackupWizard>(window); });
    main.SetWizardRunner([wizards](const std::string& name, CStored* target, QWidget* caller) {
        return wizards->Start(name, target, caller);
    });
    return *wizards;
}

}  // namespace vantaro
