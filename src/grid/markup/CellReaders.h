#pragma once

// Readers of cell markup. Attributes are looked for only in the tag's attribute part (up to the
// first '>'), never in the content; an absent attribute reads as empty text. Objects are looked
// up by ID in a factory, the main factory unless another is given.

#include <string>
#include <string_view>

#include "factory/CFactory.h"

namespace vantaro {

class CStored;

// The value of one attribute of the cell, empty when absent.
std::string CellValue(std::string_view cell, std::string_view key);
bool CellHas(std::string_view cell, std::string_view key);
// The cell with KEY set to the value: replaced in place when present, else appended last.
std::string SetCellValue(std::string_view cell, std::string_view key, std::string_view value);

CStored* CellTarget(std::string_view cell, const CFactory* factory = CFactory::MainFactory());
CStored* CellSource(std::string_view cell, const CFactory* factory = CFactory::MainFactory());
// The object of a NAME or ATTRIBUTE cell; none for any other content kind.
CStored* CellObject(std::string_view cell, const CFactory* factory = CFactory::MainFactory());
// The attribute of an ATTRIBUTE cell; empty otherwise.
std::string CellAttributeName(std::string_view cell);
// What the cell shows: an object's display text, an attribute's display text (TRUE and FALSE as
// True and False), nothing for a picture, or the text content unescaped.
std::string CellDisplayText(std::string_view cell, const CFactory* factory = CFactory::MainFactory());

// The effect words a cell's EFFECT is searched for.
struct CellEffect {
    bool round = false;
    bool left = false;
    bool right = false;
    bool lighten = false;
    bool darken = false;
    bool shadow = false;

    bool StartsRun() const { return left && !right; }
    bool EndsRun() const { return right && !left; }
    bool InRun() const { return left && right; }
};
CellEffect ReadEffect(std::string_view effect);

// Everything the drawing, editing and printing read from a cell, taken in one pass over its
// attributes. Numbers absent from the markup read as -1 (TYPE, CHECK) or 0 (LEVEL).
struct CellFacts {
    std::string style;
    std::string content;
    std::string effectText;
    std::string action;
    CellEffect effect;
    int level = 0;
    int type = -1;
    int check = -1;
    bool readOnly = false;
    bool selection = false;
    bool dragSource = false;
    bool dragTarget = false;

    bool IsEditableStyle() const;  // DATA or DATA_LINE
    bool IsEditable() const { return IsEditableStyle() && !readOnly; }
};
CellFacts ReadCellFacts(std::string_view cell);

}  // namespace vantaro
