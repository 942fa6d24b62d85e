#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "domain/CRovanFactory.h"
#include "domain/Periods.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"
#include "ui/windows/ScriptedDialogs.h"
#include "windows/main/TFormMain.h"

namespace vantaro::test {

// The program's main window, shown on a seeded year of the main factory, with scripted file
// dialogs, the fake platform and a folder of its own for files.
class MainWindowFixture : public ::testing::Test {
protected:
    MainWindowFixture() : previous_(CFactory::MainFactory()) {
        factory.ReadSettings();
        factory.SetDeletedCountsAsHidden(true);
        CFactory::SetMainFactory(&factory);
        factory.NewDataStore(true);
        main = std::make_unique<TFormMain>(factory, scratch, dialogs);
        main->ActionFileDisplayFactoryExecute();
        main->show();
    }
    ~MainWindowFixture() override {
        main.reset();
        CFactory::SetMainFactory(previous_);
    }

    CYear& Year() { return *factory.Year(); }
    std::string Path(const char* name) { return (folder.path() / name).string(); }

    FakePlatform platform;
    TempDir folder;
    CRovanFactory factory;
    CRovanFactory scratch;
    ScriptedDialogs dialogs;
    std::unique_ptr<TFormMain> main;

private:
    CFactory* previous_;
};

}  // namespace vantaro::test
