#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vantaro {

// The text of a property line around its content, shared by every line of that shape.
//
// A line  <TAG NAME="..." ...>content</TAG>  splits at its first '>' and its first "</" into a
// prefix, the content and a suffix. Thousands of objects of one class carry the same prefixes
// and suffixes, so each distinct pair is kept once for the whole run and lines refer to it.
// The tag, NAME, FORMAT and AGGREGATE values are read from the prefix once, with the tag
// routines; the split is used only when it gives exactly what those routines give for the
// whole line (the prefix holds the opening '<' and the NAME attribute). Any other line is raw:
// its prefix is the whole line, its suffix is empty and its parts are read from the whole line.
struct CLineShape {
    std::string prefix;
    std::string suffix;
    std::string tag;
    std::string name;
    std::optional<std::string> format;     // when the prefix holds it
    std::optional<std::string> aggregate;  // when the prefix holds it

    bool IsRaw() const { return suffix.empty(); }
};

// A line taken apart: its shared shape and, unless raw, its content (a view into the line).
struct CSplitLine {
    const CLineShape* shape;
    std::string_view content;
};

CSplitLine SplitLine(std::string_view line);

}  // namespace vantaro
