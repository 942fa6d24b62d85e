#pragma once

#include "domain/OrganiserSearch.h"
#include "wizards/TFormWidzardControler.h"

namespace vantaro {

class TFormMain;

// SEARCH_ORGANISERS: finds lesson plans, assessments or pupils by words and phrases and opens
// the ones the teacher keeps ticked in the plan, assessment or report window.
class SearchWizard final : public Wizard {
public:
    SearchWizard(TFormWidzardControler& window, TFormMain& main) : window_(window), main_(main) {}
    std::vector<PWidzardEvent> Steps() override;

private:
    void ChooseOrganiser();
    void AskForPhrases();
    void ShowResults();
    void OpenChosen();

    TFormWidzardControler& window_;
    TFormMain& main_;
    OrganiserSearch search_;
};

}  // namespace vantaro
