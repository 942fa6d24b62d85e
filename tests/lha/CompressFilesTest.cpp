#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <filesystem>

#include "lha/DosTime.h"
#include "lha/LhaErrors.h"
#include "lha/LhaTestData.h"
#include "lha/LhaTestSupport.h"
#include "lha/TCompLHA.h"
#include "support/RunCommand.h"
#include "support/TempDir.h"

namespace vantaro::test {
namespace {

namespace fs = std::filesystem;

std::uint32_t Get32(const std::string& bytes, std::size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at]) |
                                      static_cast<unsigned char>(bytes[at + 1]) << 8 |
                                      static_cast<unsigned char>(bytes[at + 2]) << 16 |
                                      static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 3])) << 24);
}

class CompressFilesTest : public ::testing::Test {
protected:
    std::string Path(const std::string& name) const { return (dir_ / name).string(); }
    std::string File(const std::string& name, const std::string& bytes) const {
        WriteFileBytes(dir_ / name, bytes);
        return Path(name);
    }
    std::vector<std::string> Compress(const std::string& archive, std::vector<std::string> files,
                                      TCompLHAMethod method = TCompLHAMethod::Lh5) {
        archiver_.CompressFiles(archive, files, method);
        return files;
    }
    std::vector<std::string> MemberNames(const std::string& archive) {
        std::vector<std::string> names;
        lha::MemoryArchiveInput input(bytes_ = ReadFileBytes(archive));
        std::uint64_t offset = 0;
        while (auto header = lha::ReadMemberHeader(input, offset)) {
            names.push_back(header->name);
            offset = header->End();
        }
        return names;
    }

    TempDir dir_;
    TCompLHA archiver_;
    std::string bytes_;
};

TEST_F(CompressFilesTest, WritesTheLevelOneHeaderFieldByField) {
    const std::string text = LhaFixture("Vantaro.xml");
    const std::string file = File("Vantaro.xml", text);
    const std::string archive = Path("Vantaro.ods");
    EXPECT_EQ(Compress(archive, {file}), std::vector<std::string>{"Vantaro.xml"});

    const std::string bytes = ReadFileBytes(archive);
    const std::size_t n = 11;
    ASSERT_GT(bytes.size(), 32u);
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 25 + n);
    unsigned sum = 0;
    for (std::size_t i = 2; i < 2 + 25 + n; ++i) sum += static_cast<unsigned char>(bytes[i]);
    EXPECT_EQ(static_cast<unsigned char>(bytes[1]), sum & 0xFF);
    EXPECT_EQ(bytes.substr(2, 5), "-lh5-");
    const std::uint32_t packed = Get32(bytes, 7);
    EXPECT_EQ(bytes.size(), 2 + 25 + n + packed + 1);  // header, attribute header + data, end byte
    EXPECT_EQ(Get32(bytes, 11), text.size());
    EXPECT_EQ(Get32(bytes, 15), lha::ToDosTime(std::chrono::file_clock::to_sys(fs::last_write_time(file))));
    EXPECT_EQ(bytes[19], 0x20);
    EXPECT_EQ(bytes[20], 1);
    EXPECT_EQ(bytes[21], static_cast<char>(n));
    EXPECT_EQ(bytes.substr(22, n), "Vantaro.xml");
    EXPECT_EQ(static_cast<unsigned char>(bytes[22 + n]) | static_cast<unsigned char>(bytes[23 + n]) << 8, CrcOf(text));
    EXPECT_EQ(bytes[24 + n], 'M');
    EXPECT_EQ(bytes.substr(25 + n, 2), std::string("\x05\x00", 2));
    EXPECT_EQ(bytes.substr(27 + n, 5), std::string("\x40\x20\x00\x00\x00", 5));
    EXPECT_EQ(bytes.back(), '\0');
    EXPECT_EQ(MemberNames(archive), std::vector<std::string>{"Vantaro.xml"});
}

TEST_F(CompressFilesTest, StoresWhatDoesNotCompressAndPacksEmptyFilesToNothing) {
    const std::string random = RandomBytes(5000, 21);
    Compress(Path("r.lzh"), {File("random.bin", random)});
    const std::string stored = ReadFileBytes(Path("r.lzh"));
    EXPECT_EQ(stored.substr(2, 5), "-lh0-");
    EXPECT_EQ(Get32(stored, 7), random.size() + 5);

    Compress(Path("e.lzh"), {File("empty.txt", "")});
    const std::string empty = ReadFileBytes(Path("e.lzh"));
    EXPECT_EQ(empty.substr(2, 5), "-lh5-");
    EXPECT_EQ(Get32(empty, 7), 5u);
    EXPECT_EQ(Get32(empty, 11), 0u);
}

TEST_F(CompressFilesTest, ReplacesTheMemberOfAnExistingArchiveAndKeepsTheOthers) {
    const std::string archive = Path("Vantaro.ods");
    Compress(archive, {File("Vantaro.xml", "first text"), File("Other.txt", "other")});
    Compress(archive, {File("Vantaro.xml", "second text")});
    EXPECT_EQ(MemberNames(archive), (std::vector<std::string>{"Vantaro.xml", "Other.txt"}));
    EXPECT_EQ(archiver_.ExtractText(archive, "Vantaro.xml"), "second text");
    EXPECT_EQ(archiver_.ExtractText(archive, "Other.txt"), "other");
    EXPECT_FALSE(fs::exists(Path("Vantaro.$$$")));

    Compress(archive, {File("Vantaro.xml", "third text")});
    EXPECT_EQ(MemberNames(archive).size(), 2u);
}

TEST_F(CompressFilesTest, ExpandsWildcardsAndDropsMissingFiles) {
    File("b.txt", "bb");
    File("a.txt", "aa");
    File("c.dat", "cc");
    EXPECT_EQ(Compress(Path("w.lzh"), {Path("*.TXT"), Path("gone.txt"), Path("c.dat")}),
              (std::vector<std::string>{"a.txt", "b.txt", "c.dat"}));
}

TEST_F(CompressFilesTest, RefusesToAddTheArchiveToItself) {
    // keep.lzh exists, so the new archive is written as keep.$$$, which is also in the list.
    std::vector<std::string> files;
    files = {Path("keep.$$$")};
    File("keep.$$$", "x");
    File("keep.lzh", "y");
    try {
        archiver_.CompressFiles(Path("keep.lzh"), files, TCompLHAMethod::Lh5);
        ADD_FAILURE() << "no error";
    } catch (const ECompLHAAddToItself& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot add " + Path("keep.$$$") + " to itself!");
    }
    EXPECT_EQ(ReadFileBytes(Path("keep.lzh")), "y");
}

TEST_F(CompressFilesTest, LharcTypeWritesLevelZeroWithCapitals) {
    archiver_.SetArchiveType(caLHARC);
    Compress(Path("old.lzh"), {File("Vantaro.xml", "level zero")}, TCompLHAMethod::Lh0);
    const std::string bytes = ReadFileBytes(Path("old.lzh"));
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 22 + 11);
    EXPECT_EQ(bytes[19], 0x20);
    EXPECT_EQ(bytes[20], 0);
    EXPECT_EQ(bytes.substr(22, 11), "VANTARO.XML");
    EXPECT_EQ(archiver_.ExtractText(Path("old.lzh"), "vantaro.xml"), "level zero");
}

TEST_F(CompressFilesTest, StorePathKeepsTheDirectoryInADirectoryHeader) {
    archiver_.SetStorePath(true);
    fs::create_directories(dir_ / "sub");
    File("sub/Vantaro.xml", "in a folder");
    const fs::path current = fs::current_path();
    fs::current_path(dir_.path());
    const std::vector<std::string> names = Compress("dirs.lzh", {"sub/Vantaro.xml"});
    fs::current_path(current);
    EXPECT_EQ(names, std::vector<std::string>{"sub\\Vantaro.xml"});
    EXPECT_EQ(MemberNames(Path("dirs.lzh")), std::vector<std::string>{"sub\\Vantaro.xml"});
    EXPECT_EQ(archiver_.ExtractText(Path("dirs.lzh"), "SUB\\vantaro.xml"), "in a folder");
}

// Makes every file write past limit bytes fail, as a full disk does.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t limit) {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limited = previous_;
        limited.rlim_cur = limit;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit previous_{};
    void (*previousHandler_)(int);
};

TEST_F(CompressFilesTest, WriteFailuresDeleteTheNewArchiveAndKeepTheOldOne) {
    const std::string archive = Path("full.lzh");
    Compress(archive, {File("Old.bin", RandomBytes(200'000, 1))});
    const std::string before = ReadFileBytes(archive);
    const std::string small = File("Small.txt", "small");
    const std::string large = File("Large.bin", RandomBytes(200'000, 2));
    const std::pair<std::string, std::string> cases[] = {
        {large, "Disk protected or full during compression"},  // the new member does not fit
        {small, "Disk full or write error during compression"},  // copying the old member does not
    };
    for (const auto& [file, message] : cases) {
        SCOPED_TRACE(message);
        std::vector<std::string> files = {file};
        try {
            FileSizeLimit limit(16 * 1024);
            archiver_.CompressFiles(archive, files, TCompLHAMethod::Lh5);
            ADD_FAILURE() << "no error";
        } catch (const ECompLHA& error) {
            EXPECT_EQ(error.what(), message);
        }
        EXPECT_FALSE(fs::exists(Path("full.$$$")));
        EXPECT_EQ(ReadFileBytes(archive), before);
    }
    std::vector<std::string> files = {small};
    EXPECT_THROW(archiver_.CompressFiles(Path("no/such/folder/a.lzh"), files, TCompLHAMethod::Lh5),
                 ECompLHAWriteFailed);
}

TEST_F(CompressFilesTest, ANameTooLongForTheHeaderIsRefused) {
    const std::string name(231, 'n');  // level 1 holds 230 characters in its one-byte size
    EXPECT_NO_THROW(archiver_.PackTextToArchiveData("x", name.substr(1)));
    try {
        archiver_.PackText("x", Path("long.lzh"), name);
        ADD_FAILURE() << "no error";
    } catch (const ECompLHANameTooLong& error) {
        EXPECT_EQ(std::string(error.what()), "File name too long for an LHA archive: " + name);
    }
    EXPECT_TRUE(fs::is_empty(dir_.path()));
}

TEST_F(CompressFilesTest, PackFileReplacesAnArchiveOnlyWhenComplete) {
    const std::string archive = File("Vantaro.ods", "previous archive");
    archiver_.PackText("the store", archive, "Vantaro.xml");
    EXPECT_EQ(archiver_.ExtractText(archive, "Vantaro.xml"), "the store");
    EXPECT_EQ(MemberNames(archive).size(), 1u);

    fs::create_directories(dir_ / "taken" / "inside");
    try {
        archiver_.PackText("text", Path("taken"), "Vantaro.xml");
        ADD_FAILURE() << "no error";
    } catch (const ECompLHAReplaceFailed& error) {
        EXPECT_EQ(std::string(error.what()), "Could not replace " + Path("taken") + " with " + Path("taken.$$$"));
    }
    EXPECT_FALSE(fs::exists(Path("taken.$$$")));
}

TEST_F(CompressFilesTest, InMemoryArchivesAreTheSameAsArchiveFiles) {
    const std::string text = StoreLikeText(50'000, 31);
    std::uint64_t progressDone = 0;
    archiver_.SetOnProgress([&](std::uint64_t done, std::uint64_t) { progressDone = done; });
    const std::string inMemory = archiver_.PackTextToArchiveData(text, "Vantaro.xml");
    EXPECT_EQ(progressDone, text.size());
    archiver_.PackText(text, Path("file.lzh"), "Vantaro.xml");
    std::string inFile = ReadFileBytes(Path("file.lzh"));
    ASSERT_EQ(inFile.size(), inMemory.size());
    // Only the time stamp, and with it the checksum, may differ.
    for (std::size_t at : {1, 15, 16, 17, 18}) inFile[at] = inMemory[at];
    EXPECT_EQ(inFile, inMemory);
    EXPECT_TRUE(TCompLHA::IsArchiveData(inMemory));
    EXPECT_FALSE(TCompLHA::IsArchiveData(text));
    progressDone = 0;
    EXPECT_EQ(archiver_.ExtractTextFromArchiveData(inMemory, "VANTARO.XML"), text);
    EXPECT_EQ(progressDone, text.size());
    EXPECT_FALSE(archiver_.ExtractTextFromArchiveData(inMemory, "Other.xml").has_value());
    EXPECT_EQ(archiver_.PackTextToArchiveData(RandomBytes(100, 1), "r").substr(2, 5), "-lh0-");
}

// Every archive we write passes the peers' tests and unpacks to the same bytes with each of them.
TEST_F(CompressFilesTest, PeersTestAndUnpackWhatWeWrite) {
    if (!HavePeer("lhasa") || !HavePeer("7z")) GTEST_SKIP() << "lhasa or 7z is not installed";
    const std::pair<const char*, std::string> inputs[] = {
        {"empty", ""},
        {"one byte", "x"},
        {"one repeated byte", std::string(300'000, 'a')},
        {"store text", StoreLikeText(400'000, 12)},
        {"random", RandomBytes(20'000, 13)},
        {"text then random", StoreLikeText(100'000, 14) + RandomBytes(30'000, 15)},
    };
    for (const auto& [name, input] : inputs) {
        SCOPED_TRACE(name);
        const std::string archive = Path("peer.lzh");
        archiver_.PackFile(File("input.bin", input), archive, "Vantaro.xml");
        const CommandResult test = RunCommand("lhasa t " + ShellQuote(archive));
        EXPECT_EQ(test.exitCode, 0);
        EXPECT_NE(test.out.find("Tested"), std::string::npos) << test.out << test.err;
        EXPECT_EQ(RunCommand("lhasa pq " + ShellQuote(archive)).out, input);
        const CommandResult sevenZip = RunCommand("7z x -so " + ShellQuote(archive));
        EXPECT_EQ(sevenZip.exitCode, 0) << sevenZip.err;
        EXPECT_EQ(sevenZip.out, input);
    }
}

}  // namespace
}  // namespace vantaro::test
