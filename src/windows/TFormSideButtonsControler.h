#pragma once

#include <string>
#include <string_view>

#include "controllers/TFormControlerAncestor.h"

class QLabel;
class QPushButton;
class QVBoxLayout;

namespace vantaro {

// The base of the modal windows whose pages fill the left and whose buttons stand in a column on
// the right, at the top, with any status at the bottom: the trash, the filter, the object map and
// the wizard window.
class TFormSideButtonsControler : public TFormControlerAncestor {
    Q_OBJECT

public:
    TFormSideButtonsControler(const char* windowClassName, QSize defaultSize, QWidget* parent = nullptr);

protected:
    // A page filling the window left of the buttons; the first becomes the current view.
    void AddPage(TFrameGridAncestor* page);
    // A button at the top of the column, or at its bottom.
    QPushButton* AddButton(std::string_view name, const std::string& caption, bool atBottom = false);
    // A centred label at the very bottom of the column.
    QLabel* AddBottomLabel(std::string_view name);

private:
    QWidget* central_ = nullptr;
    QVBoxLayout* pages_ = nullptr;
    QVBoxLayout* top_ = nullptr;
    QVBoxLayout* bottom_ = nullptr;
};

}  // namespace vantaro
