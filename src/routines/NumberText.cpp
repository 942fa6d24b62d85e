#include "routines/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "routines/Platform.h"
#include "routines/TextBasics.h"

namespace vantaro {
namespace {

constexpr int kSignificantDigits = 15;

// |value| = 0.digits x 10^exponent, with up to 15 significant digits.
struct Decimal {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

Decimal ToDecimal(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.*e", kSignificantDigits - 1, std::fabs(value));
    Decimal decimal;
    decimal.negative = std::signbit(value);
    const std::string_view text(buffer);
    const std::size_t e = text.find('e');
    for (char c : text.substr(0, e)) {
        if (c != '.') decimal.digits += c;
    }
    decimal.exponent = std::atoi(buffer + e + 1) + 1;
    return decimal;
}

// Keeps `decimals` digits after the point, rounding half away from zero.
void RoundDecimal(Decimal& decimal, int decimals) {
    const int keep = decimal.exponent + decimals;
    if (keep >= static_cast<int>(decimal.digits.size())) return;
    if (keep < 0) {
        decimal.digits.clear();
        return;
    }
    const bool up = decimal.digits[keep] >= '5';
    decimal.digits.resize(keep);
    if (!up) return;
    int at = keep - 1;
    while (at >= 0 && decimal.digits[at] == '9') decimal.digits[at--] = '0';
    if (at >= 0) {
        ++decimal.digits[at];
    } else {
        decimal.digits.insert(decimal.digits.begin(), '1');
        ++decimal.exponent;
    }
}

char DigitAt(const Decimal& decimal, int index) {
    return index >= 0 && index < static_cast<int>(decimal.digits.size()) ? decimal.digits[index] : '0';
}

std::string IntegerDigits(const Decimal& decimal) {
    std::string digits;
    for (int i = 0; i < decimal.exponent; ++i) digits += DigitAt(decimal, i);
    const std::size_t first = digits.find_first_not_of('0');
    return first == std::string::npos ? std::string{} : digits.substr(first);
}

std::string FractionDigits(const Decimal& decimal, int count) {
    std::string digits;
    for (int i = 0; i < count; ++i) digits += DigitAt(decimal, decimal.exponent + i);
    return digits;
}

std::string Grouped(const std::string& digits, char separator) {
    std::string result;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) result += separator;
        result += digits[i];
    }
    return result;
}

struct Mask {
    std::string prefix;
    std::string suffix;
    int minIntegerDigits = 0;
    int minDecimals = 0;
    int maxDecimals = 0;
    bool grouping = false;
};

Mask ParseMask(std::string_view text) {
    Mask mask;
    bool afterPoint = false;
    bool seenDigit = false;
    for (char c : text) {
        if (c == '0' || c == '#') {
            seenDigit = true;
            if (afterPoint) {
                ++mask.maxDecimals;
                if (c == '0') mask.minDecimals = mask.maxDecimals;
            } else if (c == '0') {
                ++mask.minIntegerDigits;
            }
        } else if (c == '.' && !afterPoint) {
            afterPoint = true;
        } else if (c == ',' && !afterPoint) {
            mask.grouping = true;
        } else {
            (seenDigit ? mask.suffix : mask.prefix) += c;
        }
    }
    return mask;
}

std::string NonFiniteText(double value) {
    if (std::isnan(value)) return "NAN";
    return value < 0 ? "-INF" : "INF";
}

std::string PlainValueMask(double magnitude) {
    if (magnitude <= 99) return "0.000";
    if (magnitude <= 999) return "#0.00";
    if (magnitude <= 9999) return "#,##0.0";
    return "#,###,000";
}

}  // namespace

bool TryReadInteger(std::string_view text, long long& value) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return false;
    const char* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, value);
    return error == std::errc{} && ptr == end;
}

bool TryReadNumber(std::string_view text, double& value) {
    text = TrimView(text);
    std::string withoutGroups;
    if (text.find(',') != std::string_view::npos) {
        for (char c : text) {
            if (c != ',') withoutGroups += c;
        }
        text = withoutGroups;
    }
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') return false;
    }
    if (text.empty()) return false;
    const char* end = text.data() + text.size();
    double read = 0;
    const auto [ptr, error] = std::from_chars(text.data(), end, read);
    if (error != std::errc{} || ptr != end || !std::isfinite(read)) return false;
    value = read;
    return true;
}

double ReadStoredNumber(std::string_view text, double fallback) noexcept {
    double value = fallback;
    try {
        return TryReadNumber(text, value) ? value : fallback;
    } catch (...) {
        return fallback;
    }
}

std::string NumericChars(std::string_view text) {
    std::string result;
    bool minusKept = false;
    bool pointKept = false;
    for (char c : TrimView(text)) {
        if (c >= '0' && c <= '9') {
            result += c;
        } else if (c == '-' && !minusKept) {
            result += c;
            minusKept = true;
        } else if (c == '.' && !pointKept) {
            result += c;
            pointKept = true;
        }
    }
    return result.empty() ? "0" : result;
}

std::string FormatNumberMask(std::string_view maskText, double value, char decimalPoint,
                             char groupSeparator) {
    if (!std::isfinite(value)) return NonFiniteText(value);
    const Mask mask = ParseMask(maskText);
    Decimal decimal = ToDecimal(value);
    RoundDecimal(decimal, mask.maxDecimals);
    std::string integer = IntegerDigits(decimal);
    std::string fraction = FractionDigits(decimal, mask.maxDecimals);
    const bool zero = integer.empty() && fraction.find_first_not_of('0') == std::string::npos;
    if (static_cast<int>(integer.size()) < mask.minIntegerDigits) {
        integer.insert(0, mask.minIntegerDigits - integer.size(), '0');
    }
    while (static_cast<int>(fraction.size()) > mask.minDecimals && fraction.back() == '0') {
        fraction.pop_back();
    }
    std::string result = mask.prefix;
    if (decimal.negative && !zero) result += '-';
    result += mask.grouping ? Grouped(integer, groupSeparator) : integer;
    if (!fraction.empty()) result.append(1, decimalPoint).append(fraction);
    result += mask.suffix;
    return result;
}

std::string RoundText(double value) {
    if (!std::isfinite(value)) return NonFiniteText(value);
    char buffer[400];
    // nearbyint rounds a half to the even neighbour; adding 0.0 turns -0 into 0.
    std::snprintf(buffer, sizeof buffer, "%.0f", std::nearbyint(value) + 0.0);
    return buffer;
}

std::string ValueText(double value) {
    if (value == 0) return "0";
    const Locale& locale = Platform::CurrentLocale();
    return FormatNumberMask(PlainValueMask(std::fabs(value)), value, locale.decimalPoint,
                            locale.groupSeparator);
}

std::string StoredValueText(double value) {
    if (value == 0) return "0";
    std::string mask = PlainValueMask(std::fabs(value));
    std::erase(mask, ',');
    return FormatNumberMask(mask, value, '.', ',');
}

std::string PercentText(double fraction) {
    if (fraction == 0) return "0%";
    const double magnitude = std::fabs(fraction);
    const char* mask = magnitude <= 0.001 ? "#0.00%" : magnitude <= 0.01 ? "##0.0%" : "#,##0%";
    const Locale& locale = Platform::CurrentLocale();
    return FormatNumberMask(mask, 100 * fraction, locale.decimalPoint, locale.groupSeparator);
}

std::string IntegerOrNone(long long value) { return value == 0 ? "None" : std::to_string(value); }

std::string NumberOrNone(double value) { return value == 0 ? "None" : FloatText(value); }

std::string FloatText(double value) {
    if (!std::isfinite(value)) return NonFiniteText(value);
    if (value == 0) return "0";
    Decimal decimal = ToDecimal(value);
    while (decimal.digits.size() > 1 && decimal.digits.back() == '0') decimal.digits.pop_back();
    const char point = Platform::CurrentLocale().decimalPoint;
    std::string result = decimal.negative ? "-" : "";
    const int exponent = decimal.exponent - 1;  // of the first digit
    if (exponent >= kSignificantDigits || exponent < -5) {
        result += decimal.digits[0];
        if (decimal.digits.size() > 1) result.append(1, point).append(decimal.digits.substr(1));
        return result + "E" + std::to_string(exponent);
    }
    const std::string integer = IntegerDigits(decimal);
    const int fractionCount = static_cast<int>(decimal.digits.size()) - decimal.exponent;
    result += integer.empty() ? "0" : integer;
    if (fractionCount > 0) result.append(1, point).append(FractionDigits(decimal, fractionCount));
    return result;
}

}  // namespace vantaro
