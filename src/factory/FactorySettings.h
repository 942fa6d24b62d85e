#pragma once

#include <cstdint>
#include <string>

namespace vantaro {

// A colour as stored: an RGB value (red in the lowest byte) or 0x80000000 plus the index of a
// system colour.
using TColor = std::uint32_t;

// The grid font's size is kept within these points.
inline constexpr int kSmallestFontSize = 6;
inline constexpr int kLargestFontSize = 72;

// The grid font setting.
struct CFontDescription {
    std::string Name;
    TColor Color = 0;
    int Size = 0;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
};

// The user's settings held by a factory. Zero or empty until read; a factory that never reads
// settings (the scratch factory) keeps them so.
struct CFactorySettings {
    CFontDescription Font;
    TColor DataBorderColor = 0;
    std::string BackupPath;
    bool SingleClick = false;
    bool CompressDatastore = false;
    bool AnnualReportFullTitle = false;
    bool OpenLastDataStore = false;
    TColor BackgroundColor = 0;
    TColor SelectionBackgroundColor = 0;
    TColor SelectionTextColor = 0;
    TColor TitleBackgroundColor = 0;
    TColor TitleTextColor = 0;
    TColor HeadingBackgroundColor = 0;
    TColor HeadingTextColor = 0;
    TColor LinkBackgroundColor = 0;
    TColor LinkTextColor = 0;
    TColor LabelBackgroundColor = 0;
    TColor LabelTextColor = 0;
    TColor DataBackgroundColor = 0;
    TColor DataTextColor = 0;
    TColor DragBackgroundColor = 0;
    TColor InfoBackgroundColor = 0;
    TColor InfoTextColor = 0;
    bool SimpleView = false;
};

}  // namespace vantaro
