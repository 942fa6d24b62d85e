#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <map>

#include "factory/DataStoreErrors.h"
#include "factory/SafeFileReplace.h"
#include "factory/StoreArchive.h"
#include "factory/StoreFixture.h"
#include "routines/XMLRoutines.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

namespace vantaro::test {
namespace {

namespace fs = std::filesystem;

constexpr const char* kSaveError = "Save Error";
constexpr const char* kNotSaved = "File Could Not Be Saved, Please Check There Is Space On The Disk";

std::vector<std::string> FileNames(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// The private file a save is writing: the one hidden file of the folder.
fs::path TemporaryFileIn(const fs::path& folder) {
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.path().filename().string().front() == '.') return entry.path();
    }
    return {};
}

class SaveSafetyTest : public ::testing::Test {
protected:
    // A factory holding the small store read from Year.ods, with one object changed and one new.
    void LoadAndChange(const fs::path& folder, bool packed) {
        factory_.Settings().CompressDatastore = packed;
        path_ = (folder / "Year.ods").string();
        {
            CTestFactory writer;
            writer.Settings().CompressDatastore = packed;
            MakeSmallStore(writer);
            writer.Save(path_);
        }
        factory_.Open(path_);
        saved_ = ReadFileBytes(path_);
        factory_.FindObject(3)->SetAttributeValue("DESCRIPTION", "Changed");
        added_ = factory_.Make<CTestNote>(factory_.Root(), "Added");
        factory_.Root()->AddToAssociation("NOTES", added_);
        statuses_ = Statuses();
    }

    std::map<const CStored*, StoredStatus> Statuses() const {
        std::map<const CStored*, StoredStatus> statuses;
        for (int i = 0; i < factory_.Objects().Count(); ++i) {
            statuses[factory_.Objects().Item(i)] = factory_.Objects().Item(i)->Status();
        }
        return statuses;
    }

    FakePlatform platform_;
    TempDir dir_;
    CTestFactory factory_;
    std::string path_;
    std::string saved_;
    CTestNote* added_ = nullptr;
    std::map<const CStored*, StoredStatus> statuses_;
};

TEST_F(SaveSafetyTest, SavingOverAFileKeepsThePreviousOneAsBackup) {
    LoadAndChange(dir_.path(), true);
    factory_.Save(path_);
    EXPECT_EQ(ReadFileBytes(dir_ / "Year.~ods"), saved_);
    EXPECT_NE(ReadFileBytes(path_), saved_);
    EXPECT_EQ(FileNames(dir_.path()), (std::vector<std::string>{"Year.ods", "Year.~ods"}));

    CTestFactory reader;
    reader.Open(path_);
    EXPECT_EQ(reader.FindObject(3)->GetAttributeValue("DESCRIPTION"), "Changed");
    EXPECT_EQ(reader.FindObject(5)->GetAttributeValue("DESCRIPTION"), "Added");

    // An older backup, read-only or not, gives way to the next one.
    const std::string second = ReadFileBytes(path_);
    fs::permissions(dir_ / "Year.~ods", fs::perms::owner_read);
    added_->SetAttributeValue("DESCRIPTION", "Added again");
    factory_.Save(path_);
    EXPECT_EQ(ReadFileBytes(dir_ / "Year.~ods"), second);
}

// A failure at any step of a save leaves a whole, readable file at the path (the previous one),
// no temporary file, and the factory as it was: its file name and its objects' statuses. The
// failure reaches the caller after the step's message box. (Save used to set the file name and
// mark every object saved first, and to delete the previous file before copying the new one.)
TEST_F(SaveSafetyTest, AFailureAtEveryStepLeavesTheOldFileAndTheFactoryAsTheyWere) {
    struct StepCase {
        SaveStep step;
        const char* caption;
        const char* text;
    };
    const StepCase cases[] = {
        {SaveStep::CreateTemporary, kSaveError,
         "Temp File Could Not Be Created, Please Check There Is Space On The System"},
        {SaveStep::WriteTemporary, kSaveError, kNotSaved},
        {SaveStep::SyncTemporary, kSaveError, kNotSaved},
        {SaveStep::ReadBack, "Test Read Error",
         "File Could Not Be Opened After It Was Saves, Please Check The Disk Is Not Faulty"},
        {SaveStep::KeepBackup, kSaveError, kNotSaved},
        {SaveStep::ReplaceTarget, kSaveError, kNotSaved},
    };
    for (bool packed : {false, true}) {
        for (const StepCase& failing : cases) {
            SCOPED_TRACE(std::string(packed ? "packed, step " : "plain, step ") +
                         std::to_string(static_cast<int>(failing.step)));
            const fs::path folder = dir_ / (std::to_string(packed) + "-" + std::to_string(static_cast<int>(failing.step)));
            fs::create_directory(folder);
            statuses_.clear();
            factory_.Clear();
            LoadAndChange(folder, packed);
            platform_.prompts.prompts.clear();
            platform_.progress.events.clear();

            {
                ScopedSaveStepHook failAt([&](SaveStep step) {
                    if (step == failing.step) throw EInOutError("No space left on device");
                });
                try {
                    factory_.Save(path_);
                    ADD_FAILURE() << "the save succeeded";
                } catch (const ESaveError& error) {
                    EXPECT_TRUE(error.MessageShown());
                    EXPECT_EQ(error.FileName(), path_);
                    EXPECT_NE(std::string(error.what()).find("No space left on device"), std::string::npos);
                }
            }
            ASSERT_EQ(platform_.prompts.prompts.size(), 1u);
            EXPECT_EQ(platform_.prompts.prompts[0].caption, failing.caption);
            EXPECT_EQ(platform_.prompts.prompts[0].text, failing.text);
            EXPECT_EQ(platform_.progress.events, (std::vector<std::string>{"show-saving", "hide"}));
            EXPECT_EQ(ReadFileBytes(path_), saved_);
            // The backup is made only just before the new file takes the target's place.
            std::vector<std::string> left{"Year.ods"};
            if (failing.step == SaveStep::ReplaceTarget) left.push_back("Year.~ods");
            EXPECT_EQ(FileNames(folder), left);
            EXPECT_EQ(factory_.FileName(), path_);
            EXPECT_EQ(Statuses(), statuses_);

            // Saved under another name, the failure keeps the factory's file name too.
            const std::string other = (folder / "Other.ods").string();
            {
                ScopedSaveStepHook failAt([&](SaveStep step) {
                    if (step == failing.step) throw EInOutError("injected");
                });
                EXPECT_THROW(factory_.Save(other), ESaveError);
            }
            EXPECT_FALSE(fs::exists(other));
            EXPECT_EQ(factory_.FileName(), path_);

            // The next save goes through and the file reads back with the changes.
            factory_.Save(path_);
            CTestFactory reader;
            reader.Open(path_);
            EXPECT_EQ(reader.FindObject(3)->GetAttributeValue("DESCRIPTION"), "Changed");
            EXPECT_EQ(reader.Objects().Count(), 5);
        }
    }
}

TEST_F(SaveSafetyTest, AMissingFolderFailsBeforeAnythingIsWritten) {
    CTestFactory factory;
    MakeSmallStore(factory);
    const std::string path = (dir_ / "missing" / "Year.ods").string();
    EXPECT_THROW(factory.Save(path), ESaveError);
    ASSERT_EQ(platform_.prompts.prompts.size(), 1u);
    EXPECT_EQ(platform_.prompts.prompts[0].text,
              "Temp File Could Not Be Created, Please Check There Is Space On The System");
    EXPECT_EQ(factory.FileName(), "");
    EXPECT_FALSE(factory.HasStatus(StoredStatus::Saved));
}

TEST_F(SaveSafetyTest, AReadOnlyFolderFailsBeforeAnythingIsWritten) {
    if (::geteuid() == 0) GTEST_SKIP() << "a read-only folder does not stop the superuser";
    CTestFactory factory;
    MakeSmallStore(factory);
    fs::create_directory(dir_ / "locked");
    fs::permissions(dir_ / "locked", fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_THROW(factory.Save((dir_ / "locked" / "Year.ods").string()), ESaveError);
    EXPECT_TRUE(fs::is_empty(dir_ / "locked"));
}

// The read-back proof reads the whole new file: damage near its end is found. (It used to read
// the first line only.)
TEST_F(SaveSafetyTest, TheReadBackProofReadsTheWholeFile) {
    for (bool packed : {false, true}) {
        SCOPED_TRACE(packed ? "packed" : "plain");
        const fs::path folder = dir_ / (packed ? "packed" : "plain");
        fs::create_directory(folder);
        statuses_.clear();
        factory_.Clear();
        LoadAndChange(folder, packed);
        platform_.prompts.prompts.clear();
        ScopedSaveStepHook damage([&](SaveStep step) {
            if (step != SaveStep::ReadBack) return;
            const fs::path written = TemporaryFileIn(folder);
            std::string bytes = ReadFileBytes(written);
            bytes[bytes.size() - 8] = static_cast<char>(bytes[bytes.size() - 8] ^ 0x20);
            WriteFileBytes(written, bytes);
        });
        EXPECT_THROW(factory_.Save(path_), ESaveError);
        ASSERT_EQ(platform_.prompts.prompts.size(), 1u);
        EXPECT_EQ(platform_.prompts.prompts[0].caption, "Test Read Error");
        EXPECT_EQ(ReadFileBytes(path_), saved_);
        EXPECT_EQ(FileNames(folder), (std::vector<std::string>{"Year.ods"}));
    }
}

// The new file is written to a private file with a unique name beside the target, not to fixed
// names in the shared temporary folder, and takes the old file's permissions.
TEST_F(SaveSafetyTest, TheNewFileIsWrittenToAUniquePrivateFileBesideTheTarget) {
    LoadAndChange(dir_.path(), true);
    ::chmod(path_.c_str(), 0640);
    std::vector<std::string> seen;
    {
        ScopedSaveStepHook look([&](SaveStep step) {
            if (step != SaveStep::WriteTemporary) return;
            const fs::path written = TemporaryFileIn(dir_.path());
            ASSERT_FALSE(written.empty());
            seen.push_back(written.filename().string());
            struct stat status {};
            ::stat(written.c_str(), &status);
            EXPECT_EQ(status.st_mode & 0777, 0600u);
        });
        factory_.Save(path_);
        factory_.Save(path_);
    }
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_NE(seen[0], seen[1]);
    EXPECT_EQ(seen[0].rfind(".Year.ods.", 0), 0u);
    EXPECT_EQ(FileNames(dir_.path()), (std::vector<std::string>{"Year.ods", "Year.~ods"}));
    struct stat status {};
    ::stat(path_.c_str(), &status);
    EXPECT_EQ(status.st_mode & 0777, 0640u);
}

// A new object hidden before its first save stays hidden under its permanent ID. (The hide list
// used to keep the temporary ID, so the object showed again after a reload.)
TEST_F(SaveSafetyTest, HiddenNewObjectsStayHiddenUnderTheirPermanentIDs) {
    LoadAndChange(dir_.path(), false);
    const std::int32_t temporary = added_->ID();
    ASSERT_LT(temporary, 0);
    factory_.SetHiddenIDs("2," + std::to_string(temporary) + ",x");
    factory_.Save(path_);
    EXPECT_EQ(added_->ID(), 5);
    EXPECT_EQ(factory_.GetHiddenIDs(), "2,5,x");
    EXPECT_NE(ReadFileBytes(path_).find("<HIDE_DATA>2,5,x,</HIDE_DATA>"), std::string::npos);

    CTestFactory reader;
    reader.Open(path_);
    EXPECT_TRUE(reader.IsHidden(reader.FindObject(5)));
    EXPECT_FALSE(reader.IsHidden(reader.FindObject(3)));
}

// A raw line break in a value is written escaped, so the value keeps its one line. (Such a value
// used to split its line, and the part after the break was lost on reload.)
TEST_F(SaveSafetyTest, RawLineBreaksInValuesAreWrittenEscaped) {
    LoadAndChange(dir_.path(), false);
    added_->SetAttributeValue("DESCRIPTION", "one\r\ntwo\nthree\rfour\r");
    factory_.Save(path_);
    const std::string text = ReadFileBytes(path_);
    const std::string line =
        "  <ATTRIBUTE NAME=\"DESCRIPTION\" FORMAT=\"STRING\">one&#13;&#10;two&#13;&#10;three&#13;&#10;four&#13;&#10;</ATTRIBUTE>\r\n";
    EXPECT_NE(text.find(line), std::string::npos);

    CTestFactory reader;
    reader.Open(path_);
    const std::string value = reader.FindObject(5)->GetAttributeValue("DESCRIPTION");
    EXPECT_EQ(UnescapeText(value), "one\r\ntwo\r\nthree\r\nfour\r\n");
}

TEST_F(SaveSafetyTest, ALineTooLongToReadBackIsRefusedAndNothingIsLost) {
    LoadAndChange(dir_.path(), true);
    added_->SetAttributeValue("DESCRIPTION", std::string(kMaxStoreLineLength, 'x'));
    try {
        factory_.Save(path_);
        ADD_FAILURE() << "the save succeeded";
    } catch (const ESaveError& error) {
        EXPECT_FALSE(error.MessageShown());
        EXPECT_NE(std::string(error.what()).find("longer than 1048576 bytes"), std::string::npos);
    }
    EXPECT_EQ(ReadFileBytes(path_), saved_);
    EXPECT_EQ(Statuses(), statuses_);
    EXPECT_EQ(FileNames(dir_.path()), (std::vector<std::string>{"Year.ods"}));
}

TEST_F(SaveSafetyTest, ANewObjectNeverTakesAnIDAlreadyInUse) {
    CTestFactory factory;
    CTestFolder* year = factory.AddObject(std::make_unique<CTestFolder>(nullptr, 7));
    factory.SetRoot(year);
    CTestNote* note = factory.Make<CTestNote>(year, "New");
    factory.Save((dir_ / "Year.ods").string());
    EXPECT_EQ(note->ID(), 8);
    CTestFactory reader;
    reader.Open((dir_ / "Year.ods").string());
    EXPECT_EQ(reader.Objects().Count(), 2);
}

TEST_F(SaveSafetyTest, TheMainFactorysCompressionSettingDecides) {
    CTestFactory main;
    main.Settings().CompressDatastore = true;
    CFactory::SetMainFactory(&main);
    CTestFactory scratch;
    MakeSmallStore(scratch);
    scratch.Save((dir_ / "Scratch.ods").string());
    EXPECT_TRUE(IsStoreArchive(ReadFileBytes(dir_ / "Scratch.ods")));
    main.Settings().CompressDatastore = false;
    scratch.Save((dir_ / "Scratch.ods").string());
    EXPECT_FALSE(IsStoreArchive(ReadFileBytes(dir_ / "Scratch.ods")));
    CFactory::SetMainFactory(nullptr);
}

}  // namespace
}  // namespace vantaro::test
