#include "routines/DebugLog.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "routines/Errors.h"
#include "support/TempDir.h"

namespace vantaro {
namespace {

namespace fs = std::filesystem;

// Runs the test inside a fresh directory, as the log is written to the current one.
class DebugLogTest : public ::testing::Test {
protected:
    DebugLogTest() : previous_(fs::current_path()) { fs::current_path(dir_.path()); }
    ~DebugLogTest() override { fs::current_path(previous_); }

    test::TempDir dir_;
    fs::path previous_;
};

TEST_F(DebugLogTest, AppendsLinesToARecentLog) {
    DebugLog("first");
    DebugLog("second");
    EXPECT_EQ(test::ReadFileBytes(dir_ / "DebugLog.txt"), "first\r\nsecond\r\n");
}

TEST_F(DebugLogTest, StartsAfreshWhenTheLogIsOlderThanThreeDays) {
    test::WriteFileBytes(dir_ / "DebugLog.txt", "old\r\n");
    fs::last_write_time(dir_ / "DebugLog.txt", fs::file_time_type::clock::now() - std::chrono::hours(73));
    DebugLog("new");
    EXPECT_EQ(test::ReadFileBytes(dir_ / "DebugLog.txt"), "new\r\n");
}

TEST_F(DebugLogTest, RaisesInOutErrorWhenTheLogCannotBeWritten) {
    fs::create_directory(dir_ / "DebugLog.txt");
    EXPECT_THROW(DebugLog("line"), EInOutError);
}

}  // namespace
}  // namespace vantaro
