#include "routines/TextBasics.h"

namespace vantaro {

std::string_view TrimView(std::string_view text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && IsBlank(text[first])) ++first;
    while (last > first && IsBlank(text[last - 1])) --last;
    return text.substr(first, last - first);
}

std::string Trim(std::string_view text) { return std::string(TrimView(text)); }

// Latin-1 small letters 0xE0-0xFE (except the division sign 0xF7) have their capitals 0x20 below;
// sharp s (0xDF) and y with diaeresis (0xFF) have none in Latin-1.
char UpperChar(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 'a' && u <= 'z') return static_cast<char>(u - 0x20);
    if (u >= 0xE0 && u <= 0xFE && u != 0xF7) return static_cast<char>(u - 0x20);
    return c;
}

char LowerChar(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 'A' && u <= 'Z') return static_cast<char>(u + 0x20);
    if (u >= 0xC0 && u <= 0xDE && u != 0xD7) return static_cast<char>(u + 0x20);
    return c;
}

std::string UpperCase(std::string_view text) {
    std::string result(text);
    for (char& c : result) c = UpperChar(c);
    return result;
}

std::string LowerCase(std::string_view text) {
    std::string result(text);
    for (char& c : result) c = LowerChar(c);
    return result;
}

}  // namespace vantaro
