#include <gtest/gtest.h>

#include "support/RunCommand.h"

namespace vantaro::test {
namespace {

std::string Tool() { return ShellQuote(VANTARO_STORE_TOOL); }

TEST(StoreTool, HelpAndVersionSucceed) {
    const CommandResult help = RunCommand(Tool() + " --help");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("Usage: vantaro-store"), std::string::npos);

    const CommandResult version = RunCommand(Tool() + " --version");
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_NE(version.out.find("vantaro-store 1.12."), std::string::npos);
}

TEST(StoreTool, UnknownVerbPrintsUsageToStandardErrorAndExits2) {
    const CommandResult result = RunCommand(Tool() + " frobnicate");
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_TRUE(result.out.empty());
    EXPECT_NE(result.err.find("unknown verb \"frobnicate\""), std::string::npos);
    EXPECT_NE(result.err.find("Usage: vantaro-store"), std::string::npos);
}

}  // namespace
}  // namespace vantaro::test
