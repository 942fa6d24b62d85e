#include <gtest/gtest.h>

#include "support/RunCommand.h"

namespace vantaro::test {
namespace {

// The store tool links the whole core and nothing else: no Qt library may be pulled in.
TEST(CoreLibraries, StoreToolLinksNoQt) {
    const CommandResult result = RunCommand("ldd " + ShellQuote(VANTARO_STORE_TOOL));
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out.find("libQt"), std::string::npos) << result.out;
}

}  // namespace
}  // namespace vantaro::test
