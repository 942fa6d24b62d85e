#pragma once

#include <string>
#include <vector>

#include "domain/PupilListImport.h"
#include "wizards/TFormWidzardControler.h"

namespace vantaro {

// LOAD_PUPIL_LIST_WIZARD: pupils, with their forms, from a comma-separated file. Page 1 names
// the file, page 2 offers its lines, page 3 the forms and pupils the loaded year does not have
// yet (built in the scratch store, so nothing touches the year before Finish), and Finish copies
// the ticked ones into the year.
class PupilListWizard final : public Wizard {
public:
    explicit PupilListWizard(TFormWidzardControler& window) : window_(window) {}
    std::vector<PWidzardEvent> Steps() override;

private:
    void ChooseFile();
    void ChooseLines();
    void ChooseFormsAndPupils();
    void Import();

    TFormWidzardControler& window_;
    std::string fileName_;
    std::vector<NumberedLine> offered_;  // the lines of page 2, option by option
};

}  // namespace vantaro
