#pragma once

#include <string_view>
#include <vector>

class QAction;
class QStackedWidget;

namespace vantaro {

class TFormControlerAncestor;
class TFrameGridAncestor;

// The views a window switches between, one shown at a time in the window's centre, each by a
// checkable action of its own; exactly the shown view's action is ticked.
class ViewSlots {
public:
    // The slots' stack becomes the window's central widget.
    explicit ViewSlots(TFormControlerAncestor& window);

    // Adds a view and its action, and makes the window its controller.
    QAction* Add(TFrameGridAncestor* view, std::string_view actionName, std::string_view caption);
    // Ends a preview, commits every view's editor, then shows the view, makes it the window's
    // current view and refreshes.
    // Shows the view and builds it; a hidden window that builds its view when it shows only
    // chooses it.
    void Show(int index);
    void CommitEvery();

    const std::vector<TFrameGridAncestor*>& Views() const { return views_; }
    QAction* ActionOf(int index) const { return actions_[index]; }
    // The index of a view, -1 for none.
    int IndexOf(const TFrameGridAncestor* view) const;

private:
    TFormControlerAncestor& window_;
    QStackedWidget* stack_;
    std::vector<TFrameGridAncestor*> views_;
    std::vector<QAction*> actions_;
};

}  // namespace vantaro
