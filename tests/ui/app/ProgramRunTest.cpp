#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFontDatabase>
#include <QImage>

#include "app/ProgramRun.h"
#include "app/TFormStartup.h"
#include "domain/CRovanFactory.h"
#include "domain/Periods.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"
#include "windows/FileDialogs.h"
#include "windows/main/TFormMain.h"

namespace vantaro::test {
namespace {

// Answers the file dialogs with a prepared name and counts them.
class ScriptedFileDialogs final : public FileDialogs {
public:
    QString ChooseFileToOpen(QWidget*, const QString&) override {
        ++opens;
        return answer;
    }
    QStringList ChooseFilesToOpen(QWidget*, const QString&) override {
        ++opens;
        return answer.isEmpty() ? QStringList() : QStringList{answer};
    }
    QString ChooseFileToSave(QWidget*, const QString&, const QString& initialName) override {
        ++saves;
        lastInitialName = initialName;
        return answer;
    }
    QString answer;
    QString lastInitialName;
    int opens = 0;
    int saves = 0;
};

class ProgramRunTest : public ::testing::Test {
protected:
    ProgramRun::Services Services() { return {&settings_, &dialogs_, &prompts_}; }

    // A seeded store saved packed, as the program writes it with its default settings.
    void WritePackedStore(const std::filesystem::path& path) {
        CRovanFactory factory;
        CFactory::SetMainFactory(&factory);
        MemorySettingsStore defaults;
        const ScopedPlatform platform({nullptr, nullptr, &prompts_, nullptr, nullptr, &defaults});
        factory.ReadSettings();
        factory.NewDataStore(true);
        factory.Save(path.string());
        CFactory::SetMainFactory(nullptr);
    }

    static QStringList Arguments(const std::filesystem::path& path) {
        return {QStringLiteral("vantaro"), QString::fromStdString(path.string())};
    }

    const std::string factoryKey_ = "\\Software\\Corvale\\Vantaro\\Factory\\";
    TempDir folder_;
    MemorySettingsStore settings_;
    ScriptedFileDialogs dialogs_;
    RecordingPrompts prompts_;
};

// Without any font Qt draws boxes silently, so the screenshots would mean nothing.
TEST(UiEnvironment, HasAFont) { EXPECT_FALSE(QFontDatabase::families().isEmpty()); }

TEST_F(ProgramRunTest, WithoutArgumentsStartsAnEmptyYearWithoutFileName) {
    settings_.WriteString(factoryKey_, "FileName", "/somewhere/Last.ods");
    {
        ProgramRun run(Services());
        run.Start({QStringLiteral("vantaro")});
        EXPECT_EQ(run.MainFactory().Objects().Count(), 1);
        ASSERT_NE(run.MainFactory().Year(), nullptr);
        EXPECT_TRUE(run.MainFactory().FileName().empty());
        EXPECT_TRUE(run.FormMain().isVisible());
        EXPECT_FALSE(run.FormStartup().isVisible());
        EXPECT_EQ(run.FormMain().windowTitle(), QStringLiteral("Vantaro"));
        EXPECT_FALSE(QApplication::windowIcon().isNull()) << "the program's own icon";
        EXPECT_EQ(run.FormMain().VersionPanelText(), QStringLiteral("Version 1.12 (Build 1)"));
        EXPECT_EQ(run.FormMain().FileNamePanelText(), QString());
        EXPECT_EQ(run.FormMain().YearText(), QStringLiteral("<New Year>"));
        EXPECT_TRUE(run.FormMain().grab().toImage().save(
            QStringLiteral(VANTARO_BINARY_DIR "/TFormMain.png")));
        run.Shutdown();
    }
    EXPECT_EQ(settings_.ReadString(factoryKey_, "FileName"), "");
    EXPECT_TRUE(prompts_.prompts.empty());
}

TEST_F(ProgramRunTest, OpensThePackedStoreNamedOnTheCommandLine) {
    // A name outside ASCII reaches the same file it was given as.
    const auto path = folder_ / "Ann\u00e9e 7.ods";
    WritePackedStore(path);

    ProgramRun run(Services());
    run.Start(Arguments(path) << QStringLiteral("ignored.ods"));
    EXPECT_EQ(run.MainFactory().FileName(), path.string());
    EXPECT_EQ(run.FormMain().FileNamePanelText(), QString::fromStdString(path.string()));
    EXPECT_GT(run.MainFactory().Objects().Count(), 400);
    EXPECT_FALSE(run.MainFactory().HasStatus(StoredStatus::New));
    EXPECT_FALSE(run.FormStartup().isVisible());
    EXPECT_TRUE(prompts_.prompts.empty());
}

TEST_F(ProgramRunTest, AStoreThatCannotBeOpenedGivesANewStoreAndIsLeftAlone) {
    const auto packed = folder_ / "Packed.ods";
    WritePackedStore(packed);
    const auto capitals = folder_ / "Capitals.ODS";
    std::filesystem::copy_file(packed, capitals);
    const auto corrupt = folder_ / "Corrupt.ods";
    std::string bytes = ReadFileBytes(packed);
    bytes[bytes.size() / 2] ^= 0x55;
    WriteFileBytes(corrupt, bytes);

    struct Case {
        std::filesystem::path path;
        size_t messages;
    };
    for (const Case& c : {Case{capitals, 0}, Case{corrupt, 1}, Case{folder_ / "Missing.ods", 0}}) {
        SCOPED_TRACE(c.path.string());
        prompts_.prompts.clear();
        const std::string before =
            std::filesystem::exists(c.path) ? ReadFileBytes(c.path) : std::string();
        {
            ProgramRun run(Services());
            run.Start(Arguments(c.path));
            EXPECT_TRUE(run.MainFactory().FileName().empty());
            ASSERT_NE(run.MainFactory().Year(), nullptr);
            EXPECT_GT(run.MainFactory().Objects().Count(), 400) << "a new seeded store";
            ASSERT_EQ(prompts_.prompts.size(), c.messages);
            if (c.messages) {
                EXPECT_NE(prompts_.prompts[0].text.find(c.path.string()), std::string::npos);
            }
        }
        if (!before.empty()) {
            EXPECT_EQ(ReadFileBytes(c.path), before);
        }
    }
}

TEST_F(ProgramRunTest, ASettingChangedDuringARunIsKeptOnlyByANormalEnd) {
    {
        ProgramRun run(Services());
        run.Start({QStringLiteral("vantaro")});
        EXPECT_FALSE(run.MainFactory().Settings().SingleClick);
        run.MainFactory().Settings().SingleClick = true;
        EXPECT_NE(settings_.ReadInteger(factoryKey_, "SingleClick"), 1) << "written only at the end";
        run.Shutdown();
    }
    ProgramRun next(Services());
    EXPECT_TRUE(next.MainFactory().Settings().SingleClick);
}

TEST_F(ProgramRunTest, ExitOnANeverSavedStoreOffersToSaveThroughTheSaveDialog) {
    ProgramRun run(Services());
    run.Start({QStringLiteral("vantaro")});
    dialogs_.answer = QString::fromStdString((folder_ / "Saved.ods").string());
    run.FormMain().Action(QStringLiteral("ActionFileExit"))->trigger();

    ASSERT_EQ(prompts_.prompts.size(), 2u);
    EXPECT_EQ(prompts_.prompts[0].caption, "Exit Application");
    EXPECT_EQ(prompts_.prompts[1].caption, "Save Before Exit");
    EXPECT_EQ(dialogs_.saves, 1);
    EXPECT_TRUE(std::filesystem::exists(folder_ / "Saved.ods"));
    EXPECT_FALSE(run.FormMain().isVisible());
}

}  // namespace
}  // namespace vantaro::test
