#pragma once

#include "wizards/TFormWidzardControler.h"

namespace vantaro {

// BACKUP: the loaded data store saved, compressed, under another name, while the store keeps its
// own file and still counts as unsaved.
class BackupWizard final : public Wizard {
public:
    explicit BackupWizard(TFormWidzardControler& window) : window_(window) {}
    std::vector<PWidzardEvent> Steps() override;

private:
    void AskForName();
    void WriteBackup();

    TFormWidzardControler& window_;
    std::string name_;  // kept for a return to the first page
};

}  // namespace vantaro
