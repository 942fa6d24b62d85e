#include "wizards/FileDataWizard.h"

#include <array>
#include <string_view>

#include "controllers/messages/TFrameQuestionGrid.h"
#include "controllers/property/TFramePropertyGrid.h"
#include "factory/CFactory.h"

namespace vantaro {
namespace {

struct ListChoice {
    const char* option;
    std::string_view association;
};

constexpr std::array<ListChoice, 5> kLists{{{"Forms", "FORMS"},
                                            {"Staff", "STAFF"},
                                            {"Objective Categories", "OBJECTIVE_CATEGORIES"},
                                            {"Activity Categories", "ACTIVITY_CATEGORIES"},
                                            {"Note Categories", "NOTE_CATEGORIES"}}};

constexpr std::array<std::string_view, 14> kYearAssociations{
    "TERMS", "FORMS", "SUBJECTS", "STAFF", "CURRICULUMS", "PUPILS", "TUTOR_STATEMENTS", "OBJECTIVE_CATEGORIES",
    "ACTIVITY_CATEGORIES", "NOTE_CATEGORIES", "APTITUDES", "GENDERS", "TEACHING_DAYS", "DURATIONS"};
constexpr std::string_view kYearAttributes =
    "ACADEMIC_YEAR_START_DATE ACADEMIC_YEAR_END_DATE SCHOOL_NAME SCHOOL_CONTACT_DETAILS TUTOR_NAME ";

}  // namespace

std::vector<Wizard::PWidzardEvent> FileDataWizard::Steps() {
    return {[this] { ChooseList(); }, [this] { ShowList(); }, [this] { window_.Finish(true); }};
}

void FileDataWizard::ChooseList() {
    window_.ShowOnly(window_.Question());
    TFrameQuestionGrid& page = window_.Question();
    page.ResetQuestion();
    page.SetMultipleChoice(false);
    std::vector<std::string> options;
    for (const ListChoice& list : kLists) options.emplace_back(list.option);
    page.AddChoiceQuestion("File Data",
                           "The form has several types of item that are used throughout the application, please "
                           "select one to edit.",
                           false, options);
    page.Refresh(1);
}

// The property page shows the year with every other list and the year's own attributes left out.
void FileDataWizard::ShowList() {
    std::string_view chosen;
    for (const ListChoice& list : kLists)
        if (chosen.empty() && window_.Question().IsOptionChosen(list.option)) chosen = list.association;
    std::string hidden;
    if (!chosen.empty()) {
        for (std::string_view association : kYearAssociations)
            if (association != chosen) hidden.append(association).append(" ");
        hidden.append(kYearAttributes);
    }
    TFramePropertyGrid& page = window_.Property();
    window_.ShowOnly(page);
    const CFactory* factory = CFactory::MainFactory();
    page.SetObject(factory ? factory->Root() : nullptr);
    page.SetKinds("ATTRIBUTE ASSOCATION");
    page.SetExclusions(hidden);
    page.Refresh(0);
}

}  // namespace vantaro
