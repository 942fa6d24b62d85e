#pragma once

#include "windows/TFormSideButtonsControler.h"

namespace vantaro {

class TFrameTrashCanGrid;

// The trash window: deleted objects are restored by a click on their name, or all destroyed
// from the title band after a question. Close (the window manager's button too) asks first when
// the trash holds items and none was restored or destroyed.
class TFormTrashCanControler : public TFormSideButtonsControler {
    Q_OBJECT

public:
    explicit TFormTrashCanControler(QWidget* parent = nullptr);

    // Shows the trash over the owner until it is closed; always true, Close being the only way out.
    bool ShowTrash(QWidget* owner);

    TFrameTrashCanGrid& TrashPage() const { return *page_; }
    QPushButton& ButtonClose() const { return *buttonClose_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void RestoreTarget();
    void EmptyTrash();
    void CloseAfterCheck();

    TFrameTrashCanGrid* page_ = nullptr;
    QPushButton* buttonClose_ = nullptr;
    int countAtOpening_ = 0;
};

}  // namespace vantaro
