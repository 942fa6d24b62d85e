#pragma once

#include "controllers/TFormControlerAncestor.h"

class QPushButton;

namespace vantaro {

class TFramePropertyGrid;

// The property window: one object's property page with OK and Cancel (a new object) or Close (an
// existing one). Each use makes its own window, so one may be opened from within another.
class TFormPropertyControler : public TFormControlerAncestor {
    Q_OBJECT

public:
    explicit TFormPropertyControler(QWidget* parent = nullptr);

    // Shows the object modally over the owner; true when closed with OK or Close. An existing
    // assessment is shown as its pupil. After the root year was shown, the tutor it names is
    // found among the staff, or added.
    bool ShowProperties(CStored* object, QWidget* owner, bool newObject);

    TFramePropertyGrid& Page() const { return *page_; }
    QPushButton& ButtonCloseOK() const { return *closeOk_; }
    QPushButton& ButtonCancel() const { return *cancel_; }

protected:
    bool CloseButtonAnswer() override;

private:
    void Confirm();
    void ChooseCurriculum();

    TFramePropertyGrid* page_;
    QPushButton* closeOk_;
    QPushButton* cancel_;
    bool newObject_ = false;
};

}  // namespace vantaro
