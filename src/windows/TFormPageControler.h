#pragma once

#include <string>
#include <string_view>

#include "controllers/TFormControlerAncestor.h"

class QPushButton;
class QVBoxLayout;

namespace vantaro {

// The base of the small windows that show one page on one object (notes, absences, sets): the
// page above a Close button. It runs modally over the window that opens it and is left only with
// Close, which first writes what was being typed.
class TFormPageControler : public TFormControlerAncestor {
    Q_OBJECT

public:
    TFormPageControler(const char* windowClassName, QSize defaultSize, QWidget* parent = nullptr);

    QPushButton& ButtonClose() const { return *buttonClose_; }

    // "Pupil notes" for "PUPIL_NOTES": the first word capitalised, underscores as blanks.
    static std::string KeywordCaption(std::string_view keyword);

protected:
    // Puts a page of the window above the button; it is shown only while it runs.
    void AddPage(TFrameGridAncestor* page);
    // Shows the page on the object over the owner until Close; true then.
    bool RunPage(TFrameGridAncestor& page, CStored* object, const std::string& caption, QWidget* owner);

private:
    QVBoxLayout* pages_ = nullptr;
    QPushButton* buttonClose_ = nullptr;
};

}  // namespace vantaro
