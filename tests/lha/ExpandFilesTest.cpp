#include <gtest/gtest.h>

#include <filesystem>

#include "lha/DosTime.h"
#include "lha/LhaErrors.h"
#include "lha/LhaTestSupport.h"
#include "lha/MemberNames.h"
#include "lha/TCompLHA.h"
#include "support/TempDir.h"

namespace vantaro::test {
namespace {

namespace fs = std::filesystem;

class ExpandFilesTest : public ::testing::Test {
protected:
    ExpandFilesTest() { archiver_.SetTargetPath((dir_ / "out").string()); fs::create_directory(dir_ / "out"); }

    std::string WriteArchive(const std::string& bytes, const std::string& name = "a.lzh") {
        WriteFileBytes(dir_ / name, bytes);
        return (dir_ / name).string();
    }
    std::vector<std::string> Expand(const std::string& archive, std::vector<std::string> names) {
        archiver_.ExpandFiles(archive, names);
        return names;
    }
    // The message of the error ExpandFiles raises, or "" when it succeeds.
    std::string ExpandError(const std::string& bytes, std::vector<std::string> names = {"*"}) {
        try {
            Expand(WriteArchive(bytes), std::move(names));
        } catch (const ECompLHA& error) {
            return error.what();
        }
        return "";
    }
    bool OutputEmpty() const { return fs::is_empty(dir_ / "out"); }

    TempDir dir_;
    TCompLHA archiver_;
    const std::string sample_ = LhaFixture("Vantaro.xml");
};

TEST_F(ExpandFilesTest, ReadsArchivesOfThePeerAtEveryHeaderLevel) {
    for (const char* fixture : {"jlha-level0.lzh", "jlha-level1.lzh", "jlha-level2.lzh", "jlha-stored.lzh"}) {
        SCOPED_TRACE(fixture);
        const std::vector<std::string> written = Expand(LhaFixturePath(fixture).string(), {"Vantaro.xml"});
        ASSERT_EQ(written, std::vector<std::string>{(dir_ / "out" / "Vantaro.xml").string()});
        EXPECT_EQ(ReadFileBytes(written[0]), sample_);
        EXPECT_EQ(archiver_.ExtractText(LhaFixturePath(fixture).string(), "vantaro.XML"), sample_);
    }
}

TEST_F(ExpandFilesTest, MatchesNamesWithoutRegardToCase) {
    const std::vector<std::string> written = Expand(LhaFixturePath("jlha-capitals.lzh").string(), {"Vantaro.xml"});
    ASSERT_EQ(written.size(), 1u);
    EXPECT_EQ(fs::path(written[0]).filename(), "VANTARO.XML");
    EXPECT_EQ(ReadFileBytes(written[0]), sample_);
}

TEST_F(ExpandFilesTest, SelectsByDirectoryAndWildcard) {
    // jlha-directory.lzh holds "sub\Vantaro.xml" (directory header) and "Notes.txt".
    const std::string archive = LhaFixturePath("jlha-directory.lzh").string();
    const struct {
        std::vector<std::string> names;
        std::vector<std::string> files;
    } cases[] = {
        {{"Vantaro.xml"}, {}},
        {{"*"}, {"Notes.txt"}},
        {{"SUB/vantaro.xml"}, {"Vantaro.xml"}},
        {{"sub\\*.x?l", "*.TXT"}, {"Vantaro.xml", "Notes.txt"}},
        {{"other\\*"}, {}},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.names[0]);
        fs::remove_all(dir_ / "out");
        fs::create_directory(dir_ / "out");
        std::vector<std::string> expected;
        for (const std::string& file : test.files) expected.push_back((dir_ / "out" / file).string());
        EXPECT_EQ(Expand(archive, test.names), expected);
        if (!test.files.empty() && test.files[0] == "Vantaro.xml") {
            EXPECT_EQ(ReadFileBytes(dir_ / "out" / "Vantaro.xml"), sample_);
        }
    }
}

TEST_F(ExpandFilesTest, OutputTakesTheMembersTimeStampAndReadOnlyAttribute) {
    HandMember member = MemberOf("Locked.txt", "read me only");
    member.header.attributes = lha::kReadOnlyAttribute | lha::kArchiveAttribute;
    const std::vector<std::string> written = Expand(WriteArchive(ArchiveOf({member})), {"locked.TXT"});
    ASSERT_EQ(written.size(), 1u);
    const auto expected = std::chrono::file_clock::from_sys(lha::FromDosTime(member.header.timeStamp));
    EXPECT_EQ(fs::last_write_time(written[0]), expected);
    EXPECT_EQ(fs::status(written[0]).permissions() & fs::perms::owner_write, fs::perms::none);
}

TEST_F(ExpandFilesTest, ReplacesAnExistingOutputFile) {
    WriteFileBytes(dir_ / "out" / "Vantaro.xml", "old contents");
    Expand(LhaFixturePath("jlha-level1.lzh").string(), {"Vantaro.xml"});
    EXPECT_EQ(ReadFileBytes(dir_ / "out" / "Vantaro.xml"), sample_);
}

TEST_F(ExpandFilesTest, WritesMembersOnlyUnderTheirPlainNameInTheTarget) {
    const std::string archive = WriteArchive(ArchiveOf({
        MemberOf("..\\..\\up.txt", "1"),
        MemberOf("/etc/abs.txt", "2"),
        MemberOf("C:drive.txt", "3"),
        MemberOf("..", "4"),
        MemberOf("a/../../mixed.txt", "5", "-lh0-", 0),
    }));
    const std::vector<std::string> written =
        Expand(archive, {"..\\..\\*", "/etc/*", "*", "a/../../*"});
    std::vector<std::string> expected;
    for (const char* name : {"up.txt", "abs.txt", "drive.txt", "mixed.txt"})
        expected.push_back((dir_ / "out" / name).string());
    EXPECT_EQ(written, expected);
    for (const auto& entry : fs::recursive_directory_iterator(dir_.path())) {
        if (entry.is_regular_file()) {
            EXPECT_TRUE(entry.path().parent_path() == dir_ / "out" || entry.path() == archive) << entry.path();
        }
    }
}

TEST(MemberNames, PlainFileNameDropsEverythingButTheLastPart) {
    const std::pair<const char*, const char*> cases[] = {
        {"Vantaro.xml", "Vantaro.xml"}, {"sub\\Vantaro.xml", "Vantaro.xml"}, {"../x", "x"},
        {"/abs/y", "y"}, {"C:z", "z"}, {"dir\\", ""}, {"..", ""}, {"a\\.", ""}, {"bad\001name", ""}};
    for (const auto& [name, plain] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(lha::PlainFileName(name), plain);
    }
}

TEST(MemberNames, WildcardsMatchLetterCaseAside) {
    EXPECT_TRUE(lha::WildcardMatch("*.XML", "Vantaro.xml"));
    EXPECT_TRUE(lha::WildcardMatch("v?ntaro.*", "Vantaro.xml"));
    EXPECT_TRUE(lha::WildcardMatch("*a*a*", "Vantaro.xml"));
    EXPECT_TRUE(lha::WildcardMatch("\xC9T\xC9", "\xE9t\xE9"));
    EXPECT_FALSE(lha::WildcardMatch("*.xml", "Vantaro.xm"));
    EXPECT_FALSE(lha::WildcardMatch("?", ""));
    EXPECT_FALSE(lha::WildcardMatch(std::string(30, '*') + "b", std::string(200, 'a')));
}

TEST_F(ExpandFilesTest, EachHeaderErrorHasItsMessage) {
    const std::string level1 = ArchiveOf({MemberOf("Vantaro.xml", sample_, "-lh5-")});
    const std::string level0 = ArchiveOf({MemberOf("VANTARO.XML", sample_, "-lh5-", 0)});
    const auto changed = [](std::string bytes, std::size_t at, char value, bool fix) {
        bytes[at] = value;
        if (fix) FixChecksum(bytes);
        return bytes;
    };
    std::string badExtension = level1;
    badExtension[level1[0]] = 2;  // first extended header of size 2
    FixChecksum(badExtension);
    std::string pastPacked = level1;
    pastPacked[7] = 4;  // packed size 4 cannot hold the 5-byte attribute header
    pastPacked[8] = pastPacked[9] = pastPacked[10] = 0;
    FixChecksum(pastPacked);
    std::string level2 = LhaFixture("jlha-level2.lzh");
    level2[7] ^= 1;  // under the header CRC, which the common extended header at 26 holds at 27
    std::string level2Header = level2.substr(0, static_cast<unsigned char>(level2[0]));
    level2Header[27] = level2Header[28] = 0;

    const std::pair<std::string, std::string> cases[] = {
        {changed(level1, 23, '#', false), "Bad checksum in LHA archive header: " + std::to_string((static_cast<unsigned char>(level1[1]) - level1[23] + '#') & 0xFF)},
        {changed(level0, 23, '#', false), "Bad checksum in LHARC archive header: " + std::to_string((static_cast<unsigned char>(level0[1]) - level0[23] + '#') & 0xFF)},
        {changed(level1, 20, 3, true), "Unsupported header level in archive: 3"},
        {changed(level1, 0, 10, true), "Unexpected end of extended header section in archive"},  // shorter than its fields
        {changed(level1, 20, static_cast<char>(0x81), true), "File is encrypted -- password required"},
        {changed(level1, 5, '6', true), "Unrecognized compression method: \"-lh6-\" in header"},
        {badExtension, "Unexpected end of extended header section in archive"},
        {pastPacked, "Unexpected end of extended header section in archive"},
        {level2, "Bad checksum in LHA archive header: " + std::to_string(CrcOf(level2Header))},
        {changed(level1, level1.size() - 40, level1[level1.size() - 40] ^ 0x10, false), "Bad CRC during expansion -- data may be invalid"},
    };
    for (const auto& [bytes, message] : cases) {
        SCOPED_TRACE(message);
        EXPECT_EQ(ExpandError(bytes), message);
        EXPECT_TRUE(OutputEmpty());
    }
    EXPECT_EQ(ExpandError(LhaFixture("jlha-lh6.lzh")), "Unrecognized compression method: \"-lh6-\" in header");
}

TEST_F(ExpandFilesTest, AnyOperatingSystemByteAndUnknownExtensionsAreAccepted) {
    // jlha writes the OS byte 0 and Unix time headers; here also an OS byte "J" and a comment.
    std::string archive = LhaFixture("jlha-level1.lzh");
    const std::size_t osAt = 22 + static_cast<unsigned char>(archive[21]) + 2;
    archive[osAt] = 'J';
    FixChecksum(archive);
    EXPECT_EQ(ExpandError(archive, {"Vantaro.xml"}), "");
    EXPECT_EQ(ReadFileBytes(dir_ / "out" / "Vantaro.xml"), sample_);
}

TEST_F(ExpandFilesTest, CutArchivesFailWithAnArchiveErrorAndWriteNothing) {
    const std::string first = ArchiveOf({MemberOf("First.txt", "first member\r\n")});
    const std::string archive = ArchiveOf({MemberOf("First.txt", "first member\r\n"),
                                           MemberOf("Vantaro.xml", sample_.substr(0, 1000), "-lh5-")});
    for (std::size_t length = 1; length < archive.size(); ++length) {
        SCOPED_TRACE(length);
        const std::string error = ExpandError(archive.substr(0, length), {"Vantaro.xml"});
        if (length == archive.size() - 1) {
            EXPECT_EQ(error, "");  // only the end byte is missing
            continue;
        }
        if (length == first.size() - 1) {
            EXPECT_EQ(error, "");  // a whole archive of the first member, without the end byte
            EXPECT_TRUE(OutputEmpty());
            continue;
        }
        EXPECT_NE(error, "");
        EXPECT_TRUE(OutputEmpty());
    }
}

TEST_F(ExpandFilesTest, AFailingMemberLeavesTheListEmptyAndEarlierFilesAlone) {
    HandMember bad = MemberOf("Second.txt", "second");
    bad.header.crc ^= 1;
    std::vector<std::string> names = {"*"};
    WriteFileBytes(dir_ / "out" / "Second.txt", "kept");
    EXPECT_THROW(archiver_.ExpandFiles(WriteArchive(ArchiveOf({MemberOf("First.txt", "first"), bad})), names),
                 ECompLHABadCRC);
    EXPECT_TRUE(names.empty());
    EXPECT_EQ(ReadFileBytes(dir_ / "out" / "Second.txt"), "kept");
    EXPECT_FALSE(fs::exists(dir_ / "out" / "Second.txt.$$$"));
}

TEST_F(ExpandFilesTest, IsArchiveTellsPlainTextFromArchives) {
    const std::pair<std::string, bool> cases[] = {
        {"", false},
        {std::string(1, '\0'), false},
        {sample_, false},
        {"<?xml version=\"1.0\" encoding=\"ISO-8859-1\" standalone=\"yes\"?>\r\n", false},
        {LhaFixture("jlha-level0.lzh"), true},
        {LhaFixture("jlha-level2.lzh"), true},
        {ArchiveOf({MemberOf("Vantaro.xml", sample_, "-lh5-")}), true},
        {LhaFixture("jlha-level1.lzh").substr(0, 20), false},
        {LhaFixture("jlha-level1.lzh").substr(0, 30), false},  // cut inside the base header
        {LhaFixture("jlha-level1.lzh").substr(0, 200), true},  // damaged after it: report, not text
        {LhaFixture("jlha-level2.lzh").substr(0, 200), true},
    };
    int index = 0;
    for (const auto& [bytes, isArchive] : cases) {
        SCOPED_TRACE(index++);
        EXPECT_EQ(TCompLHA::IsArchive(WriteArchive(bytes)), isArchive);
    }
    EXPECT_THROW(TCompLHA::IsArchive((dir_ / "missing.lzh").string()), EInOutError);
}

TEST_F(ExpandFilesTest, ExtractTextReturnsNothingForAMissingMember) {
    EXPECT_FALSE(archiver_.ExtractText(LhaFixturePath("jlha-directory.lzh").string(), "Vantaro.xml").has_value());
    EXPECT_EQ(archiver_.ExtractText(LhaFixturePath("jlha-directory.lzh").string(), "notes.txt"), "other member\r\n");
    EXPECT_FALSE(archiver_.ExtractFile(LhaFixturePath("jlha-directory.lzh").string(), "x", (dir_ / "x").string()));
    EXPECT_FALSE(fs::exists(dir_ / "x"));
}

}  // namespace
}  // namespace vantaro::test
