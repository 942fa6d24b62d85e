#include "wizards/SearchWizard.h"

#include <QTimer>

#include <array>
#include <map>

#include "controllers/messages/TFrameQuestionGrid.h"
#include "domain/Plans.h"
#include "factory/CFactory.h"
#include "routines/CsvText.h"
#include "routines/TextBasics.h"
#include "windows/main/TFormMain.h"

namespace vantaro {
namespace {

constexpr std::array<const char*, 3> kOrganisers{"Planning Organiser", "Assessment Organiser", "Report Organiser"};
constexpr const char* kAllPhrases = "Must Contain All The Phrases";
constexpr const char* kCaseSensitive = "Case Sensitive";

struct Part {
    const char* option;
    int flag;
};
constexpr std::array<Part, 4> kPlanParts{{{"Objectives", kSearchObjectives},
                                          {"Activities", kSearchActivities},
                                          {"Outcomes", kSearchOutcomes},
                                          {"Evaluations", kSearchEvaluations}}};
constexpr Part kPupilNames{"Pupil Names", kSearchPupilNames};

std::vector<Part> PartsOf(SearchedOrganiser organiser) {
    if (organiser == SearchedOrganiser::Planning) return {kPlanParts.begin(), kPlanParts.end()};
    return {kPupilNames};
}

// The lines of the answer, each a phrase; blank lines are none.
std::vector<std::string> Phrases(const std::string& text) {
    std::vector<std::string> phrases;
    for (std::string_view line : SplitTextLines(text))
        if (!TrimView(line).empty()) phrases.push_back(Trim(line));
    return phrases;
}

}  // namespace

std::vector<Wizard::PWidzardEvent> SearchWizard::Steps() {
    return {[this] { ChooseOrganiser(); }, [this] { AskForPhrases(); }, [this] { ShowResults(); },
            [this] { OpenChosen(); }};
}

void SearchWizard::ChooseOrganiser() {
    TFrameQuestionGrid& page = window_.Question();
    page.ResetQuestion();
    page.SetMultipleChoice(false);
    page.AddChoiceQuestion("Search For Items Within", "", false, {kOrganisers.begin(), kOrganisers.end()});
    page.Refresh(1);
}

void SearchWizard::AskForPhrases() {
    TFrameQuestionGrid& page = window_.Question();
    int chosen = -1;
    for (int i = static_cast<int>(kOrganisers.size()) - 1; i >= 0; --i)
        if (page.IsOptionChosen(kOrganisers[i])) chosen = i;
    if (chosen < 0) return window_.StartAgain();
    search_.organiser = static_cast<SearchedOrganiser>(chosen);
    const std::string name = std::string(kOrganisers[chosen]);
    page.ResetQuestion();
    page.SetMultipleChoice(true);
    page.AddQuestion("Search The " + name + " For Pages Containing The Following Words Or Phrases",
                     "Words entered on the same line are treated as a single phrase", "", "");
    page.AddOption(kAllPhrases, false);
    page.AddOption(kCaseSensitive, false);
    std::vector<std::string> parts;
    for (const Part& part : PartsOf(search_.organiser)) parts.emplace_back(part.option);
    page.AddChoiceQuestion("Search The Following", "", true, parts);
    page.Refresh(1);
}

void SearchWizard::ShowResults() {
    TFrameQuestionGrid& page = window_.Question();
    search_.phrases = Phrases(page.Answer());
    search_.flags = 0;
    for (const Part& part : PartsOf(search_.organiser))
        if (page.IsOptionChosen(part.option)) search_.flags |= part.flag;
    search_.allRequired = page.IsOptionChosen(kAllPhrases);
    search_.caseSensitive = page.IsOptionChosen(kCaseSensitive);
    const CFactory* factory = CFactory::MainFactory();
    const std::vector<SearchResult> results = factory ? SearchOrganisers(*factory, search_) : std::vector<SearchResult>{};

    page.ResetQuestion();
    page.SetMultipleChoice(true);
    page.AddChoiceQuestion("Search Has Found The Following " + std::to_string(results.size()) + " Items",
                           "Selected items will be opened", false, {});
    for (const SearchResult& result : results)
        page.AddOption(dynamic_cast<CLessonPlan*>(result.object) ? result.object->DisplayText() : result.key, true,
                       result.object);
    page.Refresh(1);
}

// Plans of one class share a window, so each class of plan found gets one.
void SearchWizard::OpenChosen() {
    TFrameQuestionGrid& page = window_.Question();
    std::map<std::string, std::vector<CStored*>> byClass;
    std::vector<std::string> classOrder;
    for (int option = 0; option < page.OptionCount(); ++option) {
        CStored* object = page.OptionTicked(option) ? page.OptionTarget(option) : nullptr;
        if (!object) continue;
        auto& objects = byClass[object->ClassName()];
        if (objects.empty()) classOrder.push_back(object->ClassName());
        objects.push_back(object);
    }
    if (classOrder.empty()) return window_.Finish(false);
    const DataWindowKind kind = search_.organiser == SearchedOrganiser::Planning     ? DataWindowKind::Plans
                                : search_.organiser == SearchedOrganiser::Assessment ? DataWindowKind::Assessments
                                                                                     : DataWindowKind::Reports;
    // The windows open once the wizard has closed, not inside its modal run.
    std::vector<std::vector<StoredRef>> lists;
    for (const std::string& className : classOrder) {
        std::vector<StoredRef>& list = lists.emplace_back();
        for (CStored* object : byClass[className]) list.emplace_back(object);
    }
    QTimer::singleShot(0, &main_, [&main = main_, kind, lists] {
        for (const std::vector<StoredRef>& list : lists) {
            std::vector<CStored*> objects;
            for (const StoredRef& object : list)
                if (object.Get()) objects.push_back(object.Get());
            if (!objects.empty()) main.OpenDataWindow(kind, objects);
        }
    });
    window_.Finish(true);
}

}  // namespace vantaro
