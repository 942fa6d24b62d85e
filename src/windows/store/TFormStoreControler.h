#pragma once

#include <string>
#include <string_view>

#include "controllers/TFormControlerAncestor.h"

class QLabel;
class QPushButton;
class QVBoxLayout;

namespace vantaro {

// The base of the windows that act on the whole store (trash, filter, object map): one page on
// the left and a column of buttons on its right, the buttons at the top and any status below.
// Each runs modally over the main window and is made once for the program's run.
class TFormStoreControler : public TFormControlerAncestor {
    Q_OBJECT

public:
    TFormStoreControler(const char* windowClassName, QSize defaultSize, QWidget* parent = nullptr);

protected:
    // The page, filling the window left of the buttons.
    void SetPage(TFrameGridAncestor* page);
    // A button at the top of the column, or at its bottom.
    QPushButton* AddButton(std::string_view name, const std::string& caption, bool atBottom = false);
    // A centred label at the very bottom of the column.
    QLabel* AddBottomLabel(std::string_view name);

private:
    QWidget* central_ = nullptr;
    QVBoxLayout* top_ = nullptr;
    QVBoxLayout* bottom_ = nullptr;
};

}  // namespace vantaro
