#include <gtest/gtest.h>

#include <QSettings>

#include "app/QtSettingsStore.h"
#include "support/TempDir.h"

namespace vantaro::test {
namespace {

class QtSettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromStdString(folder_.path().string()));
    }
    TempDir folder_;
    const std::string factoryKey_ = "\\Software\\Corvale\\Vantaro\\Factory\\";
};

TEST_F(QtSettingsStoreTest, ValuesRoundTripWithTheirTypes) {
    {
        QtSettingsStore store;
        EXPECT_FALSE(store.KeyExists(factoryKey_));
        store.CreateKey(factoryKey_);
        EXPECT_TRUE(store.KeyExists(factoryKey_));
        store.WriteInteger(factoryKey_, "SingleClick", 1);
        store.WriteInteger(factoryKey_, "BackgroundColor", std::int32_t(0x80000005u));
        store.WriteString(factoryKey_, "BackupPath", "C:\\Backups\\\xE9t\xE9");
    }
    QtSettingsStore reopened;
    EXPECT_EQ(reopened.ReadInteger(factoryKey_, "SingleClick"), 1);
    EXPECT_EQ(reopened.ReadInteger(factoryKey_, "BackgroundColor"), std::int32_t(0x80000005u));
    EXPECT_EQ(reopened.ReadString(factoryKey_, "BackupPath"), "C:\\Backups\\\xE9t\xE9");
    EXPECT_EQ(reopened.ReadInteger(factoryKey_, "Missing"), std::nullopt);
}

TEST_F(QtSettingsStoreTest, TextThatIsNoNumberIsNotReadAsInteger) {
    QtSettingsStore store;
    store.WriteString(factoryKey_, "SingleClick", "yes");
    EXPECT_EQ(store.ReadInteger(factoryKey_, "SingleClick"), std::nullopt);
}

TEST_F(QtSettingsStoreTest, WindowKeysOfAnotherVersionAreSeparate) {
    QtSettingsStore store;
    const std::string windowKey = "\\Software\\Corvale\\Vantaro 1.12\\Forms\\Form Main\\Position\\";
    store.WriteInteger(windowKey, "Top", 40);
    EXPECT_EQ(store.ReadInteger(windowKey, "Top"), 40);
    EXPECT_EQ(store.ReadInteger(factoryKey_, "Top"), std::nullopt);
}

}  // namespace
}  // namespace vantaro::test
