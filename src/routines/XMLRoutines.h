#pragma once

// Routines over single tag lines: <NAME KEY="VALUE" ...>escaped content</NAME>.
//
// Not an XML parser. Each routine searches for the first occurrence of a few marker characters
// (or the last, where an attribute is set), and callers rely on exactly that. Attribute items are
// separated by single spaces; attribute names and values hold no space, '>', '=' or double quote;
// only the content is escaped. Comparisons are byte for byte. No routine throws: malformed lines
// give empty or partial results.

#include <string>
#include <string_view>
#include <vector>

namespace vantaro {

// Tag parts.
std::string TagName(std::string_view line);
std::string TagAttributes(std::string_view line);
std::string TagContent(std::string_view line);
std::string ReplaceTagContent(std::string_view line, std::string_view content);

// Attributes. An item is one ` NAME="VALUE"`, its leading space included.
int AttributeItemCount(std::string_view text);
std::string AttributeItem(std::string_view text, int index);
std::string AttributeItemName(std::string_view item);
std::string FindAttribute(std::string_view text, std::string_view name);
std::string AttributeValue(std::string_view item);
bool HasAttribute(std::string_view text, std::string_view name);
std::string SetAttribute(std::string_view line, std::string_view name, std::string_view value);

// Comma lists of IDs such as "12,15".
int ListCount(std::string_view text);
std::string ListItem(std::string_view text, int index);
// Calls visit with each item of a comma list in order, as ListItem gives them, in one pass (an
// empty list has none; a trailing comma gives a last empty item).
template <class Visit>
void ForEachListItem(std::string_view list, Visit visit) {
    if (list.empty()) return;
    for (std::size_t begin = 0;;) {
        const std::size_t comma = list.find(',', begin);
        visit(list.substr(begin, (comma == std::string_view::npos ? list.size() : comma) - begin));
        if (comma == std::string_view::npos) return;
        begin = comma + 1;
    }
}

// Free text <-> tag content. UnescapeText is the exact inverse of EscapeText.
std::string EscapeText(std::string_view text);
std::string UnescapeText(std::string_view content);

// "TRUE" for any letter case of true, otherwise "FALSE".
std::string BooleanText(std::string_view text);

// Whole-word search of keywords in a text; punctuation counts as a word break.
bool MatchKeywords(const std::vector<std::string>& keywords, std::string_view text,
                   bool allRequired, bool caseSensitive);

// FORMAT conversions of attribute values. The FORMAT kinds are STRING, LINE, DATE_TIME, DATE, TIME,
// NUMBER, VALUE, PERCENT, BOOLEAN and CODE; any other passes the text through.
//
// Both replace `text` and return true, or leave it as it was, show "DATA ERROR" through the
// platform's prompts and return false when a number cannot be read.
bool StoredToDisplay(const std::string& format, std::string& text);
// Typed STRING and LINE text has every lone carriage return or line feed made a pair first, so
// each line break escapes and survives in the one-line-per-value store.
bool InputToStored(const std::string& format, std::string& text);

// The display of a stored date: "Missing Date", "Open Ended", "To Be Confirmed" for the markers,
// else the locale's long date (with the date flag) or short time (time flag alone). A text that is
// not a stored date is shown as it is.
std::string ShowStoredDate(std::string_view stored, bool withDate, bool withTime);
// The first line of a stored text, with " ..." when more lines follow, unescaped.
std::string LineText(std::string_view stored);
// "&lt;New Lesson Plan&gt;" for the class name CLessonPlan: the stored description of a new object.
std::string NewObjectText(std::string_view className);

}  // namespace vantaro
