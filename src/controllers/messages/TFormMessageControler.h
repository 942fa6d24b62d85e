#pragma once

#include <string>

#include "controllers/TFormControlerAncestor.h"
#include "routines/Platform.h"

class QFrame;
class QPushButton;

namespace vantaro {

class TFrameQuestionGrid;

// The program's message box: a question page of a title and a text, and one or two buttons at
// the right whose captions the mode chooses (Close; OK, Cancel; Yes, No; Fix, Cancel; Male,
// Female). The first button or Return answers true; the second button, Esc, Ctrl+Break or the
// window's close button answer false. Mode Close shows only the second button, yet Return still
// answers true.
class TFormMessageControler : public TFormControlerAncestor {
    Q_OBJECT

public:
    explicit TFormMessageControler(QWidget* parent = nullptr);

    // Shows the message modally over the owner (the screen when null) and returns the answer.
    // Asked again while it is showing, it asks in a window of its own over this one.
    bool Ask(const std::string& title, const std::string& text, QWidget* owner, MessageButtons mode);
    // Asks in a window made for the one question.
    static bool AskOnce(const std::string& title, const std::string& text, QWidget* owner, MessageButtons mode);
    // As Ask, with a third button "Cancel" below the two; Esc and the close button cancel.
    Answer AskOrCancel(const std::string& title, const std::string& text, QWidget* owner, MessageButtons mode);
    static Answer AskOrCancelOnce(const std::string& title, const std::string& text, QWidget* owner,
                                  MessageButtons mode);

    TFrameQuestionGrid& ViewQuestionGrid() const { return *viewQuestionGrid_; }
    QPushButton& ButtonOK() const { return *buttonOK_; }
    QPushButton& ButtonCancel() const { return *buttonCancel_; }
    QPushButton& ButtonThird() const { return *buttonThird_; }

protected:
    bool CloseButtonAnswer() override;

private:
    void ShowButtons(MessageButtons mode, bool withCancel);
    bool Run(const std::string& title, const std::string& text, QWidget* owner, MessageButtons mode, bool withCancel);

    TFrameQuestionGrid* viewQuestionGrid_ = nullptr;
    QFrame* shapeToolBar_ = nullptr;
    QPushButton* buttonOK_ = nullptr;
    QPushButton* buttonCancel_ = nullptr;
    QPushButton* buttonThird_ = nullptr;
    bool cancelled_ = false;
};

}  // namespace vantaro
