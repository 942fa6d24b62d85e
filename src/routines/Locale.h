#pragma once

#include <array>
#include <string>

namespace vantaro {

enum class DateOrder { DayMonthYear, MonthDayYear, YearMonthDay };

// The user's locale facts that dates and numbers are shown and typed in. The core never asks
// the machine: British English is built in, and the app may install another.
struct Locale {
    std::array<std::string, 12> longMonthNames;   // January first
    std::array<std::string, 12> shortMonthNames;
    std::array<std::string, 7> longDayNames;      // Sunday first
    std::array<std::string, 7> shortDayNames;
    DateOrder dateOrder = DateOrder::DayMonthYear;
    char dateSeparator = '/';
    std::string shortDateFormat;  // pattern letters: d dd ddd dddd m mm mmm mmmm yy yyyy
    std::string longDateFormat;
    std::string shortTimeFormat;  // pattern letters: h hh n nn s ss
    char decimalPoint = '.';
    char groupSeparator = ',';

    static const Locale& BritishEnglish();
};

}  // namespace vantaro
