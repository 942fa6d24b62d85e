#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vantaro {

// A text file as the program keeps text: ISO-8859-1 lines. Files from spreadsheets and other
// programs are mostly UTF-8, often with a byte-order mark; a file that is valid UTF-8 is read as
// such and anything else as ISO-8859-1. Lines may end with LF, CR LF or CR.
struct TextFileLines {
    std::vector<std::string> lines;
    // Numbers (from 1) of the lines that held characters ISO-8859-1 cannot: each became '?'.
    std::vector<int> replacedCharacterLines;
};

TextFileLines DecodeTextLines(std::string_view bytes);
// The lines of a text, each ending at LF, CR LF or CR; a line break at the very end starts no
// further line.
std::vector<std::string_view> SplitTextLines(std::string_view text);
// Reads the whole file; raises EInOutError naming the file when it is missing or unreadable.
TextFileLines ReadTextFileLines(const std::string& path);

// The fields of one comma-separated line: a field that opens with a double quote may hold commas
// up to its closing quote, and a doubled quote inside stands for one; every field is trimmed. A
// line without quotes splits at every comma.
std::vector<std::string> SplitCsvFields(std::string_view line);

}  // namespace vantaro
