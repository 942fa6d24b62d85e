#pragma once

#include "windows/TFormPageControler.h"

namespace vantaro {

class TFrameAbsenceGrid;

// The absences window: a pupil's absences, added, dated, authorised and described.
class TFormAbsencesControler : public TFormPageControler {
    Q_OBJECT

public:
    explicit TFormAbsencesControler(QWidget* parent = nullptr);

    // Shows the pupil's absences over the owner until Close is pressed, and answers true then.
    bool ShowAbsences(CStored* pupil, QWidget* owner);
    TFrameAbsenceGrid& AbsencesPage() const { return *viewAbsences_; }

    void ShowCellMenu(int x, int y, const std::string& markup) override;

private:
    void SwapAuthorization();

    TFrameAbsenceGrid* viewAbsences_ = nullptr;
};

}  // namespace vantaro
