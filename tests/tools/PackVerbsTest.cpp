#include <gtest/gtest.h>

#include "support/RunCommand.h"
#include "support/TempDir.h"

namespace vantaro::test {
namespace {

std::string Tool() { return ShellQuote(VANTARO_STORE_TOOL); }

std::string Quoted(const TempDir& dir, const std::string& name) { return ShellQuote((dir / name).string()); }

TEST(PackVerbs, PackThenExtractGivesTheTextBack) {
    TempDir dir;
    std::string text;
    for (int i = 0; i < 2000; ++i) text += "<OBJECT ID=\"" + std::to_string(i) + "\" CLASS=\"CNote\">\r\n</OBJECT>\r\n";
    WriteFileBytes(dir / "store.xml", text);

    const CommandResult pack = RunCommand(Tool() + " pack " + Quoted(dir, "store.xml") + " " + Quoted(dir, "store.ods"));
    EXPECT_EQ(pack.exitCode, 0) << pack.err;
    const std::string archive = ReadFileBytes(dir / "store.ods");
    EXPECT_EQ(archive.substr(2, 5), "-lh5-");
    EXPECT_EQ(archive.substr(22, 11), "Vantaro.xml");

    const CommandResult extract = RunCommand(Tool() + " extract " + Quoted(dir, "store.ods") + " " + Quoted(dir, "back.xml"));
    EXPECT_EQ(extract.exitCode, 0) << extract.err;
    EXPECT_EQ(ReadFileBytes(dir / "back.xml"), text);
}

TEST(PackVerbs, ExtractRejectsWhatIsNotAGoodArchive) {
    TempDir dir;
    WriteFileBytes(dir / "plain.xml", "<?xml version=\"1.0\"?>\r\n<OBJECT_STORE>\r\n</OBJECT_STORE>\r\n");
    WriteFileBytes(dir / "store.xml", std::string(5000, 'z'));
    ASSERT_EQ(RunCommand(Tool() + " pack " + Quoted(dir, "store.xml") + " " + Quoted(dir, "good.ods")).exitCode, 0);
    std::string damaged = ReadFileBytes(dir / "good.ods");
    damaged[damaged.size() - 3] ^= 0x55;
    WriteFileBytes(dir / "damaged.ods", damaged);

    const std::pair<std::string, std::string> cases[] = {
        {"plain.xml", "is not an LHA archive"},
        {"damaged.ods", "Bad CRC during expansion -- data may be invalid"},
        {"missing.ods", "Cannot open file"},
    };
    for (const auto& [input, message] : cases) {
        SCOPED_TRACE(input);
        const CommandResult result = RunCommand(Tool() + " extract " + Quoted(dir, input) + " " + Quoted(dir, "out.xml"));
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_NE(result.err.find(message), std::string::npos) << result.err;
        EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << "one line";
    }
    EXPECT_EQ(RunCommand(Tool() + " pack " + Quoted(dir, "store.xml")).exitCode, 2);
}

}  // namespace
}  // namespace vantaro::test
