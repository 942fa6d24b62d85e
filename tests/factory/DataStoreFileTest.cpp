#include <gtest/gtest.h>

#include "factory/DataStoreErrors.h"
#include "factory/StoreArchive.h"
#include "factory/StoreFixture.h"
#include "lha/ArchiveInput.h"
#include "lha/LhaArchiveReader.h"
#include "support/FakePlatform.h"
#include "support/RunCommand.h"
#include "support/TempDir.h"

namespace vantaro::test {
namespace {

namespace fs = std::filesystem;

class DataStoreFileTest : public ::testing::Test {
protected:
    std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }

    // The fixture store saved by a fresh factory, plain or packed.
    std::string SaveSmallStore(const std::string& name, bool packed) {
        CTestFactory factory;
        factory.Settings().CompressDatastore = packed;
        MakeSmallStore(factory);
        factory.Save(PathOf(name));
        return PathOf(name);
    }

    FakePlatform platform_;
    TempDir dir_;
};

TEST_F(DataStoreFileTest, SavesTheFixtureStoreByteForByte) {
    CTestFactory factory;
    const SmallStore store = MakeSmallStore(factory);
    factory.Save(PathOf("Small.ods"));

    EXPECT_EQ(ReadFileBytes(dir_ / "Small.ods"), ReadFileBytes(FactoryFixture("SmallStore.ods")));
    EXPECT_EQ(factory.FileName(), PathOf("Small.ods"));
    EXPECT_EQ(factory.HighestID(), 4);
    EXPECT_EQ(factory.Root()->ID(), 4);
    EXPECT_EQ(store.unit->ID(), 1);  // the latest object had the lowest temporary ID
    for (int i = 0; i < factory.Objects().Count(); ++i) {
        EXPECT_EQ(factory.Objects().Item(i)->ID(), i + 1);
        EXPECT_EQ(factory.Objects().Item(i)->Status(), StoredStatus::Saved);
    }
    EXPECT_TRUE(factory.IsHidden(store.second));
    EXPECT_EQ(platform_.progress.events, (std::vector<std::string>{"show-saving", "hide"}));
    EXPECT_GT(platform_.progress.reports, 0);
    EXPECT_TRUE(platform_.prompts.prompts.empty());
}

TEST_F(DataStoreFileTest, OpenReadsTheFixtureStore) {
    CTestFactory factory;
    factory.Open(FactoryFixture("SmallStore.ods").string());

    ASSERT_EQ(factory.Objects().Count(), 4);
    auto* year = dynamic_cast<CTestFolder*>(factory.Root());
    ASSERT_NE(year, nullptr);
    EXPECT_EQ(year->ID(), 4);
    EXPECT_EQ(factory.HighestID(), 4);
    EXPECT_EQ(factory.FileName(), FactoryFixture("SmallStore.ods").string());
    EXPECT_EQ(factory.GetHiddenIDs(), "2");
    EXPECT_EQ(year->AssociationCount("NOTES"), 3);
    CStored* first = year->AssociationItem("NOTES", 0);
    CStored* second = year->AssociationItem("NOTES", 1);
    EXPECT_EQ(first->GetAttributeValue("DATE"), "39156");
    EXPECT_EQ(second->GetAttributeValue("DESCRIPTION"), "Tom &amp; Jerry&apos;s");
    EXPECT_EQ(second->GetRelation("LESSON_PLAN"), first);
    CStored* unit = factory.FindObject(1);
    EXPECT_EQ(unit->GetLinkTarget("ACHIEVEMENTS", first), second);
    EXPECT_EQ(unit->GetParent(), year);
    EXPECT_EQ(year->GetAttributeValue("DESCRIPTION"), "Year 2006/07");
    // Absent lines come back with the template's default.
    EXPECT_EQ(first->PropertyContentByName("RELATION", "NOTE_CATEGORY"), "");
    for (int i = 0; i < factory.Objects().Count(); ++i) {
        EXPECT_EQ(factory.Objects().Item(i)->Status(), StoredStatus::Saved);
        EXPECT_TRUE(factory.Objects().Item(i)->Persisted());
    }
    EXPECT_EQ(platform_.progress.events, (std::vector<std::string>{"show-loading", "hide"}));
    EXPECT_GT(platform_.progress.reports, 0);
}

TEST_F(DataStoreFileTest, PackedStoreIsAnArchiveOfOneMemberThatReadsToTheSameObjects) {
    const std::string plain = SaveSmallStore("Plain.ods", false);
    const std::string packed = SaveSmallStore("Packed.ods", true);

    const std::string bytes = ReadFileBytes(packed);
    ASSERT_TRUE(IsStoreArchive(bytes));
    lha::MemoryArchiveInput input(bytes);
    std::vector<std::string> members;
    lha::ForEachMember(input, [&](const lha::MemberHeader& header) {
        members.push_back(header.name);
        EXPECT_EQ(header.level, 1);
        EXPECT_EQ(header.os, 'M');
        return true;
    });
    EXPECT_EQ(members, std::vector<std::string>{"Vantaro.xml"});
    EXPECT_EQ(bytes.back(), '\0');
    EXPECT_EQ(UnpackStoreText(bytes), ReadFileBytes(plain));

    CTestFactory fromPlain;
    fromPlain.Open(plain);
    CTestFactory fromPacked;
    fromPacked.Open(packed);
    EXPECT_EQ(ObjectBlocks(fromPacked), ObjectBlocks(fromPlain));
    EXPECT_EQ(fromPacked.GetHiddenIDs(), fromPlain.GetHiddenIDs());

    // The archive is one the peer tool accepts.
    const CommandResult peer = RunCommand("lhasa pq " + ShellQuote(packed));
    if (peer.exitCode != 127) {
        EXPECT_EQ(peer.exitCode, 0);
        EXPECT_EQ(peer.out, ReadFileBytes(plain));
    }
}

TEST_F(DataStoreFileTest, ReadingIgnoresIndentationBlankLinesAndStrayLines) {
    std::string text = ReadFileBytes(FactoryFixture("SmallStore.ods"));
    std::string loose;
    loose += "  <ATTRIBUTE NAME=\"DESCRIPTION\" FORMAT=\"STRING\">before any object</ATTRIBUTE>\n\n";
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = text.find("\r\n", at);
        std::string line = text.substr(at, end - at);
        if (line.rfind("  <", 0) == 0) line = "\t    " + line.substr(2) + "   ";
        loose += line + "\n\r\n";
        at = end + 2;
    }
    loose += "<UNKNOWN_TAG>ignored</UNKNOWN_TAG>\n";
    WriteFileBytes(dir_ / "Loose.ods", loose);

    CTestFactory tidy;
    tidy.Open(FactoryFixture("SmallStore.ods").string());
    CTestFactory relaxed;
    relaxed.Open(PathOf("Loose.ods"));
    EXPECT_EQ(ObjectBlocks(relaxed), ObjectBlocks(tidy));
}

TEST_F(DataStoreFileTest, OpenOnlyReadsTheOdsExtensionAndReadsAMissingFileAsEmpty) {
    const std::string saved = SaveSmallStore("Year.ods", false);
    fs::copy_file(saved, dir_ / "Year.ODS");
    CTestFactory factory;
    factory.Open(saved);
    const std::vector<std::string> loaded = ObjectBlocks(factory);

    for (const char* name : {"Year.ODS", "Year.ods.bak", "Year", "folder.ods/Year"}) {
        SCOPED_TRACE(name);
        factory.Open(PathOf(name));
        EXPECT_EQ(ObjectBlocks(factory), loaded);
        EXPECT_EQ(factory.FileName(), saved);
    }

    factory.Open(PathOf("Missing.ods"));
    EXPECT_EQ(factory.Objects().Count(), 0);
    EXPECT_EQ(factory.FileName(), PathOf("Missing.ods"));
    EXPECT_EQ(factory.GetHiddenIDs(), "");  // the hide list belonged to the store replaced
    EXPECT_EQ(factory.HighestID(), 1);
}

TEST_F(DataStoreFileTest, RootMissingFromTheObjectsGivesAnEmptyStore) {
    std::string text = ReadFileBytes(FactoryFixture("SmallStore.ods"));
    text.replace(text.find("ROOT_OBJECT_ID=\"4\""), 18, "ROOT_OBJECT_ID=\"9\"");
    WriteFileBytes(dir_ / "NoRoot.ods", text);
    CTestFactory factory;
    factory.Open(PathOf("NoRoot.ods"));
    EXPECT_EQ(factory.Objects().Count(), 0);
    EXPECT_EQ(factory.Root(), nullptr);
}

// Bad input: each read fails with the file, the line where one is to blame and the reason, and
// the store that was loaded stays loaded with its file name and hidden IDs. (Open used to
// destroy the loaded store first, so a failed read left an empty or half-read store that the
// next save wrote over the user's file.)
struct BadStoreCase {
    const char* name;
    std::string content;
    const char* reason;  // part of the message
    int line;            // 0: no line named
    bool conversion;     // EDataStoreConvertError rather than EDataStoreError
};

std::string Fixture() { return ReadFileBytes(FactoryFixture("SmallStore.ods")); }

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    if (at == std::string::npos) throw std::runtime_error("fixture lacks " + from);
    return text.replace(at, from.size(), to);
}

std::vector<BadStoreCase> BadStoreCases() {
    const std::string packed = PackStoreText(Fixture());
    std::string flipped = packed;
    flipped[packed.size() / 2] = static_cast<char>(flipped[packed.size() / 2] ^ 0x55);
    const std::string otherMember = [&] {
        std::string archive = packed;
        archive.replace(archive.find("Vantaro.xml"), 11, "Another.xml");
        // The header checksum covers the name: put it right again.
        unsigned sum = 0;
        for (std::size_t i = 2; i < 2u + static_cast<unsigned char>(archive[0]); ++i)
            sum += static_cast<unsigned char>(archive[i]);
        archive[1] = static_cast<char>(sum & 0xFF);
        return archive;
    }();
    const std::string object = "<OBJECT ID=\"5\" CLASS=\"CNote\">\r\n</OBJECT>\r\n";
    const std::string tail = "</OBJECT_STORE>";
    return {
        {"TruncatedArchive", packed.substr(0, packed.size() * 2 / 3), "Bad CRC during expansion", 0, false},
        {"CorruptArchive", flipped, "", 0, false},
        {"ArchiveWithoutTheStoreMember", otherMember, "the archive holds no Vantaro.xml", 0, false},
        {"PlainTextThatIsNotAStore", "Dear parents,\r\n<p>School trip</p>\r\n", "not a data store", 0, false},
        {"RootIDMissing", Replaced(Fixture(), " ROOT_OBJECT_ID=\"4\"", ""), "ROOT_OBJECT_ID is missing", 8, true},
        {"RootIDNotANumber", Replaced(Fixture(), "ROOT_OBJECT_ID=\"4\"", "ROOT_OBJECT_ID=\"four\""),
         "ROOT_OBJECT_ID \"four\" is not a number", 8, true},
        {"ReferenceIDNotANumber", Replaced(Fixture(), ">3,2,1<", ">3,two,1<"), "object 4: 'two'", 33, true},
        {"ObjectIDNotANumber", Replaced(Fixture(), "<OBJECT ID=\"3\"", "<OBJECT ID=\"3a\""), "'3a'", 27, true},
        // A plain file cut short used to read as a store without its later objects.
        {"TruncatedText", Fixture().substr(0, Fixture().find("<OBJECT ID=\"3\"")),
         "ends before its </OBJECT_STORE> line", 26, false},
        {"LineLongerThanOneMegabyte",
         Replaced(Fixture(), tail, "<ATTRIBUTE NAME=\"X\">" + std::string(kMaxStoreLineLength, 'x') + "</ATTRIBUTE>\r\n" + tail),
         "longer than 1048576 bytes", 39, false},
    };
}

TEST_F(DataStoreFileTest, BadInputFailsClearlyAndKeepsTheLoadedStore) {
    CTestFactory factory;
    const std::string loadedPath = SaveSmallStore("Loaded.ods", true);
    factory.Open(loadedPath);
    factory.SetHiddenIDs("1,3");
    const std::vector<std::string> loaded = ObjectBlocks(factory);

    for (const BadStoreCase& bad : BadStoreCases()) {
        SCOPED_TRACE(bad.name);
        const std::string path = PathOf(std::string(bad.name) + ".ods");
        WriteFileBytes(path, bad.content);
        platform_.progress.events.clear();
        try {
            factory.Open(path);
            ADD_FAILURE() << "no error";
        } catch (const EDataStoreError& error) {
            EXPECT_FALSE(bad.conversion) << error.what();
            EXPECT_EQ(error.FileName(), path);
            EXPECT_EQ(error.Line(), bad.line) << error.what();
            EXPECT_NE(error.Reason().find(bad.reason), std::string::npos) << error.what();
            EXPECT_NE(std::string(error.what()).find(path), std::string::npos);
        } catch (const EDataStoreConvertError& error) {
            EXPECT_TRUE(bad.conversion) << error.what();
            EXPECT_EQ(error.FileName(), path);
            EXPECT_EQ(error.Line(), bad.line) << error.what();
            EXPECT_NE(error.Reason().find(bad.reason), std::string::npos) << error.what();
        }
        EXPECT_EQ(ObjectBlocks(factory), loaded);
        EXPECT_EQ(factory.FileName(), loadedPath);
        EXPECT_EQ(factory.GetHiddenIDs(), "1,3");
        EXPECT_EQ(factory.HighestID(), 4);
        EXPECT_EQ(platform_.progress.events, (std::vector<std::string>{"show-loading", "hide"}));
    }
}

// A store written by a later version, or mended by hand, still opens with what can be read.
TEST_F(DataStoreFileTest, ObjectsOfUnknownClassesAndRepeatedIdsAreLeftOutAndCounted) {
    std::string text = Replaced(Fixture(), "<OBJECT ID=\"1\" CLASS=\"CFolder\">", "<OBJECT ID=\"1\" CLASS=\"CLetter\">");
    text = Replaced(text, "<OBJECT ID=\"3\"", "<OBJECT ID=\"2\"");
    const std::string path = PathOf("Damaged.ods");
    WriteFileBytes(path, text);
    CTestFactory factory;
    factory.Open(path);
    EXPECT_EQ(factory.Objects().Count(), 2);
    ASSERT_NE(factory.FindObject(2), nullptr);
    EXPECT_EQ(factory.FindObject(2)->GetAttributeText("DESCRIPTION"), "Tom & Jerry's") << "the first object with the ID";
    EXPECT_EQ(factory.FindObject(1), nullptr);
    EXPECT_EQ(factory.SkippedOnOpen().Lines(),
              (std::vector<std::string>{"1 object of the unknown class CLetter", "1 object with an ID already used"}));
    EXPECT_EQ(factory.SkippedOnOpen().Count(), 2);
    factory.Open(SaveSmallStore("Whole.ods", false));
    EXPECT_FALSE(factory.SkippedOnOpen().Any()) << "a sound file leaves nothing out";
}

TEST_F(DataStoreFileTest, TruncatedArchiveIsAnArchiveErrorNotPlainText) {
    // Its header is whole and right, so the file is an archive however its data ends.
    const std::string packed = PackStoreText(Fixture());
    for (std::size_t keep : {packed.size() - 2, packed.size() / 2, std::size_t{44}}) {
        SCOPED_TRACE(keep);
        EXPECT_TRUE(IsStoreArchive(packed.substr(0, keep)));
        EXPECT_THROW(StoreTextOf(packed.substr(0, keep), "x.ods"), EDataStoreError);
    }
    EXPECT_FALSE(IsStoreArchive(Fixture()));
    EXPECT_EQ(StoreTextOf(Fixture(), "x.ods"), Fixture());
}

}  // namespace
}  // namespace vantaro::test
