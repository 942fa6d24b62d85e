#include "lha/LhaTestData.h"

#include <random>

namespace vantaro::test {

std::string RandomBytes(std::size_t size, std::uint32_t seed) {
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char& byte : bytes) byte = static_cast<char>(random() & 0xFF);
    return bytes;
}

std::string StoreLikeText(std::size_t size, std::uint32_t seed) {
    static const char* const kClasses[] = {"CPupil", "CLessonPlan", "CNote", "CAssessment", "CTerm"};
    static const char* const kNames[] = {"Amelia", "Oliver", "Isla", "Jack", "Poppy", "Harry"};
    std::mt19937 random(seed);
    std::string text;
    text.reserve(size + 256);
    int id = 1;
    while (text.size() < size) {
        text += "<OBJECT ID=\"" + std::to_string(id++) + "\" CLASS=\"" + kClasses[random() % 5] + "\">\r\n";
        text += "  <RELATION AGGREGATE=\"FALSE\" NAME=\"PARENT\">" + std::to_string(random() % 500) +
                "</RELATION>\r\n";
        text += "  <ATTRIBUTE NAME=\"FORENAME\" FORMAT=\"STRING\">" + std::string(kNames[random() % 6]) +
                "</ATTRIBUTE>\r\n";
        text += "  <ATTRIBUTE NAME=\"DATE\" FORMAT=\"DATE\">" + std::to_string(38000 + random() % 2000) +
                "</ATTRIBUTE>\r\n</OBJECT>\r\n\r\n";
    }
    text.resize(size);
    return text;
}

}  // namespace vantaro::test
