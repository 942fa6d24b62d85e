#pragma once

#include "wizards/TFormWidzardControler.h"

namespace vantaro {

// FILE_DATA: one of the year's lists (forms, staff, the three kinds of category) shown alone on
// the property page, where its members are opened and edited.
class FileDataWizard final : public Wizard {
public:
    explicit FileDataWizard(TFormWidzardControler& window) : window_(window) {}
    std::vector<PWidzardEvent> Steps() override;

private:
    void ChooseList();
    void ShowList();

    TFormWidzardControler& window_;
};

}  // namespace vantaro
