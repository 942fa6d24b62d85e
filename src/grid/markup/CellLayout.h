#pragma once

// The layout of one cell: the rectangles its shape, images, text and picture go in. Painting,
// hit-testing, the in-place editor and printing all take their rectangles from here, so what is
// drawn, clicked and printed never disagree.
//
//   +- cell ----------------------------------------------+
//   | indent (16 per level)                               |
//   |   +- box (shape) --------------------------------+  |
//   |   | +- inner ------------------------------------+ |  |
//   |   | | [type][check] text area            [action]| |  |
//   |   | +--------------------------------------------+ |  |
//   |   +------------------------------------------------+  |
//   +-----------------------------------------------------+
//
// Rectangles are in pixels, right and bottom exclusive; halves are integer divisions.

#include "grid/markup/CellReaders.h"

namespace vantaro {

struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    PixelRect Moved(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    PixelRect Shrunk(int by) const { return {left + by, top + by, right - by, bottom - by}; }
    bool operator==(const PixelRect&) const = default;
};

struct CellLayout {
    PixelRect cell;
    PixelRect box;
    PixelRect shadow;
    PixelRect inner;
    int middle = 0;  // the inner box's vertical middle
    PixelRect type;
    PixelRect check;
    PixelRect action;
    PixelRect text;
    PixelRect linkBand;
    PixelRect picture;
};

inline constexpr int kLevelIndent = 16;
inline constexpr int kPictureSize = 32;
inline constexpr int kTypeImageSize = 24;
inline constexpr int kCheckImageSize = 16;
inline constexpr int kActionImageSize = 16;

// hasActionImage: the cell's ACTION names an action of the controller that has an image.
CellLayout LayOutCell(const PixelRect& cell, const CellFacts& facts, bool hasActionImage);

// Where an image of the given size goes, centred in its slot.
PixelRect CentredIn(const PixelRect& slot, int width, int height);

}  // namespace vantaro
