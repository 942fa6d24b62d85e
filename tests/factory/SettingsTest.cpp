#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "factory/TestClasses.h"
#include "support/FakePlatform.h"

namespace vantaro::test {
namespace {

constexpr TColor kWindowBackground = 0x80000005;
constexpr TColor kWindowText = 0x80000008;

class SettingsTest : public ::testing::Test {
protected:
    SettingsTest() { CFactory::SetProgramFolder("/opt/vantaro"); }
    ~SettingsTest() override { CFactory::SetProgramFolder(previousFolder_); }

    const std::string key_ = CFactory::SettingsKey();
    std::string previousFolder_ = CFactory::ProgramFolder();
    FakePlatform platform_;
    CTestFactory factory_;
};

TEST_F(SettingsTest, WithoutAKeyEverySettingTakesItsDefaultAndTheKeyIsCreated) {
    EXPECT_EQ(key_, "\\Software\\Corvale\\Vantaro\\Factory\\");
    ASSERT_FALSE(platform_.settings.KeyExists(key_));
    factory_.ReadSettings();
    EXPECT_TRUE(platform_.settings.KeyExists(key_));
    EXPECT_EQ(platform_.settings.ValueCount(key_), 0);

    const CFactorySettings& s = factory_.Settings();
    EXPECT_FALSE(s.SingleClick);
    EXPECT_TRUE(s.SimpleView);
    EXPECT_TRUE(s.CompressDatastore);
    EXPECT_TRUE(s.AnnualReportFullTitle);
    EXPECT_FALSE(s.OpenLastDataStore);
    EXPECT_EQ(factory_.FileName(), "/opt/vantaro/Default.ods");
    EXPECT_FALSE(s.BackupPath.empty());
    const std::pair<TColor, TColor> colours[] = {
        {s.BackgroundColor, kWindowBackground},    {s.SelectionBackgroundColor, 0xC7A096},
        {s.SelectionTextColor, kWindowText},       {s.TitleBackgroundColor, 0xC7A096},
        {s.TitleTextColor, kWindowText},           {s.HeadingBackgroundColor, 0xDDC6BF},
        {s.HeadingTextColor, 0x845346},            {s.LinkBackgroundColor, 0xE1FFFF},
        {s.LinkTextColor, 0x845346},               {s.LabelBackgroundColor, kWindowBackground},
        {s.LabelTextColor, kWindowText},           {s.DataBackgroundColor, kWindowBackground},
        {s.DataTextColor, kWindowText},            {s.DataBorderColor, 0xC0C0C0},
        {s.DragBackgroundColor, 0xF3EBE9},         {s.InfoBackgroundColor, 0xF3EBE9},
        {s.InfoTextColor, kWindowText},
    };
    for (std::size_t i = 0; i < std::size(colours); ++i) {
        EXPECT_EQ(colours[i].first, colours[i].second) << "colour " << i;
    }
    EXPECT_EQ(s.Font.Name, "Tahoma");
    EXPECT_EQ(s.Font.Color, kWindowText);
    EXPECT_EQ(s.Font.Size, 10);
    EXPECT_FALSE(s.Font.Bold || s.Font.Italic || s.Font.Underline || s.Font.StrikeOut);
}

TEST_F(SettingsTest, AValueOfTheWrongTypeIsIgnoredAndTheOthersAreStillRead) {
    platform_.settings.WriteString(key_, "SingleClick", "1");
    platform_.settings.WriteInteger(key_, "SimpleView", 0);
    platform_.settings.WriteInteger(key_, "BackupPath", 7);
    platform_.settings.WriteString(key_, "DataBorderColor", "red");
    platform_.settings.WriteInteger(key_, "InfoTextColor", 0x123456);
    platform_.settings.WriteString(key_, "Size", "12");
    platform_.settings.WriteInteger(key_, "Style Italic", 5);  // any non-zero value is true
    factory_.ReadSettings();
    const CFactorySettings& s = factory_.Settings();
    EXPECT_FALSE(s.SingleClick);
    EXPECT_FALSE(s.SimpleView);
    EXPECT_FALSE(s.BackupPath.empty());
    EXPECT_EQ(s.DataBorderColor, 0xC0C0C0u);
    EXPECT_EQ(s.InfoTextColor, 0x123456u);
    EXPECT_EQ(s.Font.Size, 10);
    EXPECT_TRUE(s.Font.Italic);
}

TEST_F(SettingsTest, WrittenSettingsReadBackIntoAnotherFactory) {
    factory_.ReadSettings();
    CFactorySettings& s = factory_.Settings();
    s.SingleClick = true;
    s.CompressDatastore = false;
    s.BackupPath = "/backups/";
    s.DataBorderColor = 0x010203;
    s.DataTextColor = 0x0A0B0C;
    s.LinkBackgroundColor = kWindowText;
    s.Font = CFontDescription{"Comic Sans MS", 0x845346, 12, false, false, false, true};
    factory_.SetFileName("/home/teacher/Year 7.ods");
    factory_.WriteSettings();

    EXPECT_EQ(platform_.settings.ReadInteger(key_, "LinkBackgroundColor"), static_cast<std::int32_t>(kWindowText));
    EXPECT_EQ(platform_.settings.ReadString(key_, "FileName"), "/home/teacher/Year 7.ods");
    EXPECT_EQ(platform_.settings.ValueCount(key_), 31);

    CTestFactory next;
    next.ReadSettings();
    const CFactorySettings& r = next.Settings();
    EXPECT_TRUE(r.SingleClick);
    EXPECT_FALSE(r.CompressDatastore);
    EXPECT_EQ(r.BackupPath, "/backups/");
    EXPECT_EQ(r.DataBorderColor, 0x010203u);
    EXPECT_EQ(r.DataTextColor, 0x0A0B0Cu);
    EXPECT_EQ(r.LinkBackgroundColor, kWindowText);
    EXPECT_EQ(r.Font.Name, "Comic Sans MS");
    EXPECT_EQ(r.Font.Color, 0x845346u);
    EXPECT_EQ(r.Font.Size, 12);
    EXPECT_TRUE(r.Font.StrikeOut);
    EXPECT_FALSE(r.Font.Bold);
    EXPECT_EQ(next.FileName(), "/home/teacher/Year 7.ods");
}

TEST_F(SettingsTest, TheFontSizeIsKeptWithinReadableSizes) {
    for (const auto& [stored, read] : std::vector<std::pair<int, int>>{{0, 6}, {-3, 6}, {6, 6}, {72, 72}, {400, 72}}) {
        platform_.settings.WriteInteger(key_, "Size", stored);
        factory_.ReadSettings();
        EXPECT_EQ(factory_.Settings().Font.Size, read) << stored;
    }
}

TEST_F(SettingsTest, TheDefaultDataStorePathIsNeverStored) {
    factory_.ReadSettings();
    ASSERT_EQ(factory_.FileName(), CFactory::DefaultDataStorePath());
    factory_.WriteSettings();
    EXPECT_EQ(factory_.FileName(), "");
    EXPECT_EQ(platform_.settings.ReadString(key_, "FileName"), "");

    CTestFactory next;
    next.ReadSettings();
    EXPECT_EQ(next.FileName(), "/opt/vantaro/Default.ods");
}

}  // namespace
}  // namespace vantaro::test
