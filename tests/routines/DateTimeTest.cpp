#include "routines/DateTime.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "routines/Errors.h"
#include "support/FakePlatform.h"

namespace vantaro {
namespace {

constexpr double kMarch15th2007 = 39156;  // a Thursday

double At(int hour, int minute, int second) { return EncodeTime(hour, minute, second); }

TEST(DateValue, EncodesAndDecodesDaysFromTheEpoch) {
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0);
    EXPECT_EQ(EncodeDate(1900, 1, 1), 2);
    EXPECT_EQ(EncodeDate(2007, 3, 15), kMarch15th2007);
    EXPECT_EQ(EncodeDate(2000, 2, 29), 36585);
    double value = 0;
    EXPECT_FALSE(TryEncodeDate(2007, 2, 29, value));
    EXPECT_FALSE(TryEncodeDate(2007, 13, 1, value));
    EXPECT_FALSE(TryEncodeDate(0, 1, 1, value));
    EXPECT_THROW(EncodeDate(2007, 2, 30), EConvertError);
    EXPECT_THROW(EncodeTime(24, 0, 0), EConvertError);

    const DateParts date = DecodeDate(kMarch15th2007 + 0.75);
    EXPECT_EQ(date.year, 2007);
    EXPECT_EQ(date.month, 3);
    EXPECT_EQ(date.day, 15);
    EXPECT_EQ(DecodeTime(kMarch15th2007 + 0.75).hour, 18);
    EXPECT_EQ(DayOfWeek(kMarch15th2007), 5);
    EXPECT_EQ(DayOfWeek(0), 7);
    EXPECT_EQ(DateOf(kMarch15th2007 + 0.75), kMarch15th2007);
}

TEST(DateValue, NegativeDaysKeepATimeThatRunsForward) {
    const double value = CombineDateTime(-1, At(6, 0, 0));
    EXPECT_EQ(value, -1.25);
    EXPECT_EQ(DecodeDate(value).day, 29);
    EXPECT_EQ(DecodeTime(value).hour, 6);
    EXPECT_EQ(DayOfWeek(value), 6);
}

TEST(DateValue, TimeRoundsToTheMillisecondWithoutReachingTwentyFour) {
    const TimeParts time = DecodeTime(kMarch15th2007 + 1 - 1e-12);
    EXPECT_EQ(time.hour, 0);
    EXPECT_EQ(DecodeDate(kMarch15th2007 + 1 - 1e-12).day, 16);
    EXPECT_EQ(DecodeDate(1e300).year, 1899);  // out of range reads as day 0, never overflows
}

struct StoredCase {
    const char* text;
    double value;
};

TEST(StoredDates, ParseFixedPlaces) {
    const std::vector<StoredCase> cases = {
        {"20070315", kMarch15th2007},
        {"20070315 12:30:15", kMarch15th2007 + At(12, 30, 15)},
        {"990115", EncodeDate(1999, 1, 15)},
        {"2007", EncodeDate(2007, 1, 1)},
        {"2007031", EncodeDate(2007, 3, 1)},
        {" 20070315 ", kMarch15th2007},
        {"18991231", 0},
        {"20071315", 0},
        {"20070230", 0},
        {"20070315 24:00:00", 0},
        {"", 0},
        {"   ", 0},
        {"-1", -1},
        {"-2", -2},
        {"-1.5", -1},
        {"abc", 0},
        {"20070315 1x:00:00", 0},
    };
    for (const StoredCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ParseStoredDate(c.text), c.value);
    }
    double value = 0;
    EXPECT_FALSE(TryParseStoredDate("abc", value));
    EXPECT_TRUE(TryParseStoredDate("20071315", value));
    EXPECT_EQ(value, 0);
}

TEST(StoredDates, FormatMarkersWholeDaysAndTimes) {
    EXPECT_EQ(FormatStoredDate(0), "");
    EXPECT_EQ(FormatStoredDate(-1), "-1");
    EXPECT_EQ(FormatStoredDate(-2), "-2");
    EXPECT_EQ(FormatStoredDate(-3), "18991227");
    EXPECT_EQ(FormatStoredDate(kMarch15th2007), "20070315");
    EXPECT_EQ(FormatStoredDate(kMarch15th2007 + 0.5), "20070315 12:00:00");
    for (const char* text : {"20070315 23:59:59", "19000101 00:00:01", "20991231 07:05:03", "20000229"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(FormatStoredDate(ParseStoredDate(text)), text);
    }
}

struct TypedCase {
    const char* text;
    bool withDate;
    bool withTime;
    const char* stored;
};

TEST(TypedDates, ReadInTheLocaleOrderWithMonthNames) {
    test::FakePlatform platform;  // today is 15 March 2007
    const std::vector<TypedCase> cases = {
        {"15 March 2007", true, false, "20070315"},
        {"15 mar 2007", true, false, "20070315"},
        {"1 May", true, false, "20070501"},
        {"15/3/2007", true, true, "20070315 00:00:00"},
        {"15 / 03 / 2007", true, false, "20070315"},
        {"15/3/07", true, false, "20070315"},
        {"1/2/60", true, false, "19600201"},
        {"1/2/56", true, false, "20560201"},
        {"15/3", true, false, "20070315"},
        {"15/3/2007 10:30", true, true, "20070315 10:30:00"},
        {"10:30", false, true, "10:30:00"},
        {"3 pm", false, true, "15:00:00"},
        {"12:15 am", false, true, "00:15:00"},
        {"15 March 2007 & later", true, false, "20070315"},
        {"20070315", true, false, "20070315"},
        {"-1", true, false, "18991229"},
        {"31/2/2007", true, false, "31/2/2007"},
        {"soon & 15/3/2007", true, false, "soon & 15/3/2007"},
        {"hello", true, false, "hello"},
        {"0", true, false, "0"},
        {"  ", true, false, ""},
        {"15/3/20071", true, false, "15/3/20071"},
    };
    for (const TypedCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ParseTypedDate(c.text, c.withDate, c.withTime), c.stored);
    }
}

TEST(TypedDates, FollowTheLocaleDateOrder) {
    Locale american = Locale::BritishEnglish();
    american.dateOrder = DateOrder::MonthDayYear;
    double value = 0;
    ASSERT_TRUE(TryParseLocaleDateTime("3/15/2007", american, 2007, value));
    EXPECT_EQ(value, kMarch15th2007);
    Locale iso = Locale::BritishEnglish();
    iso.dateOrder = DateOrder::YearMonthDay;
    iso.dateSeparator = '-';
    ASSERT_TRUE(TryParseLocaleDateTime("2007-3-15", iso, 2007, value));
    EXPECT_EQ(value, kMarch15th2007);
    EXPECT_FALSE(TryParseLocaleDateTime("15/3/2007", iso, 2007, value));
}

TEST(DateDisplay, DateTextAndPatterns) {
    EXPECT_EQ(DateText(0), "");
    EXPECT_EQ(DateText(-1), "Open Ended");
    EXPECT_EQ(DateText(-2), "To Be Confirmed");
    EXPECT_EQ(DateText(-3), "To Be Cancelled");
    EXPECT_EQ(DateText(kMarch15th2007), "15 Mar 07");

    const double afternoon = kMarch15th2007 + At(13, 5, 9);
    const Locale& british = Locale::BritishEnglish();
    EXPECT_EQ(FormatDateTime("dddd d mmmm yyyy", afternoon, british), "Thursday 15 March 2007");
    EXPECT_EQ(FormatDateTime("ddd dd/mm/yy", afternoon, british), "Thu 15/03/07");
    EXPECT_EQ(FormatDateTime("ddddd", afternoon, british), "15/03/2007");
    EXPECT_EQ(FormatDateTime("dddddd", afternoon, british), "15 March 2007");
    EXPECT_EQ(FormatDateTime("hh:mm:ss", afternoon, british), "13:05:09");
    EXPECT_EQ(FormatDateTime("h:nn am/pm", afternoon, british), "1:05 pm");
    EXPECT_EQ(FormatDateTime("'at' t", afternoon, british), "at 13:05");
    EXPECT_EQ(FormatDateTime("YYYYMMDD HH:NN:SS", afternoon, british), "20070315 13:05:09");
}

}  // namespace
}  // namespace vantaro
