#pragma once

#include <string>
#include <string_view>

namespace vantaro {

// Blanks are every byte up to and including the space, control characters among them.
constexpr bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

// The text without leading and trailing blanks, as a view into the same characters.
std::string_view TrimView(std::string_view text);
std::string Trim(std::string_view text);

// Upper- and lower-casing of ISO-8859-1 text: ASCII letters and the accented Latin-1 letters.
char UpperChar(char c);
char LowerChar(char c);
std::string UpperCase(std::string_view text);
std::string LowerCase(std::string_view text);

}  // namespace vantaro
