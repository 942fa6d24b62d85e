#pragma once

#include "wizards/TFormWidzardControler.h"

namespace vantaro {

// BUILD_STATEMENTS: a paragraph pasted from a curriculum becomes statements of the target level,
// one per sentence the teacher keeps ticked.
class BuildStatementsWizard final : public Wizard {
public:
    explicit BuildStatementsWizard(TFormWidzardControler& window) : window_(window) {}
    std::vector<PWidzardEvent> Steps() override;

private:
    void AskForParagraph();
    void OfferSentences();
    void AddStatements();

    TFormWidzardControler& window_;
};

}  // namespace vantaro
