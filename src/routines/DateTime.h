#pragma once

// The date-time value: days since 30 December 1899 with the fraction of the day. A negative value
// counts whole days backwards while its fraction still runs forwards (-1.25 is 29 December 1899,
// 06:00). Four whole values below 1 are markers, not dates.

#include <string>
#include <string_view>

#include "routines/Locale.h"

namespace vantaro {

using DateTime = double;

constexpr DateTime kNoDate = 0;
constexpr DateTime kOpenEnded = -1;
constexpr DateTime kToBeConfirmed = -2;
constexpr DateTime kToBeCancelled = -3;

constexpr int kDaysInWeek = 7;

// A stored date that is a real day: not empty, not a marker, not unreadable.
constexpr bool IsRealDate(DateTime value) { return value > 0; }

struct DateParts {
    int year = 0;
    int month = 0;
    int day = 0;
};

struct TimeParts {
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

// Years 1 to 9999. EncodeDate and EncodeTime raise EConvertError for an invalid date or time.
bool TryEncodeDate(int year, int month, int day, DateTime& value);
DateTime EncodeDate(int year, int month, int day);
bool TryEncodeTime(int hour, int minute, int second, int millisecond, DateTime& value);
DateTime EncodeTime(int hour, int minute, int second, int millisecond = 0);
// The day of `date` at the time of `time`.
DateTime CombineDateTime(DateTime date, DateTime time);

DateParts DecodeDate(DateTime value);
TimeParts DecodeTime(DateTime value);
// 1 for Sunday to 7 for Saturday.
int DayOfWeek(DateTime value);
// The whole day, without the time.
DateTime DateOf(DateTime value);

// Pattern letters, in any letter case: d dd ddd dddd ddddd (short date) dddddd (long date),
// m mm mmm mmmm (minutes right after an hour), yy yyyy, h hh, n nn, s ss, z zzz, t (short time),
// tt (long time), am/pm, a/p, / (date separator), : and text in quotes.
std::string FormatDateTime(std::string_view pattern, DateTime value, const Locale& locale);
std::string FormatDateTime(std::string_view pattern, DateTime value);

// "YYYYMMDD HH:NN:SS" or "YYYYMMDD" to a value; 0 when the text is not a stored date. Never throws.
DateTime ParseStoredDate(std::string_view text);
// As ParseStoredDate, but false when a part of the text is not a number.
bool TryParseStoredDate(std::string_view text, DateTime& value);
// Empty for 0, "-1" and "-2" for the markers, else "YYYYMMDD HH:NN:SS" or, for a whole day, "YYYYMMDD".
std::string FormatStoredDate(DateTime value);

// A date typed by the user (day, month and year in the locale's order, month names allowed) to
// stored date text; the typed text unchanged when it is not a date.
std::string ParseTypedDate(std::string_view text, bool withDate, bool withTime);
// The locale-aware reading of typed dates and times ("15/3/2007", "15/3", "10:30", "15/3/07 10:30").
bool TryParseLocaleDateTime(std::string_view text, const Locale& locale, int currentYear, DateTime& value);

// Empty for 0, "Open Ended", "To Be Confirmed", "To Be Cancelled" for the markers, else "dd mmm yy".
std::string DateText(DateTime value);

}  // namespace vantaro
