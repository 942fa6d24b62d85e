#pragma once

#include "wizards/TFormWidzardControler.h"

namespace vantaro {

// FACTORY_OPTIONS: the three settings a teacher may change, one page of check boxes.
class OptionsWizard final : public Wizard {
public:
    explicit OptionsWizard(TFormWidzardControler& window) : window_(window) {}
    std::vector<PWidzardEvent> Steps() override;

private:
    void ShowOptions();
    void Apply();

    TFormWidzardControler& window_;
};

}  // namespace vantaro
