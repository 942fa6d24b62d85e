#pragma once

#include <QString>

#include "grid/GridColors.h"
#include "grid/markup/CellLayout.h"

class QPainter;

namespace vantaro {

class ImageList;
class TextWrapper;

// The images a page draws its cells with; any may be null.
struct CellImages {
    const ImageList* types = nullptr;
    const ImageList* checks = nullptr;
    const ImageList* pictures = nullptr;
    const ImageList* actions = nullptr;
};

// One cell as the page draws it.
struct CellToPaint {
    CellLayout layout;
    const CellFacts* facts = nullptr;
    QString text;
    int actionImage = -1;
    int picture = -1;           // the picture index of an IMAGE cell
    bool highlighted = false;   // selected, selectable, on a page that shows selection
    bool readOnly = false;      // READ_ONLY, or its object is transient
    bool drawsOwnText = true;   // false for a run's first cell, whose text the run's end draws
};

// Draws cells on screen: the background, the style's shape, the text, the type, check and action
// images, and a run's text across the whole run.
class CellPainter {
public:
    CellPainter(QPainter& painter, const GridPalette& palette, const CellImages& images, TextWrapper& wrapper)
        : painter_(painter), palette_(palette), images_(images), wrapper_(wrapper) {}

    void Draw(const CellToPaint& cell);
    // The text of a run's first cell across the run, in the text colour of the run's last cell.
    void DrawRunText(const CellFacts& endFacts, const QRect& area, const QString& text);

    // A shape in the rectangle with the pen and fill given, changed by the effect's words: ROUND
    // corners, LEFT or RIGHT ends squared out to the cell's edges, LIGHTEN or DARKEN colours.
    void DrawShape(const PixelRect& rect, const PixelRect& cell, const CellEffect& effect,
                   QColor pen, QColor fill);

private:
    QColor TextColor(const CellFacts& facts, bool highlighted) const;

    QPainter& painter_;
    const GridPalette& palette_;
    const CellImages& images_;
    TextWrapper& wrapper_;
};

QRect ToQRect(const PixelRect& rect);
PixelRect ToPixelRect(const QRect& rect);

}  // namespace vantaro
