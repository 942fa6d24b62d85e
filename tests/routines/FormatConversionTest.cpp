#include "routines/XMLRoutines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/FakePlatform.h"

namespace vantaro {
namespace {

struct ConversionCase {
    const char* format;
    std::string in;
    std::string out;
};

class FormatConversion : public ::testing::Test {
protected:
    test::FakePlatform platform_;  // British English, 15 March 2007
};

TEST_F(FormatConversion, StoredToDisplayByFormat) {
    const std::vector<ConversionCase> cases = {
        {"STRING", "a&amp;b&#13;&#10;c", "a&b\r\nc"},
        {"LINE", "first&#13;&#10;second", "first ..."},
        {"LINE", "x&lt;y", "x<y"},
        {"DATE", "20070315", "15 March 2007"},
        {"DATE_TIME", "20070315 10:30:00", "15 March 2007"},
        {"TIME", "10:30:00", "10:30:00"},
        {"DATE", "", ""},
        {"DATE", "0", "Missing Date"},
        {"DATE", "-1", "Open Ended"},
        {"DATE", "-2", "To Be Confirmed"},
        {"DATE", "20071315", "20071315"},
        {"NUMBER", "2.5", "2"},
        {"NUMBER", "", ""},
        {"VALUE", "1234.56", "1,234.6"},
        {"VALUE", "1,234.6", "1,234.6"},
        {"PERCENT", "0.500", "50%"},
        {"BOOLEAN", "true", "TRUE"},
        {"CODE", "ab1", "AB1"},
        {"OTHER", "as &amp; is", "as &amp; is"},
    };
    for (const ConversionCase& c : cases) {
        SCOPED_TRACE(std::string(c.format) + " " + c.in);
        std::string text = c.in;
        EXPECT_TRUE(StoredToDisplay(c.format, text));
        EXPECT_EQ(text, c.out);
    }
    EXPECT_TRUE(platform_.prompts.prompts.empty());
}

TEST_F(FormatConversion, InputToStoredByFormat) {
    const std::vector<ConversionCase> cases = {
        {"STRING", "a<b\r\nc\td", "a&lt;b&#13;&#10;c&#09;d"},
        {"LINE", "one\ntwo\rthree\r\n", "one&#13;&#10;two&#13;&#10;three&#13;&#10;"},
        {"DATE", "15 March 2007", "20070315"},
        {"DATE", "-1", "18991229"},
        {"DATE_TIME", "15/3/2007 10:30", "20070315 10:30:00"},
        {"TIME", "10:30", "10:30:00"},
        {"NUMBER", "about 3.5 kg", "4"},
        {"NUMBER", "", "0"},
        {"VALUE", "12.3456", "12.346"},
        {"VALUE", "1,234.56", "1234.6"},
        {"PERCENT", "50", "0.500"},
        {"PERCENT", "0.5%", "0.005"},
        {"BOOLEAN", "yes", "FALSE"},
        {"CODE", "ab", "AB"},
        {"OTHER", "a<b", "a<b"},
    };
    for (const ConversionCase& c : cases) {
        SCOPED_TRACE(std::string(c.format) + " " + c.in);
        std::string text = c.in;
        EXPECT_TRUE(InputToStored(c.format, text));
        EXPECT_EQ(text, c.out);
    }
    EXPECT_TRUE(platform_.prompts.prompts.empty());
}

TEST_F(FormatConversion, UnreadableNumbersReportAndKeepTheText) {
    std::string stored = "abc";
    EXPECT_FALSE(StoredToDisplay("NUMBER", stored));
    EXPECT_EQ(stored, "abc");
    std::string typed = "-";
    EXPECT_FALSE(InputToStored("VALUE", typed));
    EXPECT_EQ(typed, "-");
    ASSERT_EQ(platform_.prompts.prompts.size(), 2u);
    EXPECT_EQ(platform_.prompts.prompts[0].caption, "DATA ERROR");
    EXPECT_EQ(platform_.prompts.prompts[0].text, "Error Formating Data (NUMBER) abc");
    EXPECT_EQ(platform_.prompts.prompts[0].buttons, MessageButtons::OkCancel);
    EXPECT_EQ(platform_.prompts.prompts[1].text, "Error Formating Data (VALUE) -");
}

// Whatever a user types must come back from the store: one stored value is one file line, so the
// stored form may hold no raw line break, and values above 999 must read back.
TEST_F(FormatConversion, TypedValuesSurviveTheStore) {
    const std::vector<ConversionCase> cases = {
        {"STRING", "line one\nline two\rline three", "line one\r\nline two\r\nline three"},
        {"VALUE", "12345.6", "12,346"},
        {"VALUE", "1234.56", "1,234.6"},
        {"PERCENT", "1234", "1,234%"},
        {"DATE", "1 May 2007", "01 May 2007"},
    };
    for (const ConversionCase& c : cases) {
        SCOPED_TRACE(std::string(c.format) + " " + c.in);
        std::string text = c.in;
        ASSERT_TRUE(InputToStored(c.format, text));
        EXPECT_EQ(text.find_first_of("\r\n"), std::string::npos);
        ASSERT_TRUE(StoredToDisplay(c.format, text));
        EXPECT_EQ(text, c.out);
    }
    EXPECT_TRUE(platform_.prompts.prompts.empty());
}

TEST_F(FormatConversion, DateDisplayLineTextAndNewObjectText) {
    EXPECT_EQ(ShowStoredDate("20070315 10:30:00", false, true), "10:30");
    EXPECT_EQ(ShowStoredDate("20070315 10:30:00", true, true), "15 March 2007");
    EXPECT_EQ(ShowStoredDate("  ", true, false), "");
    EXPECT_EQ(ShowStoredDate("x-y", true, false), "x-y");
    EXPECT_EQ(LineText("a&amp;b"), "a&b");
    EXPECT_EQ(LineText("&#13;&#10;rest"), " ...");
    EXPECT_EQ(NewObjectText("CLessonPlan"), "&lt;New Lesson Plan&gt;");
    EXPECT_EQ(UnescapeText(NewObjectText("CLessonPlan")), "<New Lesson Plan>");
}

}  // namespace
}  // namespace vantaro
