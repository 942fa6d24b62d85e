#include "routines/DateTime.h"

#include <chrono>
#include <cmath>
#include <cstdio>

#include "routines/Errors.h"
#include "routines/NumberText.h"
#include "routines/Platform.h"
#include "routines/TextBasics.h"

namespace vantaro {
namespace {

using namespace std::chrono;

constexpr sys_days kEpoch{year{1899} / December / 30};
constexpr long long kMillisecondsPerDay = 24LL * 60 * 60 * 1000;
// Days from the epoch to 31 December 9999, the last day a value may hold.
constexpr double kLastDay = 2958465;

struct DayAndTime {
    long long day = 0;
    long long milliseconds = 0;
};

// The whole day and the time of day rounded to the millisecond; a value outside years 1 to 9999
// reads as day 0.
DayAndTime Split(DateTime value) {
    if (!std::isfinite(value) || std::fabs(value) > kLastDay + 1 ||
        value < -(sys_days{kEpoch} - sys_days{year{1} / January / 1}).count()) {
        return {};
    }
    const double whole = std::trunc(value);
    DayAndTime parts{static_cast<long long>(whole),
                     std::llround(std::fabs(value - whole) * kMillisecondsPerDay)};
    if (parts.milliseconds >= kMillisecondsPerDay) {
        parts.milliseconds -= kMillisecondsPerDay;
        ++parts.day;
    }
    return parts;
}

std::string TwoDigits(int n) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", n);
    return text;
}

// Reads a typed date or time with the scanning rules of the platform: numbers of up to four
// digits, blanks allowed around separators.
class TypedScanner {
public:
    TypedScanner(std::string_view text, const Locale& locale, int currentYear)
        : text_(text), locale_(locale), currentYear_(currentYear) {}

    bool ScanDateTime(DateTime& value) {
        pos_ = 0;
        DateTime date = 0;
        DateTime time = 0;
        if (ScanDate(date) && (AtEnd() || ScanTime(time))) {
            value = CombineDateTime(date, time);
            return true;
        }
        pos_ = 0;
        if (ScanTime(time)) {
            value = time;
            return true;
        }
        return false;
    }

private:
    void SkipBlanks() {
        while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
    }

    bool AtEnd() {
        SkipBlanks();
        return pos_ == text_.size();
    }

    bool ScanChar(char c) {
        SkipBlanks();
        if (pos_ < text_.size() && UpperChar(text_[pos_]) == UpperChar(c)) {
            ++pos_;
            return true;
        }
        return false;
    }

    bool ScanNumber(int& number, int& digits) {
        SkipBlanks();
        constexpr int kMaxDigits = 4;
        number = 0;
        digits = 0;
        while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') {
            if (++digits > kMaxDigits) return false;
            number = number * 10 + (text_[pos_++] - '0');
        }
        return digits > 0;
    }

    // A year of up to two digits is put within the 100 years around the current one: 50 back.
    int FullYear(int year, int digits) const {
        constexpr int kCenturyWindow = 50;
        if (digits > 2) return year;
        const int windowStart = currentYear_ - kCenturyWindow;
        year += windowStart / 100 * 100;
        if (year < windowStart) year += 100;
        return year;
    }

    bool ScanDate(DateTime& date) {
        int n1 = 0, n2 = 0, n3 = 0, d1 = 0, d2 = 0, d3 = 0;
        if (!ScanNumber(n1, d1) || !ScanChar(locale_.dateSeparator) || !ScanNumber(n2, d2)) return false;
        // A separator at the end, as in "1 May" made "1 /5/", leaves the year out.
        const bool withYear = ScanChar(locale_.dateSeparator) && !AtEnd();
        if (withYear && !ScanNumber(n3, d3)) return false;
        int y = currentYear_, m = 0, d = 0;
        switch (locale_.dateOrder) {
            case DateOrder::DayMonthYear:
                d = n1, m = n2;
                if (withYear) y = FullYear(n3, d3);
                break;
            case DateOrder::MonthDayYear:
                m = n1, d = n2;
                if (withYear) y = FullYear(n3, d3);
                break;
            case DateOrder::YearMonthDay:
                if (withYear) {
                    y = FullYear(n1, d1), m = n2, d = n3;
                } else {
                    m = n1, d = n2;
                }
                break;
        }
        return TryEncodeDate(y, m, d, date);
    }

    bool ScanTime(DateTime& time) {
        int hour = 0, minute = 0, second = 0, millisecond = 0, digits = 0;
        if (!ScanNumber(hour, digits)) return false;
        const bool withMinutes = ScanChar(':');
        if (withMinutes) {
            if (!ScanNumber(minute, digits)) return false;
            if (ScanChar(':')) {
                if (!ScanNumber(second, digits)) return false;
                if (ScanChar('.') && !ScanNumber(millisecond, digits)) return false;
            }
        }
        const int half = ScanHalfOfDay();
        if (!withMinutes && half == 0) return false;
        if (half != 0) {
            if (hour < 1 || hour > 12) return false;
            hour = hour % 12 + (half > 0 ? 12 : 0);
        }
        return AtEnd() && TryEncodeTime(hour, minute, second, millisecond, time);
    }

    // -1 for AM or A, +1 for PM or P, 0 for none.
    int ScanHalfOfDay() {
        SkipBlanks();
        for (const auto& [word, half] : {std::pair{"AM", -1}, {"PM", 1}, {"A", -1}, {"P", 1}}) {
            const std::string_view w(word);
            if (text_.size() - pos_ >= w.size() && UpperCase(text_.substr(pos_, w.size())) == w) {
                pos_ += w.size();
                return half;
            }
        }
        return 0;
    }

    std::string_view text_;
    const Locale& locale_;
    int currentYear_;
    std::size_t pos_ = 0;
};

bool TryStoredPart(std::string_view text, std::size_t position, std::size_t length,
                   std::string_view fallback, long long& value) {
    std::string_view part = position < text.size() ? text.substr(position, length) : std::string_view{};
    if (part.empty()) part = fallback;
    return TryReadInteger(part, value);
}

std::string StoredPattern(bool withDate, bool withTime) {
    if (withDate && !withTime) return "YYYYMMDD";
    if (withTime && !withDate) return "HH:NN:SS";
    return "YYYYMMDD HH:NN:SS";
}

int CurrentYear() { return DecodeDate(Platform::CurrentClock().Now()).year; }

// Replaces the first month name found, long before short for each month in turn, by the month
// number between date separators: "15 MARCH 2007" becomes "15 /3/ 2007".
void ReplaceMonthName(std::string& upper, const Locale& locale) {
    for (int month = 0; month < 12; ++month) {
        for (const std::string& name : {locale.longMonthNames[month], locale.shortMonthNames[month]}) {
            if (name.empty()) continue;
            const std::size_t at = upper.find(UpperCase(name));
            if (at == std::string::npos) continue;
            const std::string number =
                std::string(1, locale.dateSeparator) + std::to_string(month + 1) + locale.dateSeparator;
            upper.replace(at, name.size(), number);
            return;
        }
    }
}

}  // namespace

bool TryEncodeDate(int y, int m, int d, DateTime& value) {
    if (y < 1 || y > 9999 || m < 1 || m > 12 || d < 1 || d > 31) return false;
    const year_month_day date{year{y}, month{static_cast<unsigned>(m)}, day{static_cast<unsigned>(d)}};
    if (!date.ok()) return false;
    value = static_cast<double>((sys_days{date} - kEpoch).count());
    return true;
}

DateTime EncodeDate(int year, int month, int day) {
    DateTime value = 0;
    if (!TryEncodeDate(year, month, day, value)) throw EConvertError("Invalid argument to date encode");
    return value;
}

bool TryEncodeTime(int hour, int minute, int second, int millisecond, DateTime& value) {
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 ||
        millisecond < 0 || millisecond > 999) {
        return false;
    }
    value = ((hour * 60.0 + minute) * 60.0 * 1000 + second * 1000.0 + millisecond) / kMillisecondsPerDay;
    return true;
}

DateTime EncodeTime(int hour, int minute, int second, int millisecond) {
    DateTime value = 0;
    if (!TryEncodeTime(hour, minute, second, millisecond, value)) {
        throw EConvertError("Invalid argument to time encode");
    }
    return value;
}

DateTime CombineDateTime(DateTime date, DateTime time) {
    const double day = std::trunc(date);
    const double fraction = std::fabs(time - std::trunc(time));
    return day < 0 ? day - fraction : day + fraction;
}

DateParts DecodeDate(DateTime value) {
    const year_month_day date{kEpoch + days{Split(value).day}};
    return {static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
            static_cast<int>(static_cast<unsigned>(date.day()))};
}

TimeParts DecodeTime(DateTime value) {
    long long ms = Split(value).milliseconds;
    TimeParts time;
    time.millisecond = static_cast<int>(ms % 1000);
    ms /= 1000;
    time.second = static_cast<int>(ms % 60);
    ms /= 60;
    time.minute = static_cast<int>(ms % 60);
    time.hour = static_cast<int>(ms / 60);
    return time;
}

int DayOfWeek(DateTime value) {
    // Day 0 was a Saturday.
    return static_cast<int>(((Split(value).day + 6) % 7 + 7) % 7) + 1;
}

DateTime DateOf(DateTime value) { return static_cast<double>(Split(value).day); }

std::string FormatDateTime(std::string_view pattern, DateTime value) {
    return FormatDateTime(pattern, value, Platform::CurrentLocale());
}

std::string FormatDateTime(std::string_view pattern, DateTime value, const Locale& locale) {
    const DateParts date = DecodeDate(value);
    const TimeParts time = DecodeTime(value);
    const std::string upperPattern = UpperCase(pattern);
    const bool twelveHour = upperPattern.find("AM/PM") != std::string::npos ||
                            upperPattern.find("A/P") != std::string::npos;
    std::string out;
    bool afterHour = false;
    std::size_t i = 0;
    while (i < pattern.size()) {
        const char letter = upperPattern[i];
        std::size_t run = 1;
        while (i + run < pattern.size() && upperPattern[i + run] == letter) ++run;
        bool token = true;
        switch (letter) {
            case 'D':
                if (run == 1) out += std::to_string(date.day);
                else if (run == 2) out += TwoDigits(date.day);
                else if (run == 3) out += locale.shortDayNames[DayOfWeek(value) - 1];
                else if (run == 4) out += locale.longDayNames[DayOfWeek(value) - 1];
                else if (run == 5) out += FormatDateTime(locale.shortDateFormat, value, locale);
                else out += FormatDateTime(locale.longDateFormat, value, locale);
                break;
            case 'M':
                if (afterHour) out += run == 1 ? std::to_string(time.minute) : TwoDigits(time.minute);
                else if (run == 1) out += std::to_string(date.month);
                else if (run == 2) out += TwoDigits(date.month);
                else if (run == 3) out += locale.shortMonthNames[date.month - 1];
                else out += locale.longMonthNames[date.month - 1];
                break;
            case 'Y':
                if (run <= 2) out += TwoDigits(date.year % 100);
                else {
                    char text[16];
                    std::snprintf(text, sizeof text, "%04d", date.year);
                    out += text;
                }
                break;
            case 'H': {
                int hour = time.hour;
                if (twelveHour) hour = hour % 12 == 0 ? 12 : hour % 12;
                out += run == 1 ? std::to_string(hour) : TwoDigits(hour);
                break;
            }
            case 'N':
                out += run == 1 ? std::to_string(time.minute) : TwoDigits(time.minute);
                break;
            case 'S':
                out += run == 1 ? std::to_string(time.second) : TwoDigits(time.second);
                break;
            case 'Z': {
                char text[16];
                std::snprintf(text, sizeof text, run >= 3 ? "%03d" : "%d", time.millisecond);
                out += text;
                break;
            }
            case 'T':
                out += FormatDateTime(run == 1 ? std::string_view(locale.shortTimeFormat) : "hh:nn:ss",
                                      value, locale);
                break;
            case 'A':
                token = false;
                if (upperPattern.compare(i, 5, "AM/PM") == 0) {
                    out += time.hour < 12 ? (pattern.compare(i, 2, "am") == 0 ? "am" : "AM")
                                          : (pattern.compare(i, 2, "am") == 0 ? "pm" : "PM");
                    run = 5;
                } else if (upperPattern.compare(i, 3, "A/P") == 0) {
                    out += time.hour < 12 ? (pattern[i] == 'a' ? "a" : "A") : (pattern[i] == 'a' ? "p" : "P");
                    run = 3;
                } else {
                    out.append(pattern.substr(i, run));
                }
                break;
            case '/':
                token = false;
                out.append(run, locale.dateSeparator);
                break;
            case '"':
            case '\'': {
                token = false;
                const std::size_t close = pattern.find(pattern[i], i + 1);
                const std::size_t end = close == std::string_view::npos ? pattern.size() : close;
                out.append(pattern.substr(i + 1, end - i - 1));
                run = end == pattern.size() ? end - i : end - i + 1;
                break;
            }
            default:
                token = false;
                out.append(pattern.substr(i, run));
                break;
        }
        if (token) afterHour = letter == 'H';
        i += run;
    }
    return out;
}

// Fixed places: YYYYMMDD HH:NN:SS. A text that does not start like a year of the 1800s, 1900s or
// 2000s is taken as a two-digit year of the 1900s.
bool TryParseStoredDate(std::string_view text, DateTime& value) {
    const std::string_view trimmed = TrimView(text);
    value = kNoDate;
    if (trimmed.empty()) return true;
    if (trimmed.starts_with("-1")) {
        value = kOpenEnded;
        return true;
    }
    if (trimmed.starts_with("-2")) {
        value = kToBeConfirmed;
        return true;
    }
    std::string stored(trimmed);
    if (!(stored[0] == '2' || stored.starts_with("19") || stored.starts_with("18"))) stored.insert(0, "19");
    long long y = 0, m = 0, d = 0, h = 0, n = 0, s = 0;
    if (!TryStoredPart(stored, 0, 4, "00", y) || !TryStoredPart(stored, 4, 2, "01", m) ||
        !TryStoredPart(stored, 6, 2, "01", d) || !TryStoredPart(stored, 9, 2, "00", h) ||
        !TryStoredPart(stored, 12, 2, "00", n) || !TryStoredPart(stored, 15, 2, "00", s)) {
        return false;
    }
    DateTime date = 0;
    DateTime time = 0;
    if (y < 1900 || !TryEncodeDate(int(y), int(m), int(d), date) ||
        !TryEncodeTime(int(h), int(n), int(s), 0, time)) {
        return true;
    }
    value = date + time;
    return true;
}

DateTime ParseStoredDate(std::string_view text) {
    DateTime value = kNoDate;
    return TryParseStoredDate(text, value) ? value : kNoDate;
}

std::string FormatStoredDate(DateTime value) {
    if (value == kNoDate || !std::isfinite(value)) return {};
    if (value == kOpenEnded) return "-1";
    if (value == kToBeConfirmed) return "-2";
    const bool wholeDay = value == std::trunc(value);
    return FormatDateTime(StoredPattern(true, !wholeDay), value);
}

bool TryParseLocaleDateTime(std::string_view text, const Locale& locale, int currentYear,
                            DateTime& value) {
    return TypedScanner(text, locale, currentYear).ScanDateTime(value);
}

std::string ParseTypedDate(std::string_view text, bool withDate, bool withTime) {
    if (TrimView(text).empty()) return {};
    const Locale& locale = Platform::CurrentLocale();
    std::string typed = UpperCase(text.substr(0, text.find('&')));
    ReplaceMonthName(typed, locale);
    DateTime value = 0;
    if (TryParseLocaleDateTime(typed, locale, CurrentYear(), value) ||
        (TryParseStoredDate(typed, value) && value != kNoDate)) {
        return FormatDateTime(StoredPattern(withDate, withTime), value, locale);
    }
    return std::string(text);
}

std::string DateText(DateTime value) {
    if (value == kNoDate) return {};
    if (value == kOpenEnded) return "Open Ended";
    if (value == kToBeConfirmed) return "To Be Confirmed";
    if (value == kToBeCancelled) return "To Be Cancelled";
    return FormatDateTime("dd mmm yy", value);
}

}  // namespace vantaro
