#include "routines/NumberText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "routines/Platform.h"

namespace vantaro {
namespace {

struct MaskCase {
    double value;
    const char* text;
};

void ExpectAll(const std::vector<MaskCase>& cases, std::string (*format)(double)) {
    for (const MaskCase& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(format(c.value), c.text);
    }
}

TEST(NumberMasks, ValueTextPicksTheMaskByMagnitude) {
    ExpectAll({{12.3456, "12.346"},
               {123.456, "123.46"},
               {1234.56, "1,234.6"},
               {12345.6, "12,346"},
               {0, "0"},
               {99, "99.000"},
               {-5, "-5.000"},
               {998.999, "999.00"},
               {1234567.8, "1,234,568"},
               {-0.0001, "0.000"},
               {2.0005, "2.001"}},
              ValueText);
}

TEST(NumberMasks, StoredValueTextHasNoGroupSeparators) {
    ExpectAll({{1234.56, "1234.6"}, {12345.6, "12346"}, {0.5, "0.500"}, {123.456, "123.46"}, {0, "0"}},
              StoredValueText);
}

TEST(NumberMasks, PercentTextOnAHundredTimesTheFraction) {
    ExpectAll({{0.5, "50%"},
               {0.005, "0.5%"},
               {0.0005, "0.05%"},
               {0, "0%"},
               {0.25, "25%"},
               {12.3, "1,230%"},
               {-0.02, "-2%"},
               {0.01, "1.0%"},
               {0.001, "0.10%"}},
              PercentText);
}

TEST(NumberMasks, RoundTextGoesHalfToEven) {
    ExpectAll({{2.5, "2"}, {3.5, "4"}, {-2.5, "-2"}, {0.5, "0"}, {-0.4, "0"}, {2.51, "3"}, {1234567.6, "1234568"}},
              RoundText);
}

TEST(NumberMasks, MasksRoundHalfAwayFromZeroOnDecimalDigits) {
    EXPECT_EQ(FormatNumberMask("0.00", 2.675, '.', ','), "2.68");
    EXPECT_EQ(FormatNumberMask("0.00", -2.675, '.', ','), "-2.68");
    EXPECT_EQ(FormatNumberMask("0.000", 0.0125, '.', ','), "0.013");
    EXPECT_EQ(FormatNumberMask("#,##0", 999.5, '.', ','), "1,000");
    EXPECT_EQ(FormatNumberMask("#.##", 0.5, '.', ','), ".5");
}

TEST(NumberMasks, SeparatorsComeFromTheLocale) {
    Locale german = Locale::BritishEnglish();
    german.decimalPoint = ',';
    german.groupSeparator = '.';
    ScopedPlatform platform({&german});
    EXPECT_EQ(ValueText(1234.56), "1.234,6");
    EXPECT_EQ(PercentText(0.005), "0,5%");
    EXPECT_EQ(FloatText(1.5), "1,5");
    EXPECT_EQ(StoredValueText(1234.56), "1234.6");
}

TEST(NumberMasks, GeneralFloatAndNone) {
    ExpectAll({{1.5, "1.5"},
               {0.1 + 0.2, "0.3"},
               {-2, "-2"},
               {1e20, "1E20"},
               {1.5e-7, "1.5E-7"},
               {0.00001, "0.00001"},
               {123456789012345678.0, "1.23456789012346E17"}},
              FloatText);
    EXPECT_EQ(NumberOrNone(0), "None");
    EXPECT_EQ(NumberOrNone(2.25), "2.25");
    EXPECT_EQ(IntegerOrNone(0), "None");
    EXPECT_EQ(IntegerOrNone(-4), "-4");
}

TEST(NumberReading, NumericCharsKeepsDigitsFirstMinusAndFirstStop) {
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"-12.5.3abc", "-12.53"}, {"abc", "0"}, {"", "0"}, {"  1,234.5 ", "1234.5"}, {"5-3-", "5-3"}, {"\xA3" "3.50", "3.50"},
    };
    for (const auto& [text, chars] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(NumericChars(text), chars);
    }
}

TEST(NumberReading, StoredNumbersIgnoreGroupsAndNeverThrow) {
    struct ReadCase {
        const char* text;
        bool ok;
        double value;
    };
    const std::vector<ReadCase> cases = {
        {"12.5", true, 12.5}, {" 12.5 ", true, 12.5}, {"1,234.5", true, 1234.5}, {"-3", true, -3},
        {"+4", true, 4},      {"1e3", true, 1000},    {".5", true, 0.5},          {"", false, 0},
        {"abc", false, 0},    {"inf", false, 0},      {"nan", false, 0},          {"12abc", false, 0},
        {"-", false, 0},      {".", false, 0},        {"+-1", false, 0},          {"1e999", false, 0},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.text);
        double value = 0;
        EXPECT_EQ(TryReadNumber(c.text, value), c.ok);
        if (c.ok) {
            EXPECT_EQ(value, c.value);
        }
        EXPECT_EQ(ReadStoredNumber(c.text, 7), c.ok ? c.value : 7);
    }
}

TEST(NumberReading, IntegersAreSignAndDigitsOnly) {
    long long value = 0;
    EXPECT_TRUE(TryReadInteger("-12", value));
    EXPECT_EQ(value, -12);
    EXPECT_TRUE(TryReadInteger("+3", value));
    for (const char* text : {"", "1.5", " 1", "1 ", "99999999999999999999", "+", "0x1"}) {
        EXPECT_FALSE(TryReadInteger(text, value)) << text;
    }
}

}  // namespace
}  // namespace vantaro
