#include "wizards/Wizards.h"

#include "windows/main/TFormMain.h"
#include "wizards/PupilListWizard.h"
#include "wizards/TFormWidzardControler.h"

namespace vantaro {

TFormWidzardControler& InstallWizards(TFormMain& main, CRovanFactory& scratch, FileDialogs& dialogs) {
    auto* wizards = new TFormWidzardControler(scratch, dialogs, &main);
    wizards->AddWizard("LOAD_PUPIL_LIST_WIZARD",
                       [](TFormWidzardControler& window) { return std::make_unique<PupilListWizard>(window); });
    main.SetWizardRunner([wizards](const std::string& name, CStored* target, QWidget* caller) {
        return wizards->Start(name, target, caller);
    });
    return *wizards;
}

}  // namespace vantaro
