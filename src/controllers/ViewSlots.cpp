#include "controllers/ViewSlots.h"

#include <QAction>
#include <QStackedWidget>

#include "controllers/TFormControlerAncestor.h"

namespace vantaro {

ViewSlots::ViewSlots(TFormControlerAncestor& window) : window_(window), stack_(new QStackedWidget(&window)) {
    window.setCentralWidget(stack_);
}

QAction* ViewSlots::Add(TFrameGridAncestor* view, std::string_view actionName, std::string_view caption) {
    const int index = static_cast<int>(views_.size());
    QAction* action = window_.AddAction(actionName, caption, -1, {}, [this, index] { Show(index); });
    action->setCheckable(true);
    view->setParent(stack_);
    view->SetController(&window_);
    stack_->addWidget(view);
    views_.push_back(view);
    actions_.push_back(action);
    return action;
}

void ViewSlots::CommitEvery() {
    for (TFrameGridAncestor* view : views_) view->EndEdit();
}

void ViewSlots::Show(int index) {
    if (window_.InPrintMode() && window_.CurrentView()) {
        window_.CurrentView()->ShowPreview(false);
        window_.SetPrintMode(false);
    }
    window_.SetCurrentView(nullptr);
    CommitEvery();
    for (std::size_t i = 0; i < views_.size(); ++i) {
        const bool chosen = static_cast<int>(i) == index;
        actions_[i]->setChecked(chosen);
        if (!chosen) continue;
        stack_->setCurrentWidget(views_[i]);
        window_.SetCurrentView(views_[i]);
    }
    if (window_.isVisible() || !window_.RefreshesOnShow()) window_.RefreshAfterChange();
}

int ViewSlots::IndexOf(const TFrameGridAncestor* view) const {
    for (std::size_t i = 0; i < views_.size(); ++i)
        if (views_[i] == view) return static_cast<int>(i);
    return -1;
}

}  // namespace vantaro
