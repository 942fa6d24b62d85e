#include "wizards/OptionsWizard.h"

#include <array>

#include "controllers/messages/TFrameQuestionGrid.h"
#include "factory/CFactory.h"

namespace vantaro {
namespace {

struct OptionRow {
    const char* title;
    const char* description;
    const char* option;
    bool CFactorySettings::*setting;
};

const std::array<OptionRow, 3> kOptions{{
    {"Click Response",
     "The Virtual forms respond to a single click, like web pages, not a double click like Windows forms",
     "Respond To Single Click", &CFactorySettings::SingleClick},
    {"Compress Data Store",
     "The Application compresses the data store to save disk space, this can be switched off if the data is to be "
     "imported into another program.",
     "Compress Data Store", &CFactorySettings::CompressDatastore},
    {"Annual Report Full Title",
     "The Annual Report has a title of the pupil name, \"Annual Report\" and the teacher printing the report. To "
     "have a simple title of the pupil's name, uncheck this option.",
     "Annual Report Full Title", &CFactorySettings::AnnualReportFullTitle},
}};

}  // namespace

std::vector<Wizard::PWidzardEvent> OptionsWizard::Steps() {
    return {[this] { ShowOptions(); }, [this] { Apply(); }};
}

void OptionsWizard::ShowOptions() {
    CFactory* factory = CFactory::MainFactory();
    TFrameQuestionGrid& page = window_.Question();
    page.ResetQuestion();
    page.SetMultipleChoice(true);
    for (const OptionRow& row : kOptions)
        page.AddChoiceQuestion(row.title, row.description, factory && factory->Settings().*row.setting, {row.option});
    page.Refresh(1);
}

void OptionsWizard::Apply() {
    if (CFactory* factory = CFactory::MainFactory()) {
        CFactorySettings& settings = factory->Settings();
        for (const OptionRow& row : kOptions) settings.*row.setting = window_.Question().IsOptionChosen(row.option);
        settings.SimpleView = false;
    }
    window_.Finish(true);
}

}  // namespace vantaro
