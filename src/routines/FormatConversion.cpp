#include "routines/XMLRoutines.h"

#include <functional>

#include "routines/DateTime.h"
#include "routines/NumberText.h"
#include "routines/Platform.h"
#include "routines/TextBasics.h"
#include "routines/Words.h"

namespace vantaro {
namespace {

constexpr std::string_view kEscapedLineBreak = "&#13;&#10;";

bool ReportFailure(const std::string& format, const std::string& text) {
    Platform::Prompts().Ask("DATA ERROR", "Error Formating Data (" + format + ") " + text,
                            MessageButtons::OkCancel);
    return false;
}

// Editors end lines with a lone line feed (or carriage return); the store only keeps line breaks
// written as pairs, so every lone one becomes a pair.
std::string PairLineBreaks(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            result += "\r\n";
            ++i;
        } else if (c == '\r' || c == '\n') {
            result += "\r\n";
        } else {
            result += c;
        }
    }
    return result;
}

// Reads the stored number and replaces the text with its display. A blank value (the default of
// some number attributes) shows blank rather than as an error.
bool ShowStoredNumber(const std::string& format, std::string& text,
                      const std::function<std::string(double)>& show) {
    if (TrimView(text).empty()) {
        text.clear();
        return true;
    }
    double value = 0;
    if (!TryReadNumber(text, value)) return ReportFailure(format, text);
    text = show(value);
    return true;
}

bool StoreTypedNumber(const std::string& format, std::string& text,
                      const std::function<std::string(double)>& store) {
    double value = 0;
    if (!TryReadNumber(NumericChars(text), value)) return ReportFailure(format, text);
    text = store(value);
    return true;
}

}  // namespace

bool StoredToDisplay(const std::string& format, std::string& text) {
    if (format == "STRING") text = UnescapeText(text);
    else if (format == "LINE") text = LineText(text);
    else if (format == "DATE_TIME") text = ShowStoredDate(text, true, true);
    else if (format == "DATE") text = ShowStoredDate(text, true, false);
    else if (format == "TIME") text = ShowStoredDate(text, false, true);
    else if (format == "NUMBER") return ShowStoredNumber(format, text, RoundText);
    else if (format == "VALUE") return ShowStoredNumber(format, text, ValueText);
    else if (format == "PERCENT") return ShowStoredNumber(format, text, PercentText);
    else if (format == "BOOLEAN") text = BooleanText(text);
    else if (format == "CODE") text = UpperCase(text);
    return true;
}

bool InputToStored(const std::string& format, std::string& text) {
    if (format == "STRING" || format == "LINE") text = EscapeText(PairLineBreaks(text));
    else if (format == "DATE_TIME") text = ParseTypedDate(text, true, true);
    else if (format == "DATE") text = ParseTypedDate(text, true, false);
    else if (format == "TIME") text = ParseTypedDate(text, false, true);
    else if (format == "NUMBER") return StoreTypedNumber(format, text, RoundText);
    else if (format == "VALUE") return StoreTypedNumber(format, text, StoredValueText);
    else if (format == "PERCENT") {
        return StoreTypedNumber(format, text, [](double percent) { return StoredValueText(percent / 100); });
    } else if (format == "BOOLEAN") text = BooleanText(text);
    else if (format == "CODE") text = UpperCase(text);
    return true;
}

std::string ShowStoredDate(std::string_view stored, bool withDate, bool withTime) {
    if (TrimView(stored).empty()) return {};
    double marker = 0;
    if (!TryReadNumber(NumericChars(stored), marker)) return std::string(stored);
    if (marker == kNoDate) return "Missing Date";
    if (marker == kOpenEnded) return "Open Ended";
    if (marker == kToBeConfirmed) return "To Be Confirmed";
    DateTime value = 0;
    if (!TryParseStoredDate(stored, value) || value == kNoDate) return std::string(stored);
    const Locale& locale = Platform::CurrentLocale();
    const bool dateShown = withDate || !withTime;
    return FormatDateTime(dateShown ? locale.longDateFormat : locale.shortTimeFormat, value, locale);
}

std::string LineText(std::string_view stored) {
    const std::size_t lineBreak = stored.find(kEscapedLineBreak);
    if (lineBreak == std::string_view::npos) return UnescapeText(stored);
    return UnescapeText(std::string(stored.substr(0, lineBreak)) + " ...");
}

std::string NewObjectText(std::string_view className) {
    return "&lt;New " + ClassWords(className) + "&gt;";
}

}  // namespace vantaro
