#include "grid/GridColors.h"

#include <algorithm>
#include <array>

#include "grid/markup/CellMarkup.h"

namespace vantaro {
namespace {

constexpr TColor kSystemColorFlag = 0x80000000;
constexpr int kShadeStep = 15;

// The palette role that stands for each system colour index.
constexpr std::array<QPalette::ColorRole, 31> kSystemRoles{
    QPalette::Mid,              // 0 scroll bar
    QPalette::Dark,             // 1 desktop
    QPalette::Highlight,        // 2 active caption
    QPalette::Window,           // 3 inactive caption
    QPalette::Window,           // 4 menu
    QPalette::Base,             // 5 window background
    QPalette::Shadow,           // 6 window frame
    QPalette::WindowText,       // 7 menu text
    QPalette::Text,             // 8 window text
    QPalette::HighlightedText,  // 9 caption text
    QPalette::Window,           // 10 active border
    QPalette::Window,           // 11 inactive border
    QPalette::Dark,             // 12 application work space
    QPalette::Highlight,        // 13 highlight
    QPalette::HighlightedText,  // 14 highlighted text
    QPalette::Button,           // 15 button face
    QPalette::Mid,              // 16 button shadow
    QPalette::PlaceholderText,  // 17 grey text
    QPalette::ButtonText,       // 18 button text
    QPalette::WindowText,       // 19 inactive caption text
    QPalette::Light,            // 20 button highlight
    QPalette::Shadow,           // 21 3-D dark shadow
    QPalette::Midlight,         // 22 3-D light
    QPalette::ToolTipText,      // 23 tool tip text
    QPalette::ToolTipBase,      // 24 tool tip background
    QPalette::Window,           // 25 unused
    QPalette::Link,             // 26 hot light
    QPalette::Highlight,        // 27 active caption gradient
    QPalette::Window,           // 28 inactive caption gradient
    QPalette::Highlight,        // 29 menu highlight
    QPalette::Window,           // 30 menu bar
};

int Clamped(int channel) { return std::clamp(channel, 0, 255); }

QColor Shaded(const QColor& color, int step) {
    return QColor(Clamped(color.red() + step), Clamped(color.green() + step),
                  Clamped(color.blue() + step));
}

StyleColors Shape(const QColor& fill, const QColor& text, bool linkBand = false) {
    return {fill, fill, text, true, linkBand};
}

StyleColors Flat(const QColor& fill, const QColor& text) { return {fill, fill, text, false, false}; }

}  // namespace

QColor ResolveColor(TColor color, const QPalette& palette) {
    if ((color & 0xFF000000u) == kSystemColorFlag) {
        const std::size_t index = color & 0xFFu;
        const QPalette::ColorRole role = index < kSystemRoles.size() ? kSystemRoles[index] : QPalette::Window;
        return palette.color(QPalette::Active, role);
    }
    return QColor(static_cast<int>(color & 0xFFu), static_cast<int>((color >> 8) & 0xFFu),
                  static_cast<int>((color >> 16) & 0xFFu));
}

QColor Lighten(const QColor& color) { return Shaded(color, kShadeStep); }
QColor Darken(const QColor& color) { return Shaded(color, -kShadeStep); }

QFont SettingsFont(const CFontDescription& font) {
    QFont result(QString::fromLatin1(font.Name));
    result.setPointSize(font.Size > 0 ? font.Size : 10);
    result.setBold(font.Bold);
    result.setItalic(font.Italic);
    result.setUnderline(font.Underline);
    result.setStrikeOut(font.StrikeOut);
    return result;
}

GridPalette::GridPalette(const CFactorySettings& s, const QPalette& palette) {
    const auto resolve = [&palette](TColor color) { return ResolveColor(color, palette); };
    background_ = resolve(s.BackgroundColor);
    selectionBackground_ = resolve(s.SelectionBackgroundColor);
    selectionText_ = resolve(s.SelectionTextColor);
    dataBorder_ = resolve(s.DataBorderColor);
    dragBackground_ = resolve(s.DragBackgroundColor);
    title_ = Shape(resolve(s.TitleBackgroundColor), resolve(s.TitleTextColor));
    heading_ = Shape(resolve(s.HeadingBackgroundColor), resolve(s.HeadingTextColor));
    info_ = Shape(resolve(s.InfoBackgroundColor), resolve(s.InfoTextColor));
    link_ = Shape(resolve(s.LinkBackgroundColor), resolve(s.LinkTextColor), true);
    marker_ = Shape(resolve(s.LinkBackgroundColor), resolve(s.LinkTextColor));
    label_ = Flat(resolve(s.LabelBackgroundColor), resolve(s.LabelTextColor));
    data_ = {dataBorder_, resolve(s.DataBackgroundColor), resolve(s.DataTextColor), false, false};
    plain_ = Flat(background_, resolve(s.DataTextColor));
}

StyleColors GridPalette::ForStyle(std::string_view style) const {
    if (style == cell::kTitle) return title_;
    if (style == cell::kHeading) return heading_;
    if (style == cell::kInfo) return info_;
    if (style == cell::kLink) return link_;
    if (style == cell::kMarker) return marker_;
    if (style == cell::kLabel) return label_;
    if (style == cell::kData || style == cell::kDataLine) return data_;
    return plain_;
}

}  // namespace vantaro
