#include "routines/XMLRoutines.h"

#include <algorithm>
#include <array>

#include "routines/TextBasics.h"

namespace vantaro {
namespace {

constexpr auto npos = std::string_view::npos;
constexpr std::string_view kClosingMarker = "</";

// The text from `begin` up to (not including) `end`; empty when the range is empty or reversed.
std::string Slice(std::string_view text, std::size_t begin, std::size_t end) {
    if (begin >= end || begin >= text.size()) return {};
    return std::string(text.substr(begin, end - begin));
}

// An attribute item around the '=' at `pivot`: from the last space before it (or the start of
// the text) up to the first space or '>' after it (or the end of the text).
std::string_view ItemAround(std::string_view text, std::size_t pivot, std::size_t itemEnd) {
    const std::size_t space = text.rfind(' ', pivot);
    const std::size_t start = space == npos ? 0 : space;
    return text.substr(start, itemEnd - start);
}

// Walks the items of a text in order, one per '='. The start, name and end of an item are carried
// from one pivot to the next, so every character is crossed a bounded number of times even in a
// run of '=' without spaces.
class ItemWalker {
public:
    explicit ItemWalker(std::string_view text) : text_(text) {}

    bool Next(std::string_view& item, std::string_view& name) {
        const std::size_t from = pivot_ == npos ? 0 : pivot_ + 1;
        const std::size_t pivot = text_.find('=', from);
        if (pivot == npos) return false;
        const std::size_t space = text_.substr(from, pivot - from).rfind(' ');
        if (pivot_ == npos || space != npos) {
            // A new item start: this pivot is the first '=' after it.
            if (space != npos) start_ = from + space;
            name_ = TrimView(text_.substr(start_, pivot - start_));
        }
        pivot_ = pivot;
        if (end_ == npos || end_ <= pivot_) {
            end_ = text_.find_first_of(" >", pivot_ + 1);
            if (end_ == npos) end_ = text_.size();
        }
        item = text_.substr(start_, end_ - start_);
        name = name_;
        return true;
    }

private:
    std::string_view text_;
    std::size_t pivot_ = npos;
    std::size_t start_ = 0;
    std::size_t end_ = npos;
    std::string_view name_;
};

std::string_view ItemName(std::string_view item) {
    const std::size_t equals = item.find('=');
    if (equals == npos) return {};
    return TrimView(item.substr(0, equals));
}

struct Entity {
    std::string_view text;
    std::string_view escaped;
};

// In the order UnescapeText tries them.
constexpr std::array<Entity, 7> kEntities{{
    {"&", "&amp;"},
    {"<", "&lt;"},
    {">", "&gt;"},
    {"'", "&apos;"},
    {"\"", "&quot;"},
    {"\r\n", "&#13;&#10;"},
    {"\t", "&#09;"},
}};

// MatchKeywords treats these as blanks; 0xA3 is the pound sign in ISO-8859-1.
constexpr std::string_view kWordBreaks = "(),._-\">@;||?<>~#!\xA3$%&*:'";
constexpr std::array<std::string_view, 3> kBlankEntities{"&#09;", "&#13;", "&#10;"};

std::string PaddedSearchText(std::string_view text, bool caseSensitive) {
    std::string padded;
    padded.reserve(text.size() + 2);
    padded += ' ';
    padded += caseSensitive ? std::string(text) : UpperCase(text);
    padded += ' ';
    for (std::string_view entity : kBlankEntities) {
        for (std::size_t at = padded.find(entity); at != npos; at = padded.find(entity, at)) {
            padded.replace(at, entity.size(), entity.size(), ' ');
        }
    }
    for (char& c : padded) {
        if (kWordBreaks.find(c) != npos) c = ' ';
    }
    return padded;
}

}  // namespace

std::string TagName(std::string_view line) {
    const std::size_t open = line.find('<');
    const std::size_t begin = open == npos ? 0 : open + 1;
    const std::size_t space = line.find(' ');
    const std::size_t close = line.find('>');
    std::size_t end = space;
    if (space == npos || (close != npos && close < space)) end = close;
    if (end == npos) return {};
    return Slice(line, begin, end);
}

std::string TagAttributes(std::string_view line) {
    const std::size_t space = line.find(' ');
    const std::size_t close = line.find('>');
    if (space == npos || close == npos) return {};
    return Slice(line, space + 1, close);
}

std::string TagContent(std::string_view line) {
    const std::size_t close = line.find('>');
    const std::size_t closing = line.find(kClosingMarker);
    if (close == npos || closing == npos) return {};
    return Slice(line, close + 1, closing);
}

std::string ReplaceTagContent(std::string_view line, std::string_view content) {
    const std::size_t close = line.find('>');
    if (close == npos) return std::string(line);
    const std::size_t closing = line.find(kClosingMarker);
    std::string result;
    const std::string_view tail = closing == npos ? std::string_view{} : line.substr(closing);
    result.reserve(close + 1 + content.size() + tail.size());
    result.append(line.substr(0, close + 1)).append(content).append(tail);
    return result;
}

int AttributeItemCount(std::string_view text) {
    return static_cast<int>(std::count(text.begin(), text.end(), '=')) + 1;
}

std::string AttributeItem(std::string_view text, int index) {
    if (index < 0) return {};
    std::size_t pivot = npos;
    for (int n = 0; n <= index; ++n) {
        pivot = text.find('=', pivot == npos ? 0 : pivot + 1);
        if (pivot == npos) return {};
    }
    std::size_t end = text.find_first_of(" >", pivot + 1);
    if (end == npos) end = text.size();
    return std::string(ItemAround(text, pivot, end));
}

std::string AttributeItemName(std::string_view item) { return std::string(ItemName(item)); }

std::string FindAttribute(std::string_view text, std::string_view name) {
    ItemWalker walker(text);
    std::string_view item;
    std::string_view itemName;
    while (walker.Next(item, itemName)) {
        if (itemName == name) return std::string(item);
    }
    return {};
}

// The value runs from after the last quote before the item's final character up to that final
// character, the closing quote. An item cut short at a space (a value of two words) has no
// closing quote; its final character then belongs to the value, so the first word survives whole.
std::string AttributeValue(std::string_view item) {
    if (item.empty()) return {};
    const std::string_view head = item.substr(0, item.size() - 1);
    const std::size_t quote = head.rfind('"');
    const std::size_t begin = quote == npos ? 0 : quote + 1;
    const std::size_t end = item.back() == '"' ? item.size() - 1 : item.size();
    return Slice(item, begin, end);
}

bool HasAttribute(std::string_view text, std::string_view name) {
    for (std::size_t at = text.find(name); at != npos; at = text.find(name, at + 1)) {
        const std::size_t after = at + name.size();
        if (at > 0 && text[at - 1] == ' ' && after < text.size() && text[after] == '=') return true;
    }
    return false;
}

std::string SetAttribute(std::string_view line, std::string_view name, std::string_view value) {
    std::string key(name);
    key += "=\"";
    const std::size_t keyAt = line.rfind(key);
    if (keyAt != npos && !line.empty()) {
        const std::size_t valueBegin = keyAt + key.size();
        // The closing quote is looked for before the line's final character only.
        const std::string_view searched = line.substr(0, line.size() - 1);
        const std::size_t valueEnd = searched.find('"', valueBegin);
        if (valueEnd != npos) {
            std::string result;
            result.reserve(line.size() - (valueEnd - valueBegin) + value.size());
            result.append(line.substr(0, valueBegin)).append(value).append(line.substr(valueEnd));
            return result;
        }
    }
    std::size_t close = line.find('>');
    if (close == npos) close = line.size();
    std::string result;
    result.reserve(line.size() + name.size() + value.size() + 4);
    result.append(line.substr(0, close));
    result.append(" ").append(name).append("=\"").append(value).append("\"");
    result.append(line.substr(close));
    return result;
}

int ListCount(std::string_view text) {
    if (text.empty()) return 0;
    return static_cast<int>(std::count(text.begin(), text.end(), ',')) + 1;
}

std::string ListItem(std::string_view text, int index) {
    if (index < 0) return {};
    std::size_t begin = 0;
    for (int n = 0; n < index; ++n) {
        const std::size_t comma = text.find(',', begin);
        if (comma == npos) return {};
        begin = comma + 1;
    }
    if (begin >= text.size()) return {};
    std::size_t end = text.find(',', begin);
    if (end == npos) end = text.size();
    return Slice(text, begin, end);
}

// A carriage return is escaped only together with the line feed after it; a lone carriage
// return or line feed passes through.
std::string EscapeText(std::string_view text) {
    std::string result;
    result.reserve(text.size() + text.size() / 8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            result += "&#13;&#10;";
            ++i;
            continue;
        }
        const auto entity = std::find_if(kEntities.begin(), kEntities.end(), [c](const Entity& e) {
            return e.text.size() == 1 && e.text[0] == c;
        });
        if (entity != kEntities.end()) {
            result += entity->escaped;
        } else {
            result += c;
        }
    }
    return result;
}

// No entity begins inside another, so one left-to-right pass that skips each entity found reads
// the same as matching each position of the input from the right: "&amp;amp;" gives "&amp;".
std::string UnescapeText(std::string_view content) {
    std::string result;
    result.reserve(content.size());
    for (std::size_t i = 0; i < content.size(); ++i) {
        if (content[i] == '&') {
            const std::string_view rest = content.substr(i);
            const auto entity = std::find_if(kEntities.begin(), kEntities.end(),
                                             [rest](const Entity& e) { return rest.starts_with(e.escaped); });
            if (entity != kEntities.end()) {
                result += entity->text;
                i += entity->escaped.size() - 1;
                continue;
            }
        }
        result += content[i];
    }
    return result;
}

std::string BooleanText(std::string_view text) {
    constexpr std::string_view kTrue = "TRUE";
    const bool isTrue = text.size() == kTrue.size() &&
                        std::equal(text.begin(), text.end(), kTrue.begin(),
                                   [](char a, char b) { return UpperChar(a) == b; });
    return isTrue ? "TRUE" : "FALSE";
}

bool MatchKeywords(const std::vector<std::string>& keywords, std::string_view text,
                   bool allRequired, bool caseSensitive) {
    const bool anyText = std::any_of(keywords.begin(), keywords.end(),
                                     [](const std::string& k) { return !k.empty(); });
    if (!anyText) return false;
    const std::string padded = PaddedSearchText(text, caseSensitive);
    bool result = false;
    std::string word;
    for (const std::string& keyword : keywords) {
        const std::string_view trimmed = TrimView(keyword);
        if (trimmed.empty()) continue;
        word.clear();
        word += ' ';
        word += caseSensitive ? std::string(trimmed) : UpperCase(trimmed);
        word += ' ';
        result = padded.find(word) != npos;
        if (result != allRequired) break;
    }
    return result;
}

}  // namespace vantaro
