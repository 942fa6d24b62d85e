#include "routines/Words.h"

#include <algorithm>

#include "routines/TextBasics.h"

namespace vantaro {
namespace {

bool IsCapital(char c) { return c >= 'A' && c <= 'Z'; }
bool IsSmall(char c) { return c >= 'a' && c <= 'z'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool EndsSentence(char c) { return c == '.' || c == '?'; }

}  // namespace

std::string ClassWords(std::string_view name) {
    std::string words;
    for (char c : name.substr(std::min<std::size_t>(1, name.size()))) {
        if (IsCapital(c)) words += ' ';
        words += c;
    }
    return Trim(words);
}

std::string EnumWords(std::string_view valueName) {
    return ClassWords(valueName.substr(std::min<std::size_t>(1, valueName.size())));
}

std::string EnumWords(std::span<const std::string_view> valueNames, int ordinal) {
    if (ordinal < 0 || ordinal >= static_cast<int>(valueNames.size())) return {};
    return EnumWords(valueNames[ordinal]);
}

std::string UnderscoresToSpaces(std::string_view identifier) {
    std::string text;
    for (char c : identifier) {
        if (c == '|') continue;
        if (c == '_') c = ' ';
        if (c == ' ' && !text.empty() && text.back() == ' ') continue;
        text += c;
    }
    return Trim(text);
}

std::string Capitalise(std::string_view text) {
    std::string result = Trim(text);
    for (std::size_t i = 0; i < result.size(); ++i) {
        const bool wordStart = i == 0 || result[i - 1] == ' ';
        result[i] = wordStart ? UpperChar(result[i]) : LowerChar(result[i]);
    }
    return result;
}

std::string RemoveSeparators(std::string_view text) {
    std::string result;
    for (char c : TrimView(text)) {
        if (c != '_' && c != ' ' && c != '|') result += c;
    }
    return result;
}

std::string UpperAlphanumeric(std::string_view text) {
    std::string result(TrimView(text));
    for (char& c : result) {
        if (IsSmall(c)) c = UpperChar(c);
        else if (!IsCapital(c) && !IsDigit(c)) c = ' ';
    }
    return result;
}

std::string ReplaceSpaces(std::string_view text, std::string_view replacement) {
    std::string result;
    for (char c : TrimView(text)) {
        if (c == ' ') result += replacement;
        else result += c;
    }
    return result;
}

int SentenceCount(std::string_view text) {
    return static_cast<int>(std::count_if(text.begin(), text.end(), EndsSentence));
}

// Terminators are looked for up to the last-but-one character, so the final full stop of a text
// stays with its last sentence.
std::string Sentence(std::string_view text, int index) {
    if (text.size() < 2) return Trim(text);
    if (index < 0) return {};
    std::size_t start = 0;
    int found = 0;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (!EndsSentence(text[i])) continue;
        if (found == index) return Trim(text.substr(start, i - start));
        ++found;
        start = i + 1;
    }
    return found == index ? Trim(text.substr(start)) : std::string{};
}

int CharCount(std::string_view text, char c) {
    return static_cast<int>(std::count(text.begin(), text.end(), c));
}

int SubstringCount(std::string_view text, std::string_view part) {
    if (part.empty()) return 0;
    int count = 0;
    for (std::size_t at = text.find(part); at != std::string_view::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

std::string ListedLines(const std::vector<std::string>& items, std::size_t most, std::string_view indent) {
    std::string text;
    for (std::size_t i = 0; i < items.size() && i < most; ++i) text.append(indent).append(items[i]).append("\r\n");
    if (items.size() > most)
        text.append(indent).append("and ").append(std::to_string(items.size() - most)).append(" more\r\n");
    return text;
}

}  // namespace vantaro
