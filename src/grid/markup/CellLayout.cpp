#include "grid/markup/CellLayout.h"

namespace vantaro {

CellLayout LayOutCell(const PixelRect& cell, const CellFacts& facts, bool hasActionImage) {
    CellLayout layout;
    layout.cell = cell;
    const int x0 = cell.left + kLevelIndent * facts.level;
    layout.box = {x0 + 4, cell.top + 2, cell.right - 2, cell.bottom - 2};
    layout.shadow = layout.box.Moved(2, 4);
    layout.inner = layout.box.Shrunk(2);
    const PixelRect& inner = layout.inner;
    const int midY = inner.top + (inner.bottom - inner.top) / 2;
    layout.middle = midY;

    layout.type = facts.type != -1 ? PixelRect{inner.left + 2, midY - 12, inner.left + 18, midY + 4}
                                   : PixelRect{inner.left, midY, inner.left, midY};
    const int typeRight = layout.type.right;
    layout.check = facts.check != -1 ? PixelRect{typeRight + 2, midY - 8, typeRight + 18, midY + 8}
                                     : PixelRect{typeRight, midY, typeRight, midY};
    layout.action = hasActionImage
                        ? PixelRect{inner.right - 18, inner.top + 2, inner.right - 2, inner.top + 18}
                        : PixelRect{inner.right, inner.top, inner.right, inner.top};
    layout.text = {layout.check.right + 2, inner.top + 2, layout.action.left - 2, inner.bottom - 2};
    layout.linkBand = {layout.box.left, cell.top, layout.box.right, cell.bottom};
    const PixelRect& text = layout.text;
    const int pictureLeft = text.left + (text.right - text.left) / 2 - kPictureSize / 2;
    layout.picture = {pictureLeft, midY - kPictureSize / 2, pictureLeft + kPictureSize,
                      midY + kPictureSize / 2};
    return layout;
}

PixelRect CentredIn(const PixelRect& slot, int width, int height) {
    const int left = slot.left + (slot.Width() - width) / 2;
    const int top = slot.top + (slot.Height() - height) / 2;
    return {left, top, left + width, top + height};
}

}  // namespace vantaro
