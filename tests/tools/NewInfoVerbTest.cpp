#include <gtest/gtest.h>

#include <string>

#include "support/RunCommand.h"
#include "support/TempDir.h"

namespace vantaro::test {
namespace {

std::string Tool() { return ShellQuote(VANTARO_STORE_TOOL); }

CommandResult RunTool(const std::string& arguments) { return RunCommand(Tool() + " " + arguments); }

class NewInfoVerbTest : public ::testing::Test {
protected:
    std::string Path(const char* name) const { return ShellQuote((dir / name).string()); }
    TempDir dir;
};

TEST_F(NewInfoVerbTest, ASeededStoreIsWrittenPackedAndDescribed) {
    const CommandResult made = RunTool("new --seed " + Path("year.ods"));
    ASSERT_EQ(made.exitCode, 0) << made.err;
    EXPECT_NE(made.out.find("year.ods"), std::string::npos);

    const CommandResult info = RunTool("info " + Path("year.ods"));
    ASSERT_EQ(info.exitCode, 0) << info.err;
    for (const char* line : {"Packed: -lh5-\n", "Year: <New Year>\n", "Hidden IDs: none\n",
                             "  CYear 1\n", "  CSubject 11\n", "  CSet 55\n", "  CCapability 67\n",
                             "  CCurriculumLevel 198\n", "  CTeachingDay 7\n"})
        EXPECT_NE(info.out.find(line), std::string::npos) << line << info.out;

    // The seeded contents hang together: the integrity check finds nothing to repair.
    const CommandResult check = RunTool("check " + Path("year.ods"));
    EXPECT_EQ(check.exitCode, 0) << check.err;
    EXPECT_EQ(check.out, "ADOPTION 0\nSURROGATE 0\nORPHAN 0\nDUPLICATE 0\n");
}

TEST_F(NewInfoVerbTest, AnUnseededStoreHoldsItsYearAlone) {
    ASSERT_EQ(RunTool("new " + Path("bare.ods")).exitCode, 0);
    const CommandResult info = RunTool("info " + Path("bare.ods"));
    ASSERT_EQ(info.exitCode, 0) << info.err;
    EXPECT_NE(info.out.find("Objects: 1\n  CYear 1\n"), std::string::npos) << info.out;
}

TEST_F(NewInfoVerbTest, BadInputExitsWithTwoAndOneLine) {
    ASSERT_EQ(RunTool("new " + Path("taken.ods")).exitCode, 0);
    const std::string cases[] = {
        "new",
        "new " + Path("taken.ods"),
        "new " + Path("year.txt"),
        "new --seed --seed " + Path("year.ods"),
        "new " + Path("no-such-folder/year.ods"),
        "info",
        "info " + Path("missing.ods"),
    };
    for (const std::string& arguments : cases) {
        SCOPED_TRACE(arguments);
        const CommandResult result = RunTool(arguments);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_TRUE(result.out.empty());
        ASSERT_FALSE(result.err.empty());
        EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << result.err;
    }
}

}  // namespace
}  // namespace vantaro::test
