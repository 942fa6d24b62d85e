#pragma once

#include "windows/TFormSideButtonsControler.h"

namespace vantaro {

class TFrameSelectionGrid;

// The filter: the year's forms, terms and subjects in three columns, the hidden ones ticked. OK
// makes the ticked ones the hide list; Cancel (the window manager's button too) leaves the list
// as it was.
class TFormFilterControler : public TFormSideButtonsControler {
    Q_OBJECT

public:
    explicit TFormFilterControler(QWidget* parent = nullptr);

    // True when closed with OK.
    bool ShowFilter(QWidget* owner);

    TFrameSelectionGrid& Page() const { return *page_; }
    QPushButton& ButtonOK() const { return *ok_; }
    QPushButton& ButtonCancel() const { return *cancel_; }

private:
    TFrameSelectionGrid* page_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace vantaro
