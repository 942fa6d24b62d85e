#pragma once

#include "windows/TFormPageControler.h"

namespace vantaro {

class TFrameSetManagerGrid;

// The set manager: places each pupil assessed in a subject into one of the subject's sets, and
// makes new sets.
class TFormSetManager : public TFormPageControler {
    Q_OBJECT

public:
    explicit TFormSetManager(QWidget* parent = nullptr);

    // Shows the subject's sets over the owner until Close is pressed, and answers true then.
    bool ShowSets(CStored* subject, QWidget* owner);
    TFrameSetManagerGrid& SetsPage() const { return *viewSetManager_; }

    void ShowCellMenu(int x, int y, const std::string& markup) override;

private:
    void IncludeSet();
    void NewSet();

    TFrameSetManagerGrid* viewSetManager_ = nullptr;
};

// Gives the window's "Sets..." command the set manager, on the subject of the cell.
void OpenSetManagerFrom(TFormControlerAncestor& window);

}  // namespace vantaro
