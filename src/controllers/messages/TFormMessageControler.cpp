#include "controllers/messages/TFormMessageControler.h"

#include <QAction>
#include <QFrame>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

#include "controllers/messages/TFrameQuestionGrid.h"
#include "routines/IdentifierCaption.h"

namespace vantaro {
namespace {

constexpr int kButtonWidth = 96;
constexpr int kToolBarMargin = 8;

// The keywords of the two button captions of a mode; a mode of one button has no first.
std::pair<const char*, const char*> ButtonKeywords(MessageButtons mode) {
    switch (mode) {
        case MessageButtons::Close:
            return {"CLOSE", "CLOSE"};
        case MessageButtons::OkCancel:
            return {"OK", "CANCEL"};
        case MessageButtons::YesNo:
            return {"YES", "NO"};
        case MessageButtons::FixCancel:
            return {"FIX", "CANCEL"};
        case MessageButtons::MaleFemale:
            return {"MALE", "FEMALE"};
    }
    return {"OK", "CANCEL"};
}

QString Caption(const char* keyword) { return QString::fromLatin1(IdentifierCaption(keyword)); }

QPushButton* NewButton(const char* name, QWidget* parent) {
    auto* button = new QPushButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setMinimumWidth(kButtonWidth);
    // Return always answers with the first button; a focused second button must not seem to
    // take Return for itself.
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

}  // namespace

TFormMessageControler::TFormMessageControler(QWidget* parent)
    : TFormControlerAncestor("TFormMessageControler", QSize(480, 220), parent) {
    setWindowTitle(QString::fromLatin1(IdentifierCaption("VANTARO_MESSAGE")));
    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    viewQuestionGrid_ = new TFrameQuestionGrid(central);
    layout->addWidget(viewQuestionGrid_, 1);

    shapeToolBar_ = new QFrame(central);
    shapeToolBar_->setObjectName(QStringLiteral("ShapeToolBar"));
    auto* tools = new QVBoxLayout(shapeToolBar_);
    tools->setContentsMargins(kToolBarMargin, kToolBarMargin, kToolBarMargin, kToolBarMargin);
    buttonOK_ = NewButton("ButtonOK", shapeToolBar_);
    buttonCancel_ = NewButton("ButtonCancel", shapeToolBar_);
    buttonThird_ = NewButton("ButtonThird", shapeToolBar_);
    buttonThird_->setText(Caption("CANCEL"));
    buttonThird_->hide();
    tools->addWidget(buttonOK_);
    tools->addWidget(buttonCancel_);
    tools->addWidget(buttonThird_);
    tools->addStretch(1);
    layout->addWidget(shapeToolBar_);
    setCentralWidget(central);

    connect(buttonOK_, &QPushButton::clicked, this, [this] { CloseWith(true); });
    connect(buttonCancel_, &QPushButton::clicked, this, [this] { CloseWith(false); });
    connect(buttonThird_, &QPushButton::clicked, this, [this] {
        cancelled_ = true;
        CloseWith(false);
    });
    QAction* first = AddAction("ActionMessageFirstButton", "First Button", -1, QKeySequence(Qt::Key_Return),
                               [this] { CloseWith(true); });
    first->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    QAction* second = AddAction("ActionMessageSecondButton", "Second Button", -1, QKeySequence(Qt::Key_Escape),
                                [this] {
                                    cancelled_ = buttonThird_->isVisible();
                                    CloseWith(false);
                                });
    second->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_Pause)});
    SetCurrentView(viewQuestionGrid_);
}

bool TFormMessageControler::Ask(const std::string& title, const std::string& text, QWidget* owner,
                                MessageButtons mode) {
    if (IsRunningModal()) return AskOnce(title, text, this, mode);
    return Run(title, text, owner, mode, false);
}

Answer TFormMessageControler::AskOrCancel(const std::string& title, const std::string& text, QWidget* owner,
                                          MessageButtons mode) {
    if (IsRunningModal()) return AskOrCancelOnce(title, text, this, mode);
    const bool first = Run(title, text, owner, mode, true);
    if (cancelled_) return Answer::Cancel;
    return first ? Answer::First : Answer::Second;
}

bool TFormMessageControler::Run(const std::string& title, const std::string& text, QWidget* owner,
                                MessageButtons mode, bool withCancel) {
    cancelled_ = false;
    viewQuestionGrid_->SetMultipleChoice(true);
    viewQuestionGrid_->ResetQuestion();
    viewQuestionGrid_->AddChoiceQuestion(title, text, false, {});
    ShowButtons(mode, withCancel);
    return ExecModal(owner);
}

// With a Cancel button the window's close button cancels; otherwise it answers the second button.
bool TFormMessageControler::CloseButtonAnswer() {
    cancelled_ = buttonThird_->isVisible();
    return false;
}

Answer TFormMessageControler::AskOrCancelOnce(const std::string& title, const std::string& text, QWidget* owner,
                                              MessageButtons mode) {
    QPointer<TFormMessageControler> box = new TFormMessageControler(owner);
    const Answer answer = box->AskOrCancel(title, text, owner, mode);
    if (box) box->deleteLater();
    return answer;
}

// The window lives under its owner, which may be closed while the box shows and take the box with
// it; so it is made on the heap and let go once it has answered.
bool TFormMessageControler::AskOnce(const std::string& title, const std::string& text, QWidget* owner,
                                    MessageButtons mode) {
    QPointer<TFormMessageControler> box = new TFormMessageControler(owner);
    const bool answer = box->Ask(title, text, owner, mode);
    if (box) box->deleteLater();
    return answer;
}

void TFormMessageControler::ShowButtons(MessageButtons mode, bool withCancel) {
    const auto [first, second] = ButtonKeywords(mode);
    buttonOK_->setText(Caption(first));
    buttonCancel_->setText(Caption(second));
    buttonOK_->setVisible(mode != MessageButtons::Close);
    buttonThird_->setVisible(withCancel);
}

}  // namespace vantaro
