#pragma once

// The settings' colours and font as Qt sees them. A stored colour is RGB (red in the lowest byte)
// or 0x80000000 plus a system colour's index, which resolves through the widget's palette.

#include <QColor>
#include <QFont>
#include <QPalette>

#include <string_view>

#include "factory/FactorySettings.h"

namespace vantaro {

QColor ResolveColor(TColor color, const QPalette& palette);
// Each channel 15 lighter or darker, kept within 0 to 255.
QColor Lighten(const QColor& color);
QColor Darken(const QColor& color);
QFont SettingsFont(const CFontDescription& font);

// How a cell of one style is painted: the shape's outline and fill, the text colour, and whether
// it has a shape at all.
struct StyleColors {
    QColor pen;
    QColor fill;
    QColor text;
    bool hasShape = false;
    bool shapeInLinkBand = false;  // LINK: the shape spans the cell's full height
};

// The colours of every style, resolved once per paint.
class GridPalette {
public:
    GridPalette(const CFactorySettings& settings, const QPalette& palette);

    StyleColors ForStyle(std::string_view style) const;
    const QColor& Background() const { return background_; }
    const QColor& SelectionBackground() const { return selectionBackground_; }
    const QColor& SelectionText() const { return selectionText_; }
    const QColor& DataBorder() const { return dataBorder_; }
    const QColor& DragBackground() const { return dragBackground_; }
    const QColor& TitleBackground() const { return title_.fill; }
    const QColor& HeadingBackground() const { return heading_.fill; }
    const QColor& InfoBackground() const { return info_.fill; }

private:
    QColor background_;
    QColor selectionBackground_;
    QColor selectionText_;
    QColor dataBorder_;
    QColor dragBackground_;
    StyleColors title_;
    StyleColors heading_;
    StyleColors info_;
    StyleColors link_;
    StyleColors marker_;
    StyleColors label_;
    StyleColors data_;
    StyleColors plain_;
};

}  // namespace vantaro
