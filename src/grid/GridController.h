#pragma once

#include <string>

namespace vantaro {

class ImageList;

// What a grid frame needs of the window that owns it: running a cell's action, the cell menu,
// and its actions' images. The window base implements it; the grid never sees the window itself.
class GridController {
public:
    virtual ~GridController() = default;

    // Takes target, source and action from the markup and runs the action (when there is one).
    virtual void RunCell(const std::string& markup) = 0;
    // Prepares and shows the window's cell menu for the markup at a screen position.
    virtual void ShowCellMenu(int x, int y, const std::string& markup) = 0;
    // The image index of the window's action with that upper-cased name, or -1.
    virtual int ActionImageIndex(const std::string& name) const = 0;
    // The images the action indexes refer to; may be null.
    virtual const ImageList* ActionImages() const = 0;
    // An item dragged from a grid cell was dropped into the editor open on a DRAG_TARGET cell;
    // the window merges it into the text being edited. Nothing by default.
    virtual void DropIntoEditor(const std::string& editedCell, const std::string& draggedCell) {
        (void)editedCell;
        (void)draggedCell;
    }
};

}  // namespace vantaro
