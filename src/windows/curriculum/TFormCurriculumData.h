#pragma once

#include <vector>

#include "controllers/data/TFormDataControler.h"

namespace vantaro {

class CAttainment;
class TFrameCurriculumStatementListingGrid;

// The window in which curricula are laid out: their attainments, each attainment's curriculum
// levels and each level's statements, with commands to add each, to copy the levels of another
// attainment and to build statements from a paragraph.
class TFormCurriculumData : public TFormDataControler {
    Q_OBJECT

public:
    // The window on the curricula among the objects, in order; without any it tells the user
    // and makes no window.
    static TFormCurriculumData* Open(MainWindowCommands& main, const std::vector<CStored*>& objects);

    TFrameCurriculumStatementListingGrid& StatementsPage() const { return *viewStatements_; }
    void ShowCellMenu(int x, int y, const std::string& markup) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    TFormCurriculumData(MainWindowCommands& main, const std::vector<CStored*>& curricula);

    void CloneLevels();
    void BuildStatements();

    TFrameCurriculumStatementListingGrid* viewStatements_ = nullptr;
};

}  // namespace vantaro
