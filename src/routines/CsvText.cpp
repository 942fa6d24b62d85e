#include "routines/CsvText.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

#include "routines/Errors.h"
#include "routines/TextBasics.h"

namespace vantaro {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The code point of the UTF-8 sequence at `at`, moving `at` past it; none when the bytes there
// are not a well-formed, shortest sequence.
std::optional<char32_t> NextCodePoint(std::string_view text, std::size_t& at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80) return ++at, lead;
    int length = 0;
    char32_t point = 0;
    if ((lead & 0xE0) == 0xC0) length = 2, point = lead & 0x1F;
    else if ((lead & 0xF0) == 0xE0) length = 3, point = lead & 0x0F;
    else if ((lead & 0xF8) == 0xF0) length = 4, point = lead & 0x07;
    else return std::nullopt;
    if (at + length > text.size()) return std::nullopt;
    for (int i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) return std::nullopt;
        point = (point << 6) | (byte(at + i) & 0x3F);
    }
    constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (point < kSmallest[length] || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) return std::nullopt;
    at += length;
    return point;
}

bool IsUtf8(std::string_view text) {
    for (std::size_t at = 0; at < text.size();)
        if (!NextCodePoint(text, at)) return false;
    return true;
}

// The line in ISO-8859-1; false when some character had to become '?'.
bool Utf8ToLatin1(std::string_view line, std::string& out) {
    bool whole = true;
    for (std::size_t at = 0; at < line.size();) {
        const char32_t point = *NextCodePoint(line, at);
        whole = whole && point <= 0xFF;
        out += point <= 0xFF ? static_cast<char>(point) : '?';
    }
    return whole;
}

}  // namespace

std::vector<std::string_view> SplitTextLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

TextFileLines DecodeTextLines(std::string_view bytes) {
    if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
    const bool utf8 = IsUtf8(bytes);
    TextFileLines result;
    int number = 0;
    for (std::string_view line : SplitTextLines(bytes)) {
        ++number;
        std::string text;
        if (!utf8) text = line;
        else if (!Utf8ToLatin1(line, text)) result.replacedCharacterLines.push_back(number);
        result.lines.push_back(std::move(text));
    }
    return result;
}

TextFileLines ReadTextFileLines(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        throw EInOutError("The file " + path + " does not exist.");
    std::ifstream file(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (!file && !file.eof()) throw EInOutError("The file " + path + " could not be read.");
    return DecodeTextLines(bytes);
}

std::vector<std::string> SplitCsvFields(std::string_view line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c != '"') fields.back() += c;
            else if (i + 1 < line.size() && line[i + 1] == '"') fields.back() += '"', ++i;
            else quoted = false;
        } else if (c == '"' && TrimView(fields.back()).empty()) {
            // Only a quote that opens a field quotes it; one inside a name is a letter.
            fields.back().clear();
            quoted = true;
        } else if (c == ',') {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    for (std::string& field : fields) field = Trim(field);
    return fields;
}

}  // namespace vantaro
