#include <gtest/gtest.h>

#include "domain/CRovanFactory.h"
#include "factory/StoreArchive.h"
#include "support/FakePlatform.h"
#include "support/RunCommand.h"
#include "support/TempDir.h"

namespace vantaro::test {
namespace {

namespace fs = std::filesystem;

std::string Tool() { return ShellQuote(VANTARO_STORE_TOOL); }

bool IsOneLine(const std::string& text) {
    return !text.empty() && text.back() == '\n' && text.find('\n') == text.size() - 1;
}

std::vector<std::string> ObjectBlocks(const std::string& path) {
    CRovanFactory factory;
    factory.CFactory::Open(path);
    std::vector<std::string> blocks;
    for (int i = 0; i < factory.Objects().Count(); ++i) blocks.push_back(factory.Objects().Item(i)->ToText());
    return blocks;
}

// A seeded year saved packed as Year.ods and plain as Plain.ods, in a folder of its own.
class DataStoreVerbsTest : public ::testing::Test {
protected:
    DataStoreVerbsTest() {
        CRovanFactory factory;
        factory.NewDataStore(true);
        factory.Settings().CompressDatastore = false;
        factory.Save(Path("Plain.ods"));
        factory.Settings().CompressDatastore = true;
        factory.Save(Path("Year.ods"));
        fs::remove(dir_ / "Year.~ods");
    }

    std::string Path(const std::string& name) const { return (dir_ / name).string(); }
    CommandResult Run(const std::string& arguments) const {
        return RunCommand("cd " + ShellQuote(dir_.path().string()) + " && " + Tool() + " " + arguments);
    }

    FakePlatform platform_;
    TempDir dir_;
};

TEST_F(DataStoreVerbsTest, UnpackGivesThePlainTextOfAPackedOrPlainStore) {
    const std::string plain = ReadFileBytes(Path("Plain.ods"));
    for (const char* file : {"Year.ods", "Plain.ods"}) {
        SCOPED_TRACE(file);
        const CommandResult result = Run(std::string("unpack ") + file);
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(result.out, plain);
    }
    EXPECT_EQ(Run("unpack Year.ods Year.xml").exitCode, 0);
    EXPECT_EQ(ReadFileBytes(Path("Year.xml")), plain);
}

TEST_F(DataStoreVerbsTest, UnpackOfADamagedArchiveIsAnError) {
    const std::string packed = ReadFileBytes(Path("Year.ods"));
    WriteFileBytes(Path("Cut.ods"), packed.substr(0, packed.size() / 2));
    const CommandResult cut = Run("unpack Cut.ods");
    EXPECT_EQ(cut.exitCode, 2);
    EXPECT_TRUE(cut.out.empty());
    EXPECT_TRUE(IsOneLine(cut.err)) << cut.err;
    EXPECT_NE(cut.err.find("Bad CRC during expansion"), std::string::npos) << cut.err;

    const CommandResult missing = Run("unpack Missing.ods");
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_TRUE(IsOneLine(missing.err)) << missing.err;
}

TEST_F(DataStoreVerbsTest, CopySavesAsSaveAsDoes) {
    const CommandResult packed = Run("copy Plain.ods Copy.ods");
    EXPECT_EQ(packed.exitCode, 0) << packed.err;
    EXPECT_TRUE(IsStoreArchive(ReadFileBytes(Path("Copy.ods"))));
    EXPECT_EQ(ObjectBlocks(Path("Copy.ods")), ObjectBlocks(Path("Plain.ods")));

    const std::string before = ReadFileBytes(Path("Copy.ods"));
    const CommandResult plain = Run("copy Year.ods Copy.ods --plain");
    EXPECT_EQ(plain.exitCode, 0) << plain.err;
    EXPECT_EQ(ReadFileBytes(Path("Copy.ods")), ReadFileBytes(Path("Plain.ods")));
    EXPECT_EQ(ReadFileBytes(Path("Copy.~ods")), before);
}

TEST_F(DataStoreVerbsTest, CopyFailuresAreOneLineAndExit2) {
    const char* cases[] = {
        "copy Year.ods",                       // no OUT
        "copy Missing.ods Copy.ods",           // no such file
        "copy Year.xml Copy.ods",              // not .ods
        "copy Year.ods missing/Copy.ods",      // the folder cannot take the file
        "copy Year.ods Copy.ods --packed",     // unknown option
    };
    WriteFileBytes(Path("Year.xml"), "text");
    for (const char* arguments : cases) {
        SCOPED_TRACE(arguments);
        const CommandResult result = Run(arguments);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_TRUE(IsOneLine(result.err)) << result.err;
    }
    EXPECT_FALSE(fs::exists(dir_ / "Copy.ods"));
}

TEST_F(DataStoreVerbsTest, CopyAndCheckSayWhatTheyLeftOutAndStillWork) {
    std::string text = ReadFileBytes(Path("Plain.ods"));
    text.insert(text.find("</OBJECT_STORE>"),
                "<OBJECT ID=\"9998\" CLASS=\"CLetter\">\r\n</OBJECT>\r\n<OBJECT ID=\"9999\" CLASS=\"CLetter\">\r\n</OBJECT>\r\n");
    WriteFileBytes(Path("Later.ods"), text);
    const CommandResult copied = Run("copy Later.ods Copy.ods");
    EXPECT_EQ(copied.exitCode, 0) << copied.err;
    EXPECT_EQ(copied.err, "vantaro-store copy: left out 2 objects of the unknown class CLetter\n");
    EXPECT_EQ(ObjectBlocks(Path("Copy.ods")), ObjectBlocks(Path("Plain.ods")));
    const CommandResult checked = Run("check Later.ods");
    EXPECT_EQ(checked.exitCode, 0);
    EXPECT_EQ(checked.err, "vantaro-store check: left out 2 objects of the unknown class CLetter\n");
}

TEST_F(DataStoreVerbsTest, CheckCountsAndRepairs) {
    const CommandResult clean = Run("check Year.ods");
    EXPECT_EQ(clean.exitCode, 0) << clean.err;
    EXPECT_EQ(clean.out, "ADOPTION 0\nSURROGATE 0\nORPHAN 0\nDUPLICATE 0\n");

    // An object that no aggregate association holds.
    std::string text = ReadFileBytes(Path("Plain.ods"));
    text.insert(text.find("</OBJECT_STORE>"), "<OBJECT ID=\"9999\" CLASS=\"CNote\">\r\n</OBJECT>\r\n\r\n");
    WriteFileBytes(Path("Orphan.ods"), text);
    const CommandResult found = Run("check Orphan.ods");
    EXPECT_EQ(found.exitCode, 1);
    EXPECT_EQ(found.out, "ADOPTION 0\nSURROGATE 0\nORPHAN 1\nDUPLICATE 0\n");
    EXPECT_EQ(ReadFileBytes(Path("Orphan.ods")), text);
    EXPECT_TRUE(fs::exists(dir_ / "DebugLog.txt"));

    const CommandResult repaired = Run("check Orphan.ods --repair");
    EXPECT_EQ(repaired.exitCode, 0) << repaired.err;
    EXPECT_EQ(repaired.out, found.out);
    EXPECT_EQ(ReadFileBytes(Path("Orphan.~ods")), text);
    EXPECT_FALSE(IsStoreArchive(ReadFileBytes(Path("Orphan.ods"))));
    EXPECT_EQ(Run("check Orphan.ods").out, clean.out);

    const CommandResult bad = Run("check Orphan.ods --fix");
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_TRUE(IsOneLine(bad.err)) << bad.err;
}

}  // namespace
}  // namespace vantaro::test
