#pragma once

#include "windows/TFormSideButtonsControler.h"

class QLabel;

namespace vantaro {

class CFactory;
class TFrameObjectMapGrid;

// The object map: the store's ownership tree with the number of objects shown, copied with
// Ctrl+C, and Check RI, which empties the trash, checks the store and, when it found errors and
// the teacher chooses Fix after seeing what it removes, repairs it.
class TFormObjectMapControler : public TFormSideButtonsControler {
    Q_OBJECT

public:
    explicit TFormObjectMapControler(QWidget* parent = nullptr);

    // Shows the factory's map over the owner; true when closed with OK.
    bool ShowObjectMap(CFactory& factory, QWidget* owner);
    // Whether Check RI emptied the trash or repaired the store in the last showing: the other
    // windows must then drop the objects that are gone.
    bool StoreChanged() const { return storeChanged_; }

    TFrameObjectMapGrid& MapPage() const { return *page_; }
    QPushButton& ButtonOK() const { return *ok_; }
    QPushButton& ButtonCheck() const { return *check_; }
    QLabel& LabelObjectCount() const { return *count_; }

protected:
    void showEvent(QShowEvent* event) override;
    bool CloseButtonAnswer() override { return true; }

private:
    void Rebuild();
    void ShowCount();
    void CheckIntegrity();

    TFrameObjectMapGrid* page_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* check_ = nullptr;
    QLabel* count_ = nullptr;
    CFactory* factory_ = nullptr;
    bool storeChanged_ = false;
};

}  // namespace vantaro
