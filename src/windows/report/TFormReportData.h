#pragma once

#include <vector>

#include "controllers/data/TFormDataControler.h"

class QSplitter;

namespace vantaro {

class TFrameInformation;
class TFrameReportGrid;

// The window in which pupils' annual reports are written: the report page, and beside it the
// information panel with the pupil's outcomes, lesson notes and notes, kept in step with the
// report text last clicked. Printed, each pupil's report starts a new page.
class TFormReportData : public TFormDataControler {
    Q_OBJECT

public:
    // The window on the pupils among the objects, in order; without any it tells the user and
    // makes no window.
    static TFormReportData* Open(MainWindowCommands& main, const std::vector<CStored*>& objects);

    TFrameReportGrid& ReportGrid() const { return *viewReports_; }
    TFrameInformation& Information() const { return *information_; }

    void Refresh(int mode) override;
    void ShowCellMenu(int x, int y, const std::string& markup) override;
    // Merges the dropped outcome or note into the report text being edited, for the pupil of
    // the edited cell.
    void DropIntoEditor(const std::string& editedCell, const std::string& draggedCell) override;

protected:
    void showEvent(QShowEvent* event) override;
    // The information panel makes room for the preview of the reports.
    void PrintModeChanged(bool on) override;

private:
    TFormReportData(MainWindowCommands& main, const std::vector<CStored*>& pupils);

    void SynchroniseInfoPanel();
    void ShowInfoView();

    TFrameReportGrid* viewReports_ = nullptr;
    TFrameInformation* information_ = nullptr;
    QSplitter* splitter_ = nullptr;
    bool panelPlaced_ = false;
};

}  // namespace vantaro
