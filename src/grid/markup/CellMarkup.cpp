#include "grid/markup/CellMarkup.h"

#include <cmath>

#include "factory/CStored.h"
#include "grid/markup/CellReaders.h"
#include "routines/NumberText.h"
#include "routines/TextBasics.h"
#include "routines/XMLRoutines.h"

namespace vantaro {
namespace {

constexpr std::string_view kRound = "ROUND";
constexpr std::string_view kRoundLeft = "ROUNDLEFT";
constexpr std::string_view kRoundLeftRight = "ROUNDLEFTRIGHT";
constexpr std::string_view kRoundRight = "ROUNDRIGHT";

std::string IdText(const CStored& object) { return std::to_string(object.ID()); }

CellLink AtLevelZero(CellLink link) {
    link.level = 0;
    return link;
}

void AppendAttribute(std::string& cell, std::string_view key, std::string_view value) {
    cell.append(" ").append(key).append("=\"").append(value).append("\"");
}

// The start tag with the link's attributes (as NewCell sets them) and then the given ones, each
// key once, so the line is written in one pass rather than edited attribute by attribute.
std::string StartTag(const CellLink& link,
                     std::initializer_list<std::pair<std::string_view, std::string_view>> attributes) {
    std::string cell = "<GML";
    if (!link.action.empty()) AppendAttribute(cell, cell::kAction, UpperCase(link.action));
    if (link.target) AppendAttribute(cell, cell::kTarget, IdText(*link.target));
    if (link.source) AppendAttribute(cell, cell::kSource, IdText(*link.source));
    if (link.level != 0) AppendAttribute(cell, cell::kLevel, std::to_string(link.level));
    for (const auto& [key, value] : attributes) AppendAttribute(cell, key, value);
    cell += '>';
    return cell;
}

// NewCell, then the content, then each attribute in the order given.
std::string Build(const CellLink& link, std::string_view content,
                  std::initializer_list<std::pair<std::string_view, std::string_view>> attributes) {
    std::string cell = StartTag(link, attributes);
    cell.append(content).append("</GML>");
    return cell;
}

std::string Text(const CellLink& link, std::string_view text,
                 std::initializer_list<std::pair<std::string_view, std::string_view>> attributes) {
    return Build(link, EscapeText(text), attributes);
}

std::string Shaped(const CellLink& link, std::string_view text, std::string_view style) {
    return Text(link, text, {{cell::kStyle, style}, {cell::kEffect, kRound}});
}

std::string RunPiece(const CellLink& link, std::string_view text, std::string_view style,
                     std::string_view effect) {
    return SetAttribute(Shaped(link, text, style), cell::kEffect, effect);
}

std::string AttributeContent(const CStored& object, std::string_view attributeName) {
    std::string content = IdText(object);
    content += '.';
    content += attributeName;
    return content;
}

std::string Data(const CStored* object, std::string_view attributeName, const CellLink& link,
                 std::initializer_list<std::pair<std::string_view, std::string_view>> extra = {}) {
    if (!object) return NewCell(link);
    std::string cell = Build(link, AttributeContent(*object, attributeName),
                             {{cell::kStyle, cell::kData}, {cell::kContent, cell::kAttribute}});
    for (const auto& [key, value] : extra) cell = SetAttribute(cell, key, value);
    return cell;
}

std::string Picture(int pictureIndex, const CellLink& link) {
    return Build(link, std::to_string(pictureIndex),
                 {{cell::kStyle, cell::kImage}, {cell::kContent, cell::kPicture}});
}

std::string TypedText(int typeIndex, std::string_view text, const CellLink& link, bool selectable) {
    const std::string type = std::to_string(typeIndex);
    if (selectable)
        return Text(link, text,
                    {{cell::kType, type},
                     {cell::kContent, cell::kText},
                     {cell::kStyle, cell::kData},
                     {cell::kReadOnly, cell::kTrue},
                     {cell::kSelection, cell::kTrue}});
    return Text(link, text,
                {{cell::kType, type}, {cell::kContent, cell::kText}, {cell::kStyle, cell::kData}, {cell::kReadOnly, cell::kTrue}});
}

}  // namespace

std::string NewCell(const CellLink& link) { return Build(link, {}, {}); }

std::string TitleCell(std::string_view text, const CellLink& link) {
    return Shaped(link, text, cell::kTitle);
}
std::string TitleCellStart(std::string_view text, const CellLink& link) {
    return RunPiece(link, text, cell::kTitle, kRoundLeft);
}
std::string TitleCellMiddle(std::string_view text, const CellLink& link) {
    return RunPiece(link, text, cell::kTitle, kRoundLeftRight);
}
std::string TitleCellEnd(std::string_view text, const CellLink& link) {
    return RunPiece(AtLevelZero(link), text, cell::kTitle, kRoundRight);
}

std::string HeadingCell(std::string_view text, const CellLink& link) {
    return Shaped(link, text, cell::kHeading);
}
std::string HeadingCellStart(std::string_view text, const CellLink& link) {
    return RunPiece(link, text, cell::kHeading, kRoundLeft);
}
std::string HeadingCellMiddle(std::string_view text, const CellLink& link) {
    return RunPiece(link, text, cell::kHeading, kRoundLeftRight);
}
std::string HeadingCellEnd(std::string_view text, const CellLink& link) {
    return RunPiece(link, text, cell::kHeading, kRoundRight);
}

std::string InfoCell(std::string_view text, const CellLink& link) {
    return Shaped(link, text, cell::kInfo);
}
std::string InfoCellStart(std::string_view text, const CellLink& link) {
    return RunPiece(link, text, cell::kInfo, kRoundLeft);
}
std::string InfoCellMiddle(std::string_view text, const CellLink& link) {
    return RunPiece(link, text, cell::kInfo, kRoundLeftRight);
}
std::string InfoCellEnd(std::string_view text, const CellLink& link) {
    return RunPiece(link, text, cell::kInfo, kRoundRight);
}

std::string LabelCell(std::string_view text, const CellLink& link) {
    return Text(link, text, {{cell::kStyle, cell::kLabel}});
}
std::string LinkTextCell(std::string_view text, const CellLink& link) {
    return Text(link, text, {{cell::kStyle, cell::kLink}, {cell::kContent, cell::kText}});
}
std::string TextCell(std::string_view text, const CellLink& link) {
    return Text(link, text, {{cell::kStyle, cell::kData}, {cell::kReadOnly, cell::kTrue}});
}
std::string SelectableTextCell(std::string_view text, const CellLink& link) {
    return Text(link, text, {{cell::kStyle, cell::kData}, {cell::kReadOnly, cell::kTrue}, {cell::kSelection, cell::kTrue}});
}
std::string LineTextCell(std::string_view text, const CellLink& link) {
    return Text(link, text, {{cell::kStyle, cell::kDataLine}, {cell::kReadOnly, cell::kTrue}});
}
std::string EditTextCell(std::string_view text, const CellLink& link) {
    return Text(link, text,
                {{cell::kStyle, cell::kData}, {cell::kContent, cell::kText}, {cell::kReadOnly, cell::kFalse}});
}

std::string LinkCell(const CStored* object, const CellLink& link) {
    if (!object) return NewCell(link);
    return Build(link, IdText(*object), {{cell::kStyle, cell::kLink}, {cell::kContent, cell::kName}});
}
std::string NameLabelCell(const CStored* object, const CellLink& link) {
    if (!object) return NewCell(link);
    return Build(link, IdText(*object), {{cell::kStyle, cell::kLabel}, {cell::kContent, cell::kName}});
}

std::string DataCell(const CStored* object, std::string_view attributeName, const CellLink& link) {
    return Data(object, attributeName, link);
}
std::string DropTargetDataCell(const CStored* object, std::string_view attributeName,
                               const CellLink& link) {
    return Data(object, attributeName, link, {{cell::kDragTarget, cell::kTrue}});
}
std::string ReadOnlyDataCell(const CStored* object, std::string_view attributeName,
                             const CellLink& link) {
    return Data(object, attributeName, link, {{cell::kReadOnly, cell::kTrue}});
}
std::string ParameterDataCell(const CStored* object, std::string_view attributeName,
                              const CellLink& link) {
    return Data(object, attributeName, link,
                {{cell::kReadOnly, cell::kTrue}, {cell::kParameter, attributeName}});
}
std::string DataLineCell(const CStored* object, std::string_view attributeName, const CellLink& link) {
    return Data(object, attributeName, AtLevelZero(link), {{cell::kStyle, cell::kDataLine}});
}
std::string ReadOnlyDataLineCell(const CStored* object, std::string_view attributeName,
                                 const CellLink& link) {
    return Data(object, attributeName, AtLevelZero(link),
                {{cell::kStyle, cell::kDataLine}, {cell::kReadOnly, cell::kTrue}});
}

std::string PictureCell(int pictureIndex, const CellLink& link) { return Picture(pictureIndex, link); }
std::string SelectablePictureCell(int pictureIndex, const CellLink& link) {
    return SetAttribute(Picture(pictureIndex, link), cell::kSelection, cell::kTrue);
}

std::string TypedTextCell(int typeIndex, std::string_view text, const CellLink& link) {
    return TypedText(typeIndex, text, link, false);
}
std::string SelectableTypedTextCell(int typeIndex, std::string_view text, const CellLink& link) {
    return TypedText(typeIndex, text, link, true);
}

std::string AddDragSource(std::string_view cellLine) {
    return SetCellValue(cellLine, cell::kDragSource, cell::kTrue);
}
std::string SetParameter(std::string_view cellLine, std::string_view value) {
    return SetCellValue(cellLine, cell::kParameter, value);
}
int ScoreTypeIndex(std::string_view scoreText) {
    if (scoreText.empty()) return -1;
    const double score = ReadStoredNumber(NumericChars(scoreText));
    // std::nearbyint rounds a half to the even neighbour in the default rounding mode.
    const double quarters = std::nearbyint(score * 4) / 4;
    if (quarters < 0 || quarters > 1) return -1;
    if (quarters == 0) return 1;
    if (quarters <= 0.25) return 2;
    if (quarters <= 0.5) return 3;
    if (quarters <= 0.75) return 4;
    return 5;
}

}  // namespace vantaro
