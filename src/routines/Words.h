#pragma once

// Words made from identifiers, and small counts and cuts of free text.

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vantaro {

// Drops the first character and puts a space before every capital: CAttainmentTarget gives
// "Attainment Target", TFormMain "Form Main".
std::string ClassWords(std::string_view name);
// The name of an enumeration value without its two-letter prefix, in words: gsInitialGrade gives
// "Initial Grade".
std::string EnumWords(std::string_view valueName);
// The words of the value at `ordinal` among an enumeration's value names; empty when out of range.
std::string EnumWords(std::span<const std::string_view> valueNames, int ordinal);

// Underscores become spaces, vertical bars vanish, runs of spaces shrink to one; trimmed.
std::string UnderscoresToSpaces(std::string_view identifier);
// Trimmed; the first character and every one after a space upper-cased, the rest lower-cased.
std::string Capitalise(std::string_view text);
// Trimmed, with every underscore, space and vertical bar removed.
std::string RemoveSeparators(std::string_view text);
// Trimmed; digits and capitals kept, small letters upper-cased, anything else a space.
std::string UpperAlphanumeric(std::string_view text);
// Trimmed, with every space replaced by `replacement`.
std::string ReplaceSpaces(std::string_view text, std::string_view replacement);

// Number of full stops and question marks.
int SentenceCount(std::string_view text);
// The sentence at `index` (from 0), trimmed and without its full stop or question mark, except
// the last sentence, which keeps its final one. Empty when the text has fewer sentences.
std::string Sentence(std::string_view text, int index);
int CharCount(std::string_view text, char c);
// Positions at which `part` begins, overlapping ones included; 0 for an empty part.
int SubstringCount(std::string_view text, std::string_view part);

// A list for a message: the first `most` items, each on a line of its own after `indent`, then
// "and N more" for the rest. Every line ends with CR LF.
std::string ListedLines(const std::vector<std::string>& items, std::size_t most, std::string_view indent);

}  // namespace vantaro
