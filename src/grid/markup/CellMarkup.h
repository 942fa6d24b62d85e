#pragma once

// Cell markup: one tag line per grid cell, <GML KEY="VALUE" ...>content</GML>, saying how the
// cell looks, what it shows and what a click on it runs. Lines live only in the cells of a grid.
//
// A page never writes markup by hand: every line comes from a builder below. Attributes appear
// in the order the builder sets them (a second set replaces the value in place). Text content is
// escaped, so text holding "</", a quote or ` KEY="..."` stays content and never poses as an
// attribute; an empty cell is empty text.

#include <string>
#include <string_view>

namespace vantaro {

class CStored;

// The markup's keys and the values the builders and readers compare against.
namespace cell {
inline constexpr std::string_view kStyle = "STYLE";
inline constexpr std::string_view kContent = "CONTENT";
inline constexpr std::string_view kEffect = "EFFECT";
inline constexpr std::string_view kAction = "ACTION";
inline constexpr std::string_view kTarget = "TARGET";
inline constexpr std::string_view kSource = "SOURCE";
inline constexpr std::string_view kLevel = "LEVEL";
inline constexpr std::string_view kType = "TYPE";
inline constexpr std::string_view kCheck = "CHECK";
inline constexpr std::string_view kReadOnly = "READ_ONLY";
inline constexpr std::string_view kSelection = "SELECTION";
inline constexpr std::string_view kDragSource = "DRAG_SOURCE";
inline constexpr std::string_view kDragTarget = "DRAG_TARGET";
inline constexpr std::string_view kParameter = "PARAMETER";

inline constexpr std::string_view kTitle = "TITLE";
inline constexpr std::string_view kHeading = "HEADING";
inline constexpr std::string_view kInfo = "INFO";
inline constexpr std::string_view kLink = "LINK";
inline constexpr std::string_view kLabel = "LABEL";
inline constexpr std::string_view kData = "DATA";
inline constexpr std::string_view kDataLine = "DATA_LINE";
inline constexpr std::string_view kImage = "IMAGE";
inline constexpr std::string_view kMarker = "MARKER";

inline constexpr std::string_view kText = "TEXT";
inline constexpr std::string_view kName = "NAME";
inline constexpr std::string_view kAttribute = "ATTRIBUTE";
inline constexpr std::string_view kPicture = "PICTURE";

inline constexpr std::string_view kTrue = "TRUE";
inline constexpr std::string_view kFalse = "FALSE";
}  // namespace cell

// What a click on a cell runs: the action's name (stored upper-cased; empty for none), the
// target and source objects it works on (their IDs are stored) and the cell's indentation level
// (0 is not stored). Builders take it last, so a call names only what it sets:
//   HeadingCell("Pupils", {.action = "ActionNewPupil", .target = year, .level = 1})
struct CellLink {
    std::string_view action = {};
    const CStored* target = nullptr;
    const CStored* source = nullptr;
    int level = 0;
};

// The base of every builder: <GML></GML> with ACTION, TARGET, SOURCE and LEVEL, each only when
// given, in that order.
std::string NewCell(const CellLink& link = {});

// Text builders: the text becomes the cell's content.
std::string TitleCell(std::string_view text, const CellLink& link = {});
std::string TitleCellStart(std::string_view text, const CellLink& link = {});
std::string TitleCellMiddle(std::string_view text, const CellLink& link = {});
std::string TitleCellEnd(std::string_view text, const CellLink& link = {});  // level 0 always
std::string HeadingCell(std::string_view text, const CellLink& link = {});
std::string HeadingCellStart(std::string_view text, const CellLink& link = {});
std::string HeadingCellMiddle(std::string_view text, const CellLink& link = {});
std::string HeadingCellEnd(std::string_view text, const CellLink& link = {});
std::string InfoCell(std::string_view text, const CellLink& link = {});
std::string InfoCellStart(std::string_view text, const CellLink& link = {});
std::string InfoCellMiddle(std::string_view text, const CellLink& link = {});
std::string InfoCellEnd(std::string_view text, const CellLink& link = {});
std::string LabelCell(std::string_view text, const CellLink& link = {});
std::string LinkTextCell(std::string_view text, const CellLink& link = {});
std::string TextCell(std::string_view text, const CellLink& link = {});
std::string SelectableTextCell(std::string_view text, const CellLink& link = {});
std::string LineTextCell(std::string_view text, const CellLink& link = {});
std::string EditTextCell(std::string_view text, const CellLink& link = {});

// Object builders. Without an object each gives the bare NewCell line: no content, no style.
std::string LinkCell(const CStored* object, const CellLink& link = {});
std::string NameLabelCell(const CStored* object, const CellLink& link = {});

// Attribute cells: the content is the object's ID, a full stop and the attribute name.
std::string DataCell(const CStored* object, std::string_view attributeName, const CellLink& link = {});
std::string DropTargetDataCell(const CStored* object, std::string_view attributeName,
                               const CellLink& link = {});
std::string ReadOnlyDataCell(const CStored* object, std::string_view attributeName,
                             const CellLink& link = {});
std::string ParameterDataCell(const CStored* object, std::string_view attributeName,
                              const CellLink& link = {});
// One-line attribute cells carry no level, whatever the link says.
std::string DataLineCell(const CStored* object, std::string_view attributeName, const CellLink& link = {});
std::string ReadOnlyDataLineCell(const CStored* object, std::string_view attributeName,
                                 const CellLink& link = {});

// Picture cells: the content is the index of a picture of the page.
std::string PictureCell(int pictureIndex, const CellLink& link = {});
std::string SelectablePictureCell(int pictureIndex, const CellLink& link = {});

// Read-only text with a type image at its left.
std::string TypedTextCell(int typeIndex, std::string_view text, const CellLink& link = {});
std::string SelectableTypedTextCell(int typeIndex, std::string_view text, const CellLink& link = {});

// Modifiers: the line with DRAG_SOURCE TRUE, or with PARAMETER set to the value.
std::string AddDragSource(std::string_view cell);
std::string SetParameter(std::string_view cell, std::string_view value);

// The type image of a capability score, a fraction from 0 to 1 rounded to the nearest quarter:
// 1 for 0, 2 up to 0.25, 3 up to 0.5, 4 up to 0.75, 5 up to 1; -1 for empty text or a score
// outside 0 to 1.
int ScoreTypeIndex(std::string_view scoreText);

}  // namespace vantaro
